#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/material_catalogue.h"
#include "support/scratch_directory.h"

namespace tervolin {
namespace {

using testing::ScratchDirectory;

const std::vector<std::string> kSeven{"水素", "炭素", "鉄", "鉛", "空気", "PMMA", "水"};

std::vector<std::string> Names(const std::vector<MaterialEntry>& list) {
  std::vector<std::string> names;
  for (const MaterialEntry& entry : list)
    names.push_back(entry.name);
  return names;
}

std::vector<std::string> SevenThen(std::vector<std::string> further) {
  std::vector<std::string> names = kSeven;
  names.insert(names.end(), further.begin(), further.end());
  return names;
}

void AddTables(const ScratchDirectory& dir, const std::string& name) {
  dir.Write("XFS_Data/" + name + ".xfs", "1\n");
  dir.Write("XFS_Data/" + name + ".csv", "1\n");
}

TEST(MaterialCatalogue, SevenAlwaysFirstThenIndexOrderThenByteOrder) {
  ScratchDirectory dir;
  EXPECT_EQ(Names(ListMaterials(dir.path())), kSeven) << "no XFS_Data at all";
  for (const char* name : {"骨", "脂肪", "Zinc", "Boron", "水"})
    AddTables(dir, name);
  dir.Write("XFS_Data/materials.txt",
            "# name\talias\n脂肪\tadipose\r\n\nnot-there\tx\n骨\tbone\n脂肪\tagain\n");
  const auto list = ListMaterials(dir.path());
  EXPECT_EQ(Names(list), SevenThen({"脂肪", "骨", "Boron", "Zinc"}));
  EXPECT_EQ(list[6].alias, "water");
  EXPECT_EQ(list[7].alias, "adipose") << "CR before LF is not part of the alias";
  EXPECT_EQ(list[8].alias, "bone");
  EXPECT_EQ(list[9].alias, "");
}

TEST(MaterialCatalogue, ListsOnlyMaterialsWithBothRegularTableFiles) {
  ScratchDirectory dir;
  AddTables(dir, "Complete");
  dir.Write("XFS_Data/NoCsv.xfs", "1\n");
  dir.Write("XFS_Data/NoXfs.csv", "1\n");
  dir.Write("XFS_Data/Upper.XFS", "1\n");
  dir.Write("XFS_Data/Upper.csv", "1\n");
  dir.Write("XFS_Data/Folder.csv", "1\n");
  std::filesystem::create_directories(dir.path() / "XFS_Data/Folder.xfs");
  dir.Write("XFS_Data/Bad\xff.xfs", "1\n");
  dir.Write("XFS_Data/Bad\xff.csv", "1\n");
  dir.Write("XFS_Data/Line\nbreak.xfs", "1\n");
  dir.Write("XFS_Data/Line\nbreak.csv", "1\n");
  EXPECT_EQ(Names(ListMaterials(dir.path())), SevenThen({"Complete"}));
}

TEST(MaterialCatalogue, GarbledOrOddIndexFilesAreSurvived) {
  ScratchDirectory dir;
  AddTables(dir, "B");
  AddTables(dir, "A");
  dir.Write("XFS_Data/materials.txt", std::string("\xff\xfe\0B\tb\x01\n\tA\n", 11) + "B\tb\xC3\n");
  auto list = ListMaterials(dir.path());
  EXPECT_EQ(Names(list), SevenThen({"B", "A"}));
  EXPECT_EQ(list[7].alias, "") << "an alias that is not clean UTF-8 is dropped";

  std::filesystem::remove(dir.path() / "XFS_Data/materials.txt");
  std::filesystem::create_directories(dir.path() / "XFS_Data/materials.txt");
  EXPECT_EQ(Names(ListMaterials(dir.path())), SevenThen({"A", "B"})) << "index is a folder";

  std::filesystem::remove(dir.path() / "XFS_Data/materials.txt");
  dir.Write("XFS_Data/materials.txt", "B\tb\n" + std::string(2 << 20, 'x'));
  EXPECT_EQ(Names(ListMaterials(dir.path())), SevenThen({"A", "B"})) << "oversized index";
}

TEST(MaterialCatalogue, FindsByNameOrAliasIgnoringAsciiCaseOnly) {
  const std::vector<MaterialEntry> list{
      {"水素", "hydrogen"}, {"PMMA", "pmma"}, {"骨", "bone"}, {"Zinc", ""}};
  EXPECT_EQ(FindMaterial(list, "HyDrogen")->name, "水素");
  EXPECT_EQ(FindMaterial(list, "骨")->name, "骨");
  EXPECT_EQ(FindMaterial(list, "BONE")->name, "骨");
  EXPECT_EQ(FindMaterial(list, "zinc")->name, "Zinc");
  EXPECT_FALSE(FindMaterial(list, "").has_value()) << "an empty alias matches nothing";
  EXPECT_FALSE(FindMaterial(list, "bon").has_value());
  EXPECT_FALSE(FindMaterial({}, "bone").has_value());
}

TEST(MaterialCatalogue, OwnNameWinsOverAnotherAliasAndExactCaseOverOther) {
  const std::vector<MaterialEntry> list{{"X", "y"}, {"ABC", ""}, {"abc", ""}, {"Y", ""}, {"Z", "abd"}};
  const std::pair<const char*, const char*> cases[] = {{"y", "Y"}, {"abc", "abc"}, {"ABC", "ABC"}, {"Abc", "ABC"}, {"ABD", "Z"}};
  for (const auto& [typed, found] : cases)
    EXPECT_EQ(FindMaterial(list, typed)->name, found) << typed;
}

}  // namespace
}  // namespace tervolin
