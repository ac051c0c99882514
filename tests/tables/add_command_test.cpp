// tervolin-tables add NAME SOURCE [--data DIR] [--force]: the two files of one more
// material, written where the program's list finds them; and what it refuses.

#include "table_file.h"
#include "tool_run.h"

#include "data/file_replacement.h"
#include "data/material_catalogue.h"
#include "data/scatterer_data.h"
#include "support/target_kinds.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <random>
#include <thread>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include <spawn.h>
#include <sys/wait.h>

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
  // The material's two tables, one after the other.
  std::string pair(const std::string& name) const {
    const std::u8string stem(name.begin(), name.end());
    return ReadBytes(MaterialFile(stem, u8".xfs", data_)) + ReadBytes(MaterialFile(stem, u8".csv", data_));
  }
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
  ASSERT_EQ(records.size(), 46u);
  EXPECT_NEAR(records.front()[1], std::sqrt(56.0 * 56 + 16 * 16 + 4 * 64), 0.5);
  EXPECT_NEAR(records[44][2], 56 + 16 + 4 * 8, 1e-3);
  EXPECT_NEAR(records.back()[0], 137.327 + 32.06 + 4 * 15.999, 0.05);  // M of BaSO4, g/mol
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
      46u);
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
                           "\"$(printf 'bad\\377')\"", "'  '", "'\u3000'", "'\u200B'", "'Lead\u202Ebad'",
                           "'鉄 '", "' Lead'", "'Lead\u3000'", "'\uFE0F'", "'\u17B4'", "'\u180B'", "'\U000E0100'",
                           "'a\u2029b'", "'\u3099x'"}) {
    EXPECT_EQ(Add(std::string(name) + " H2O"), 1) << name;
    EXPECT_NE(Errors().find("cannot use"), std::string::npos) << name << ": " << Errors();
  }
  EXPECT_EQ(Add(std::string(97, 'x') + " H2O"), 1) << "a name too long for whole leftover names";
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

struct CommandLineCase {
  std::string arguments;
  int status;
  std::string message;  // the first line of standard error
  std::string lang = "C";
};

