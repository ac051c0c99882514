// tervolin-tables add NAME SOURCE [--data DIR] [--force]: the two files of one more
// material, written where the program's list finds them; and what it refuses.

#include "table_file.h"
#include "tool_run.h"

#include "data/material_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace tervolin::tables_test {
namespace {

class AddCommand : public ::testing::Test {
 protected:
  void SetUp() override { data_ = FreshTemporaryFolder("add"); }
  void TearDown() override { fs::remove_all(data_); }

  int Add(const std::string& arguments) {
    return RunTool("add " + arguments + " --data " + Quoted(data_), data_ / "stderr.txt",
                   data_ / "stdout.txt");
  }
  std::string Errors() const { return ReadBytes(data_ / "stderr.txt"); }
  std::string Output() const { return ReadBytes(data_ / "stdout.txt"); }
  // Files in XFS_Data, temporary ones included.
  int FileCount() const {
    std::error_code error;
    int count = 0;
    for (fs::directory_iterator it(data_ / "XFS_Data", error), end; !error && it != end; ++it)
      ++count;
    return count;
  }

  fs::path data_;
};

// BaSO4: F(0)² = Σ n Z² = 56² + 16² + 4·8², S(∞) = 56 + 16 + 4·8 electrons.
TEST_F(AddCommand, FormulaGivesBothTablesWithTheFormulaUnitsLimitsAndIsListed) {
  ASSERT_EQ(Add("硫酸バリウム BaSO4"), 0) << Errors();
  const fs::path xfs = MaterialFile(u8"硫酸バリウム", u8".xfs", data_);
  EXPECT_NE(Output().find(Quoted(xfs).substr(1, Quoted(xfs).size() - 2)), std::string::npos)
      << "prints where it wrote: " << Output();
  const std::vector<Record> records = ReadRecords(xfs);
  ASSERT_EQ(records.size(), 45u);
  EXPECT_NEAR(records.front()[1], std::sqrt(56.0 * 56 + 16 * 16 + 4 * 64), 0.5);
  EXPECT_NEAR(records.back()[2], 56 + 16 + 4 * 8, 1e-3);
  EXPECT_EQ(ReadRecords(MaterialFile(u8"硫酸バリウム", u8".csv", data_)).size(), 300u);
  EXPECT_EQ(FileCount(), 2) << "no temporary file is left";
  const auto found = FindMaterial(ListMaterials(data_), "硫酸バリウム");
  ASSERT_TRUE(found.has_value());
}

TEST_F(AddCommand, NistCompoundNameIsAcceptedAndListSourcesNamesIt) {
  ASSERT_EQ(Add("'Ferrous Sulfate Dosimeter Solution' 'Ferrous Sulfate Dosimeter Solution'"), 0)
      << Errors();
  EXPECT_EQ(
      ReadRecords(MaterialFile(u8"Ferrous Sulfate Dosimeter Solution", u8".xfs", data_)).size(),
      45u);
  ASSERT_EQ(RunTool("list-sources", data_ / "stderr.txt", data_ / "stdout.txt"), 0);
  EXPECT_NE(Output().find("\nFerrous Sulfate Dosimeter Solution\n"), std::string::npos);
  EXPECT_NE(Output().find("\nBone, Cortical (ICRP)\n"), std::string::npos);
}

TEST_F(AddCommand, RefusesUnknownFormulasAndUnsafeNamesWritingNothing) {
  for (const char* source : {"Xy2Q", "'H2O)'", "''", "Silicon"}) {
    EXPECT_EQ(Add(std::string("Thing ") + source), 1) << source;
    EXPECT_NE(Errors().find("unknown source"), std::string::npos) << Errors();
  }
  for (const char* name : {"''", ".", "..", "../escape", "'a\\b'", "-dash", "'tab\there'",
                           "\"$(printf 'bad\\377')\""}) {
    EXPECT_EQ(Add(std::string(name) + " H2O"), 1) << name;
    EXPECT_NE(Errors().find("cannot use"), std::string::npos) << name << ": " << Errors();
  }
  EXPECT_EQ(Add(std::string(201, 'x') + " H2O"), 1) << "a name too long for a file";
  EXPECT_EQ(FileCount(), 0);
  EXPECT_FALSE(fs::exists(data_.parent_path() / "escape.xfs"));
}

TEST_F(AddCommand, KeepsAnExistingMaterialUnlessForced) {
  ASSERT_EQ(Add("Filter Al"), 0) << Errors();
  const std::string aluminium = ReadBytes(MaterialFile(u8"Filter", u8".xfs", data_));
  EXPECT_EQ(Add("Filter Cu"), 1);
  EXPECT_NE(Errors().find("--force"), std::string::npos) << Errors();
  EXPECT_EQ(ReadBytes(MaterialFile(u8"Filter", u8".xfs", data_)), aluminium);
  EXPECT_EQ(Add("filter Cu"), 1) << "the name of a listed material in other case";
  EXPECT_EQ(Add("water Cu"), 1) << "the alias of one of the seven";
  EXPECT_EQ(Add("Filter Cu --force"), 0) << Errors();
  EXPECT_NE(ReadBytes(MaterialFile(u8"Filter", u8".xfs", data_)), aluminium);
  EXPECT_EQ(FileCount(), 2);
}

TEST_F(AddCommand, WrongCommandLinesAreUsageErrors) {
  const fs::path log = data_ / "stderr.txt";
  EXPECT_EQ(RunTool("add OnlyName", log), 2);
  EXPECT_EQ(RunTool("add A H2O --data", log), 2);
  EXPECT_EQ(RunTool("add A H2O --colour red", log), 2);
  EXPECT_EQ(RunTool("list-sources extra", log), 2);
  EXPECT_EQ(RunTool("make", log), 2);
  EXPECT_NE(ReadBytes(log).find("usage:"), std::string::npos);
}

}  // namespace
}  // namespace tervolin::tables_test
