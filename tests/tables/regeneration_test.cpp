// The committed tables are exactly what tervolin-tables writes from xraylib.

#include "table_file.h"
#include "tool_run.h"

#include "data/material_catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace tervolin::tables_test;
using tervolin::ListMaterials;
using tervolin::MaterialEntry;

namespace {

// Regular files below folder, as paths relative to it; README.md is left out.
std::set<fs::path> DataFilesBelow(const fs::path& folder) {
  std::set<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file() && entry.path().filename() != "README.md")
      files.insert(fs::relative(entry.path(), folder));
  return files;
}

class Regeneration : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    scratch = FreshTemporaryFolder("regeneration");
    status = RunTool("make " + Quoted(scratch / "out"), scratch / "stderr.txt");
  }
  static void TearDownTestSuite() { fs::remove_all(scratch); }

  static inline fs::path scratch;
  static inline int status = -1;
};

TEST_F(Regeneration, ToolSucceedsAndWritesTheSameSetOfFilesAsCommitted) {
  ASSERT_EQ(status, 0) << ReadBytes(scratch / "stderr.txt");
  const std::set<fs::path> committed = DataFilesBelow(TablesDir());
  // Mus2018.dat, MuenAir.dat, two files per material and the index materials.txt
  EXPECT_EQ(committed.size(), 2 * ScattererMaterials().size() + 3);
  EXPECT_EQ(DataFilesBelow(scratch / "out"), committed);
}

TEST_F(Regeneration, EveryCommittedFileIsByteIdenticalToTheRegeneratedOne) {
  ASSERT_EQ(status, 0) << ReadBytes(scratch / "stderr.txt");
  for (const fs::path& file : DataFilesBelow(TablesDir())) {
    SCOPED_TRACE(Quoted(file));
    const std::string committed = ReadBytes(TablesDir() / file);
    EXPECT_FALSE(committed.empty());
    EXPECT_TRUE(committed == ReadBytes(scratch / "out" / file))
        << "differs from the regenerated file: " << Quoted(file);
  }
}

// The program's catalogue reads the shipped index: every material in the tool's order.
TEST(ShippedIndex, ListsEveryShippedMaterialInTheOrderOfTheTablesTests) {
  std::vector<std::string> expected, listed;
  for (const MaterialInfo& material : ScattererMaterials())
    expected.emplace_back(material.name.begin(), material.name.end());
  for (const MaterialEntry& entry : ListMaterials(TablesDir()))
    listed.push_back(entry.name);
  EXPECT_EQ(listed, expected);
}

TEST(ToolFailures, ReportsAndFailsWhenItCannotWriteOrHasNoOutputFolder) {
  const fs::path scratch = FreshTemporaryFolder("failures");
  const fs::path log = scratch / "stderr.txt";

  EXPECT_NE(RunTool("", log), 0) << "no output folder given";
  EXPECT_FALSE(ReadBytes(log).empty());

  const fs::path blocker = scratch / "not_a_folder";
  std::ofstream(blocker) << "a file where the output folder should be\n";
  EXPECT_NE(RunTool("make " + Quoted(blocker), log), 0) << "output folder is a regular file";
  EXPECT_NE(ReadBytes(log).find("tervolin-tables"), std::string::npos);

  const fs::path occupied = scratch / "occupied";
  fs::create_directories(MaterialFile(u8"水", u8".xfs", occupied));  // a folder in the file's place
  EXPECT_NE(RunTool(Quoted(occupied), log), 0) << "a data file cannot be written";
  EXPECT_NE(ReadBytes(log).find("cannot write"), std::string::npos) << ReadBytes(log);

  fs::remove_all(scratch);
}

}  // namespace