// A mistyped command makes no folder; an argument is echoed at most 80 characters long.
TEST_F(AddCommand, WrongCommandLinesAreUsageErrors) {
  const fs::path log = data_ / "stderr.txt";
  const std::string longArgument(100000, 'x');
  const std::string echoed = std::string(80, 'x') + "…";
  const CommandLineCase cases[] = {
      {"add OnlyName", 2, "add needs a NAME and a SOURCE"},
      {"add A H2O --data", 2, "--data needs a value"},
      {"add A H2O --colour red", 2, "unknown option --colour"},
      {"add A H2O --wait -1", 2, "--wait \"-1\" is not a number of seconds"},
      {"add A H2O --force=yes", 2, "--force takes no value"},
      {"list-sources extra", 2, "too many arguments"},
      {"make", 2, "make needs one DIR"},
      {"--help=x", 2, "--help takes no value"},
      {"list", 2, "\"list\" is neither a command nor an existing folder (did you mean list-sources?); "
                  "tervolin-tables make DIR makes the tables in a new folder"},
      {"--" + longArgument, 2, "unknown option --" + echoed.substr(2)},
      {"add A " + longArgument + " --data " + Quoted(data_), 1, "unknown source \"" + echoed + "\": neither"},
      {"add A H2O --data " + Quoted(data_ / "missing/d"), 1,
       "the data folder " + (data_ / "missing/d").string() + " is not there"},
      {"make", 2, "make には DIR を一つ指定してください", "ja_JP.UTF-8"},
      {"add A H2O --wait -1", 2, "--wait \"-1\" は秒数ではありません", "ja_JP.UTF-8"},
      {"add -dash H2O --data " + Quoted(data_), 1,
       "\"-dash\" は物質の名前に使えません: 名前が \"-\" で始まっています\n", "ja_JP.UTF-8"},
      {"add '\u034F' H2O --data " + Quoted(data_), 1, "cannot use \"\\u034F\" as a material name: the name "
       "contains \\u034F, which shows as nothing or breaks a list's line (a variation selector, a Hangul filler, "
       "a line separator or the like)\n"},
      {"add 'a\u2028b' H2O --data " + Quoted(data_), 1, "cannot use \"a\\u2028b\" as a material name: the name contains \\u2028"},
      {"add '\u0301' H2O --data " + Quoted(data_), 1,
       "cannot use \"\\u0301\" as a material name: the name begins with the combining mark \\u0301, which has no "
       "character to join\n"},
      {"add 'a\u0085b' H2O --data " + Quoted(data_), 1,
       "cannot use \"a\\xC2\\x85b\" as a material name: the name contains a control character\n"},
      {"add Heavy H100000 --data " + Quoted(data_), 1,
       "the formula unit of H100000 weighs 101000 g/mol, outside the 1 to 1e+05 g/mol a table may give\n"},
      {"add Half H0.5 --data " + Quoted(data_), 1,
       "the formula unit of H0.5 weighs 0.505 g/mol, outside the 1 to 1e+05 g/mol a table may give\n"},
      {"make ''", 2, "make needs a folder name, not an empty one\n"},
      {"make -x", 2, "make takes a folder, not the option -x (./-x names a folder of that name)\n"},
      {"make -x", 2, "make には -x ではなくフォルダを指定してください（その名前のフォルダなら ./-x と書きます）\n",
       "ja_JP.UTF-8"},
      {"make -x", 2, "make takes a folder, not the option -x", "ja_JP.eucJP"},
  };
  for (const CommandLineCase& c : cases) {
    EXPECT_EQ(RunTool(c.arguments, log, {}, c.lang), c.status) << c.message;
    const std::string errors = ReadBytes(log);
    EXPECT_TRUE(errors.starts_with("tervolin-tables: " + c.message)) << errors.substr(0, 400);
    EXPECT_EQ(errors.find("usage:") != std::string::npos, c.status == 2) << errors;
  }
  EXPECT_EQ(RunTool("make --help", log, data_ / "stdout.txt"), 0);
  EXPECT_TRUE(Output().starts_with("usage: tervolin-tables make DIR\n")) << Output();
  EXPECT_FALSE(fs::exists("list") || fs::exists("--help") || fs::exists("-x"));
  EXPECT_FALSE(fs::exists(data_ / "missing"));
  EXPECT_EQ(RunTool("add A H2O --data " + Quoted(data_) + " >/dev/full", log), 1);
  EXPECT_EQ(ReadBytes(log), "tervolin-tables: cannot write to standard output\n");
}

// While another holds the data folder's lock, add says so after a second and gives up
// after --wait seconds.
TEST_F(AddCommand, HeldLockIsNamedAndWaitedForAtMostTheGivenTime) {
  const FolderLock other(data_, ".tervolin-tables.lock");
  ASSERT_EQ(other.error(), 0);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Add("Late H2O --wait 2"), 1);
  const std::chrono::duration<double> waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited.count(), 2.0);
  EXPECT_LT(waited.count(), 30.0);
  const std::string lock = (data_ / ".tervolin-tables.lock").string();
  EXPECT_EQ(Errors(), "tervolin-tables: waiting for another tervolin-tables, which holds " + lock +
                          "\ntervolin-tables: gave up after 2 s waiting for another tervolin-tables, which holds " +
                          lock + " (--wait SECONDS waits longer)\n");
  EXPECT_EQ(FileCount(), 0);
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

