// tervolin-tables add NAME SOURCE [--data DIR] [--force]: the two files of one more
// material, written where the program's list finds them; and what it refuses.

#include "table_file.h"
#include "tool_run.h"

#include "data/material_catalogue.h"
#include "support/target_kinds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

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
                           "\"$(printf 'bad\\377')\"", "'  '", "'\u3000'", "'\u200B'", "'Lead\u202Ebad'"}) {
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
  std::filesystem::remove(MaterialFile(u8"Filter", u8".csv", data_));
  EXPECT_EQ(Add("FILTER Cu"), 1) << "a table of the name in another case, even without its pair";
  EXPECT_NE(Errors().find("Filter.xfs exists"), std::string::npos) << Errors();
  EXPECT_EQ(Add("Filter Cu --force"), 0) << Errors();
  EXPECT_EQ(ReadRecords(MaterialFile(u8"Filter", u8".csv", data_)).size(), 300u);
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
  EXPECT_EQ(RunTool("add A H2O --data " + Quoted(data_ / "missing/d"), log), 1);
  EXPECT_NE(ReadBytes(log).find("missing/d is not there"), std::string::npos) << ReadBytes(log);
  EXPECT_FALSE(fs::exists(data_ / "missing"));
}

// add --force onto every kind of target at the .xfs file's place, an old .csv beside:
// both new (permission bits kept, a link written through), or both old with the
// reason; the full disk has room for the new .xfs, not for the .csv.
TEST_F(AddCommand, EveryKindOfTargetGivesBothNewTablesOrNeither) {
  ASSERT_EQ(Add("Reference H2O"), 0) << Errors();
  const std::string xfs = ReadBytes(MaterialFile(u8"Reference", u8".xfs", data_));
  const std::string csv = ReadBytes(MaterialFile(u8"Reference", u8".csv", data_));
  using testing::TargetKind;
  const std::pair<TargetKind, std::string> rows[] = {
      {TargetKind::Regular, ""}, {TargetKind::Missing, ""}, {TargetKind::ReadOnly, "it is read-only"},
      {TargetKind::Symlink, ""}, {TargetKind::Fifo, "it is a named pipe (FIFO)"},
      {TargetKind::Device, "it is a device"}, {TargetKind::Folder, "it is a folder"},
      {TargetKind::FullDisk, "No space left on device"}};
  for (const auto& [kind, reason] : rows) {
    SCOPED_TRACE(static_cast<int>(kind));
    testing::TargetCase target(kind, "XFS_Data/m.xfs");
    std::ofstream(target.folder() / "XFS_Data/m.csv") << "old csv";
    target.Ready(1);
    if (target.injectFailure()) testing::LimitFileSize(1024);
    const std::string add = "add m H2O --force --data " + Quoted(target.folder());
    EXPECT_EQ(RunTool(add, data_ / "stderr.txt", data_ / "stdout.txt"), reason.empty() ? 0 : 1) << Errors();
    testing::LimitFileSize(RLIM_INFINITY);
    EXPECT_EQ(target.Mismatch(reason.empty(), xfs), "");
    EXPECT_EQ(ReadBytes(target.folder() / "XFS_Data/m.csv"), reason.empty() ? csv : "old csv");
    const std::string why = target.injectFailure() ? "m.xfs: File too large" : kind == TargetKind::FullDisk ? "m.csv: " + reason : "m.xfs: " + reason;
    EXPECT_NE(Errors().find(reason.empty() ? "" : why), std::string::npos) << Errors();
  }
}

// Adds of one name, Pb and H2O, started together in pairs: one writes and the other
// finds it there, or with --force replaces the pair whole; never a mixed pair.
TEST_F(AddCommand, ConcurrentAddsOfOneNameNeverMixAPair) {
  ASSERT_EQ(Add("LeadRef Pb") + Add("WaterRef H2O"), 0) << Errors();
  const auto pair = [this](const std::string& name) {
    const std::u8string stem(name.begin(), name.end());
    return ReadBytes(MaterialFile(stem, u8".xfs", data_)) + ReadBytes(MaterialFile(stem, u8".csv", data_));
  };
  for (const char* force : {"", " --force"}) {
    std::string script;
    for (int k = 0; k < 20; ++k)
      script += Quoted(fs::path(TERVOLIN_TABLES_TOOL)) + " add m" + std::to_string(k / 2) +
                (k % 2 ? " Pb" : " H2O") + force + " --data " + Quoted(data_) + " >/dev/null 2>&1 & ";
    ASSERT_EQ(std::system((script + "wait").c_str()), 0);
    for (int k = 0; k < 10; ++k) {
      const std::string written = pair("m" + std::to_string(k));
      EXPECT_TRUE(written == pair("LeadRef") || written == pair("WaterRef")) << k << force;
    }
  }
  EXPECT_EQ(FileCount(), 24) << "no temporary file is left";
}

}  // namespace
}  // namespace tervolin::tables_test