// add --force killed at a random moment, up to the whole run's length; the next add
// repairs what it left, says so, and leaves the old pair or the new, no stray file.
TEST_F(AddCommand, KilledAddForceIsRepairedByTheNextAdd) {
  ASSERT_EQ(Add("LeadRef Pb") + Add("WaterRef H2O") + Add("m Pb"), 0) << Errors();
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(Add("m Pb --force"), 0);
  const auto run = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  std::mt19937 random(std::random_device{}());
  for (int k = 0; k < 40; ++k) {
    const std::string tool = TERVOLIN_TABLES_TOOL, data = data_.string();
    const char* argv[] = {tool.c_str(), "add", "m", k % 2 ? "Pb" : "H2O", "--force", "--data", data.c_str(), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, argv[0], &quiet, nullptr, const_cast<char**>(argv), environ), 0);
    posix_spawn_file_actions_destroy(&quiet);
    std::this_thread::sleep_for(std::uniform_int_distribution<long>(0, run.count())(random) * std::chrono::microseconds(1));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const bool leftovers = FileCount() > 6;
    EXPECT_EQ(Add("m Pb"), 1) << "the pair is there: " << Errors();
    EXPECT_EQ(Errors().find("left by an interrupted run") != std::string::npos ||
                  Errors().find("which an interrupted run had replaced") != std::string::npos,
              leftovers)
        << Errors();
    EXPECT_EQ(FileCount(), 6) << k;
    EXPECT_TRUE(pair("m") == pair("LeadRef") || pair("m") == pair("WaterRef")) << k;
  }
}

// add --force killed between its two renames (m.xfs new, m.csv old), then something
// else in the folder: the mixed pair is never read, and the next add puts back the
// old pair, completes the new one, or refuses it naming --force. A file that only
// looks like a writer's stays.
TEST_F(AddCommand, APairKilledBetweenItsRenamesIsNeverUsedMixed) {
  ASSERT_EQ(Add("LeadRef Pb") + Add("WaterRef H2O"), 0) << Errors();
  const fs::path folder = data_ / "XFS_Data";
  const auto remove = [&](const std::string& suffix) {  // the killed add's files of that kind
    for (const auto& entry : fs::directory_iterator(folder)) {
      const std::string name = entry.path().filename().string();
      if (name.starts_with(".m.") && name.ends_with(suffix)) fs::remove(entry.path());
    }
  };
  const fs::path lookalike = folder / ".notes.txt.tervolin-4000000-0123456789abcdef.tmp";
  const struct {
    std::function<void()> after;
    std::string said;  // by the next add m
    const char* pair;  // what m then is; nothing: refused, until add --force
  } cases[] = {
      {[] {}, "put back the old ", "WaterRef"},
      {[&] { ASSERT_FALSE(ReplaceFileContents(folder / "notes.txt", "notes")); }, "put back the old ", "WaterRef"},
      {[&] { remove(".old"); }, "completed ", "LeadRef"},
      {[&] {
         remove(".old");
         remove(".tmp");
       },
       "m.xfs and its .csv were left half replaced by an interrupted run, and neither the old pair nor the new can "
       "be put back (--force writes them anew)", nullptr},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(Add("m H2O --force"), 0) << Errors();
    std::ofstream(lookalike) << "someone's";
    std::system(("env LD_PRELOAD=" + Quoted(TERVOLIN_KILL_AT_RENAME) + " TERVOLIN_KILL_AT_RENAME=2 " +
                 "ASAN_OPTIONS=verify_asan_link_order=0 " + Quoted(TERVOLIN_TABLES_TOOL) + " add m Pb --force --data " +
                 Quoted(data_) + " >/dev/null 2>&1").c_str());
    const auto mixed = LoadMaterialTables(data_, "m", true);
    ASSERT_FALSE(mixed) << c.said;
    EXPECT_EQ(DescribeReadFailure(mixed.Fault(), Language::kEnglish),
              "The file XFS_Data/m.xfs is one of a pair of tables that an interrupted tervolin-tables left half "
              "replaced (tervolin-tables add puts it right)");
    c.after();
    EXPECT_EQ(Add("m H2O"), 1);
    EXPECT_NE(Errors().find(c.said), std::string::npos) << Errors();
    EXPECT_EQ(static_cast<bool>(LoadMaterialTables(data_, "m", true)), c.pair != nullptr);
    if (!c.pair) {
      EXPECT_EQ(Add("m Pb --force"), 0) << Errors();
    }
    EXPECT_EQ(pair("m"), pair(c.pair ? c.pair : "LeadRef")) << c.said;
    EXPECT_EQ(FileCount(), 7 + fs::exists(folder / "notes.txt")) << "the look-alike alone is left: " << c.said;
    EXPECT_TRUE(fs::exists(lookalike));
  }
}

}  // namespace
}  // namespace tervolin::tables_test
