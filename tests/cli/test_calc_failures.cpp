// tervolin-calc's answers to wrong input, unreadable data and unwritable output:
// exit status 2 with the reason and the usage line, or 1 with the reason, and never
// a partial table or a stray file.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <set>
#include <thread>
#include <utility>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include "cli/calc_process.h"
#include "support/scratch_directory.h"
#include "support/target_kinds.h"

namespace tervolin::testing {
namespace {

namespace fs = std::filesystem;

const std::string kUsage = "usage: tervolin-calc";

struct UsageCase {
  std::vector<std::string> arguments;
  std::string message;
  std::string lang = "C";  // the message's language follows LANG
};

TEST(CalcFailures, UsageErrorsNameTheOptionAndExitWithTwo) {
  const std::vector<UsageCase> cases{
      {{}, "no command given"},
      {{"scatter"}, "unknown command \"scatter\""},
      {{"angles", "--material", "iron", "--energy", "30"}, "--scattering is missing"},
      {{"angles", "--scattering", "coherent", "--material", "iron"}, "--energy, --kv or --quality is missing"},
      {{"spectrum", "--quality", "RQR8", "--kv", "60"}, "--quality and --kv exclude each other"},
      {{"spectrum", "--target-angle", "12", "--quality", "RQR8"}, "--quality and --target-angle exclude each other"},
      {{"compare", "--material", "water", "--quality", "RQA5", "--inherent", "2.5"}, "--quality and --inherent exclude each other"},
      {{"spectrum", "--quality", "RQR8", "--al", "1"}, "--quality and --al exclude each other"},
      {{"angles", "--scattering", "coherent", "--material", "iron", "--quality", "RQR8", "--cu", "0"},
       "--quality and --cu exclude each other"},
      {{"compare", "--material", "water", "--energy", "60", "--quality", "rqa 5"}, "--energy and --quality exclude each other"},
      {{"spectrum", "--quality", "RQR 11"}, "--quality \"RQR 11\" is not a beam quality (see: tervolin-calc qualities)"},
      {{"spectrum", "--quality", "\u0420QR8"}, "--quality \"\\u0420QR8\" is not a beam quality"},
      {{"spectrum", "--kv", "abc"}, "--kv \"abc\" is not a number from 30 to 150 (kV)\n"},
      {{"spectrum", "--kv", "100", "--al", "2,5"}, "--al \"2,5\" is not a number of 0 or more (mm)\n"},
      {{"angles", "--scattering", "coherent", "--material", "iron", "--energy", "100keV"},
       "--energy \"100keV\" is not a number above 0 (keV)\n"},
      {{"spectrum", "--kv="}, "--kv has an empty value"},
      {{"spectrum", "--kv", ""}, "--kv has an empty value"},
      {{"spectrum", "--kv"}, "--kv needs a value"},
      {{"spectrum", "--kv", "29.9"}, "--kv 29.9 must be 30 to 150 kV"},
      {{"spectrum", "--kv", "100", "--inherent", "0.99"}, "--inherent 0.99 must be at least 1 mm"},
      {{"spectrum", "--kv", "100", "--target-angle", "0.5"}, "--target-angle 0.5 must be at least 1 and below 90 degrees"},
      {{"spectrum", "--kv", "100", "--target-angle", "90"}, "--target-angle 90 must be at least 1 and below 90 degrees"},
      {{"spectrum", "--kv", "100", "--cu", "-1"}, "--cu -1 must not be negative"},
      {{"spectrum", "--kv", "100", "--energy", "30"}, "--energy does not apply to the spectrum command"},
      {{"spectrum", "--kv", "100", "--kv", "90"}, "--kv is given twice"},
      {{"spectrum", "--kv", "100", "--colour", "red"}, "--colour does not apply to the spectrum command"},
      {{"spectrum", "--kv", "100", "--format", "xlsx"}, "--format \"xlsx\" must be csv, tsv or dat"},
      {{"angles", "--scattering", "elastic", "--material", "iron", "--energy", "30"},
       "--scattering \"elastic\" must be coherent or incoherent"},
      {{"angles", "--scattering", "coherent", "--material", "gold", "--energy", "30"},
       "--material \"gold\" is not a material of the data folder"},
      {{"angles", "--scattering", "coherent", "--material", "iron", "--energy", "30", "--inherent", "2"},
       "--energy and --inherent exclude each other"},
      {{"compare", "--energy", "60"}, "--material is missing"},
      {{"compare", "--material", "water", "--energy", "60", "--scattering", "coherent"},
       "--scattering does not apply to the compare command"},
      {{"spectrum", "--help=x"}, "--help takes no value"},
      {{"--version=2"}, "--version takes no value"},
      {{"spectrum", "--kv", std::string(100000, '9') + "x"}, "--kv \"" + std::string(80, '9') + "…\" is not a number"},
      {{"angles", "--" + std::string(100000, 'x')}, "unknown option --" + std::string(78, 'x') + "…\n"},
      {{"plot", "--legend"}, "plot needs a curve: --scattering, --material and --energy or --kv"},
      {{"plot", "--material", "iron", "--scattering", "coherent"}, "--material must follow the --scattering of its curve"},
      {{"plot", "--scattering", "coherent", "--material", "iron", "--energy", "60", "--energy", "80"},
       "--energy is given twice for one curve"},
      {{"plot", "--scattering", "coherent", "--material", "iron", "--energy", "60", "--colour", "pink"},
       "--colour \"pink\" must be red, darkgreen or blue"},
      {{"plot", "--scattering", "coherent", "--material", "iron", "--energy", "60", "--format", "csv"},
       "--format does not apply to the plot command"},
      {{"angles", "--scattering", "coherent", "--material", "iron", "--energy", "60", "--slide"},
       "--slide does not apply to the angles command"},
      {{"angles", "--material", "nosuch", "--energy", "60"}, "--scattering is missing", "en_GB.UTF-8"},
      {{"angles", "--material", "nosuch", "--energy", "60"}, "--scattering がありません", "ja_JP.UTF-8"},
      {{"angles", "--scattering", "coherent", "--material", "nosuch", "--energy", "60"},
       "--material \"nosuch\" はデータフォルダの物質ではありません（一覧: tervolin-calc materials）", "ja_JP.UTF-8"},
      {{"spectrum", "--kv", "29"}, "--kv 29 は 30～150 kV の範囲外です", "ja"},
      {{"spectrum", "--kv", "29"}, "--kv 29 must be 30 to 150 kV", "ja_JP.eucJP"},
  };
  for (const UsageCase& c : cases) {
    const CalcRun run = RunCalc(c.arguments, fs::current_path(), TERVOLIN_TABLES_DIR, c.lang);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_TRUE(run.err.starts_with("tervolin-calc: " + c.message)) << run.err;
    EXPECT_TRUE(run.err.ends_with("\n" + kUsage + " angles|spectrum|materials|compare|qualities|plot [OPTIONS]  (tervolin-calc --help)\n"))
        << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

// A copy of the shipped tables to spoil.
class SpoiltData : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy(TERVOLIN_TABLES_DIR, data.path(), fs::copy_options::recursive);
  }
  CalcRun Run(std::vector<std::string> arguments) {
    arguments.insert(arguments.end(), {"--data", data.path().string()});
    return RunCalc(arguments, fs::temp_directory_path());
  }
  ScratchDirectory data;
};

TEST_F(SpoiltData, MissingOrBadFilesAreNamedWithStatusOne) {
  fs::remove(data.path() / "XFS_Data/鉄.csv");
  const CalcRun missing = Run({"angles", "--scattering", "coherent", "--material", "iron", "--kv", "100"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "tervolin-calc: cannot read the data file XFS_Data/鉄.csv: "
                         "Cannot open the file XFS_Data/鉄.csv (it is missing or unreadable)\n");
  EXPECT_EQ(missing.out, "");

  data.Write("Mus2018.dat", "0.5, 1, abc, 3\n");
  const CalcRun bad = Run({"spectrum", "--kv", "100"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("cannot read the data file Mus2018.dat: Item 3 of the file Mus2018.dat, \"abc\", is not a number"),
            std::string::npos) << bad.err;
  EXPECT_EQ(bad.out, "");
}

// The shipped tables' first row, x = 0.001 Å⁻¹, is reached at 1° by 12.4 × 0.001 /
// sin 0.5° = 1.421 keV; their cross sections end at 150 keV. Aluminium attenuates
// 100-keV photons least, μ = 0.1704 cm²/g × 2.699 g/cm³ = 0.46/cm (NIST XCOM): the 600
// optical depths the fluence keeps representable take 13.04 m less the inherent 2.5 mm.
TEST_F(SpoiltData, ArithmeticFailureNamesTheInputAndItsRangeAndPrintsNoTable) {
  const std::vector<std::string> angles{"angles", "--scattering", "coherent", "--material", "iron"};
  const auto range = [](const char* energy) {
    return "tervolin-calc: --energy " + std::string(energy) +
           " keV lies outside the material's tables (1.43 to 150 keV, where they are interpolated at every angle)\n";
  };
  const struct {
    std::vector<std::string> arguments;
    std::string err;
  } cases[] = {
      {{"--energy", "1e-300"}, range("1e-300")},
      {{"--energy", "1e10"}, range("1e+10")},
      {{"--energy", "1.42"}, range("1.42")},
      {{"compare", "--material", "water", "--energy", "150.5"}, range("150.5")},
      {{"--kv", "100", "--al", "1e6"},
       "tervolin-calc: cannot calculate: --al 1e6 mm leaves no photon the calculation can represent "
       "(--al up to 13042.7 mm at these settings)\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments = c.arguments.front() == "compare" ? std::vector<std::string>{} : angles;
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const CalcRun run = Run(arguments);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(SpoiltData, DataFolderThatCannotBeFoundIsAFailure) {
  const CalcRun absent = RunCalc({"materials", "--data", (data.path() / "absent").string()}, data.path());
  EXPECT_EQ(absent.status, 1);
  EXPECT_TRUE(absent.err.starts_with("tervolin-calc: cannot use the data folder " + (data.path() / "absent").string()))
      << absent.err;
  // No --data, no $TERVOLIN_DATA, no Mus2018.dat here and none installed beside the build.
  fs::remove(data.path() / "Mus2018.dat");
  const CalcRun nowhere = RunCalc({"materials"}, data.path());
  EXPECT_EQ(nowhere.status, 1);
  EXPECT_TRUE(nowhere.err.starts_with("tervolin-calc: no data folder: give --data DIR or set TERVOLIN_DATA"))
      << nowhere.err;
}

std::vector<fs::path> Entries(const fs::path& folder) {
  return {fs::directory_iterator(folder), fs::directory_iterator()};
}

TEST(CalcOutput, FileIsWrittenWholeOrNotAtAll) {
  ScratchDirectory out;
  const std::vector<std::string> spectrum{"spectrum", "--kv", "70"};
  const CalcRun printed = RunCalc(spectrum, out.path(), TERVOLIN_TABLES_DIR);
  out.Write("old.csv", "previous contents");
  std::vector<std::string> toFile = spectrum;
  toFile.insert(toFile.end(), {"--output", "old.csv"});  // relative to the working directory
  const CalcRun written = RunCalc(toFile, out.path(), TERVOLIN_TABLES_DIR);
  EXPECT_EQ(written.status, 0) << written.err;
  EXPECT_EQ(written.out, "");
  std::ifstream in(out.path() / "old.csv", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), printed.out);

  // A folder whose parent is a regular file cannot be written, not even by root.
  out.Write("plain-file", "x");
  toFile.back() = (out.path() / "plain-file/spectrum.csv").string();
  const CalcRun refused = RunCalc(toFile, out.path(), TERVOLIN_TABLES_DIR);
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "tervolin-calc: cannot write " + toFile.back() + ": Not a directory\n");
  toFile.back() = out.path().string();  // a folder is not replaced by a file
  EXPECT_EQ(RunCalc(toFile, out.path(), TERVOLIN_TABLES_DIR).status, 1);
  EXPECT_EQ(Entries(out.path()).size(), 2u);  // old.csv and plain-file, no temporary file
}

// Runs tervolin-calc with every fsync 30 ms slower and kills it after `delay`, if
// given; returns how long the run lasted.
std::chrono::microseconds SlowRun(const std::vector<std::string>& arguments,
                                  std::optional<std::chrono::microseconds> delay) {
  std::vector<std::string> texts{TERVOLIN_CALC};
  texts.insert(texts.end(), arguments.begin(), arguments.end());
  std::vector<std::string> environment{std::string("LD_PRELOAD=") + TERVOLIN_SLOW_FLUSH,
                                       std::string("TERVOLIN_DATA=") + TERVOLIN_TABLES_DIR,
                                       "ASAN_OPTIONS=verify_asan_link_order=0"};
  const auto pointers = [](std::vector<std::string>& strings) {
    std::vector<char*> list;
    for (std::string& text : strings) list.push_back(text.data());
    list.push_back(nullptr);
    return list;
  };
  std::vector<char*> argv = pointers(texts), envp = pointers(environment);
  const auto start = std::chrono::steady_clock::now();
  pid_t calc = 0;
  EXPECT_EQ(::posix_spawn(&calc, TERVOLIN_CALC, nullptr, nullptr, argv.data(), envp.data()), 0);
  if (delay) {
    std::this_thread::sleep_for(*delay);
    ::kill(calc, SIGKILL);
  }
  ::waitpid(calc, nullptr, 0);
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
}

// SIGKILL at random moments of --output, many of them while the temporary file
// exists: the next run in the folder removes what the killed ones left.
TEST(CalcOutput, WhatKilledRunsLeaveTheNextRunRemoves) {
  ScratchDirectory out;
  const std::vector<std::string> arguments{"spectrum", "--kv", "70", "--output", (out.path() / "s.csv").string()};
  // Kept: a live process's temporary file, and names that only look like one.
  const std::set<fs::path> kept{out.path() / (".s.csv.tervolin-" + std::to_string(::getpid()) + "-0123456789abcdef.tmp"),
                                out.path() / ".s.csv.tervolin-999999999-0123.tmp", out.path() / "s.csv.tmp"};
  for (const fs::path& file : kept) out.Write(file.filename(), "someone's");
  // The kills fall anywhere in a whole run's time, which a sanitizer's start makes
  // much longer; the slow flush keeps the temporary file for its last 30 ms or more.
  const auto whole = SlowRun(arguments, std::nullopt).count();
  fs::remove(out.path() / "s.csv");
  std::mt19937 random(std::random_device{}());
  int leaving = 0;
  for (int run = 0; run < 20; ++run) {
    SlowRun(arguments, std::chrono::microseconds(std::uniform_int_distribution<long long>(0, whole)(random)));
    const auto left = [&](const fs::path& e) { return !kept.contains(e) && e.filename() != "s.csv"; };
    leaving += std::ranges::any_of(Entries(out.path()), left);
  }
  EXPECT_GT(leaving, 0) << "no kill landed while a temporary file existed";
  const CalcRun next = RunCalc(arguments, out.path(), TERVOLIN_TABLES_DIR);
  EXPECT_EQ(next.status, 0) << next.err;
  std::set<fs::path> expected = kept;
  expected.insert(out.path() / "s.csv");
  const std::vector<fs::path> entries = Entries(out.path());
  EXPECT_EQ(std::set<fs::path>(entries.begin(), entries.end()), expected);
}

// What cannot be written to standard output or error fails the run: the table, and
// the totals compare prints on standard error.
TEST(CalcOutput, UnwritableStandardStreamsFailTheRun) {
  const std::string compare = std::string("'") + TERVOLIN_CALC + "' compare --material water --energy 60 --data '" +
                              TERVOLIN_TABLES_DIR + "'";
  for (const char* redirect : {" 2>/dev/full >/dev/null", " >/dev/full 2>/dev/null", " --totals >/dev/full"}) {
    const int status = std::system((compare + redirect).c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << redirect;
  }
}

// --output onto every kind of target: replaced whole (permission bits kept, a link
// written through), or refused with the reason and all left as it was.
TEST(CalcOutput, EveryKindOfTargetEndsInTheRightFileOrAReason) {
  const std::vector<std::string> spectrum{"spectrum", "--kv", "70", "--output"};
  const std::string printed = RunCalc({"spectrum", "--kv", "70"}, fs::current_path(), TERVOLIN_TABLES_DIR).out;
  const std::pair<TargetKind, std::string> rows[] = {
      {TargetKind::Regular, ""}, {TargetKind::Missing, ""}, {TargetKind::ReadOnly, "it is read-only"},
      {TargetKind::Symlink, ""}, {TargetKind::Fifo, "it is a named pipe (FIFO), not a regular file"},
      {TargetKind::Device, "it is a device"}, {TargetKind::Folder, "it is a folder, not a file"},
      {TargetKind::FullDisk, "No space left on device"},
      {TargetKind::ProtectedLink,
       "it is a symbolic link in a sticky, world-writable folder, owned by neither you nor the folder's owner\n"},
      {TargetKind::DanglingLink, "it is a symbolic link to a missing file\n"}};
  for (const auto& [kind, row] : rows) {
    SCOPED_TRACE(static_cast<int>(kind));
    TargetCase target(kind, "old.csv");
    const std::string reason = target.kind() == kind ? row : "";
    target.Ready();
    if (target.injectFailure()) LimitFileSize(1024);
    std::vector<std::string> arguments = spectrum;
    arguments.push_back(target.target().string());
    const CalcRun run = RunCalc(arguments, target.folder(), TERVOLIN_TABLES_DIR);
    LimitFileSize(RLIM_INFINITY);
    EXPECT_EQ(target.Mismatch(reason.empty(), printed), "");
    EXPECT_EQ(run.status, reason.empty() ? 0 : 1) << run.err;
    const std::string why = target.injectFailure() ? "File too large" : reason;
    if (!reason.empty()) {
      EXPECT_TRUE(run.err.starts_with("tervolin-calc: cannot write " + target.target().string() + ": " + why)) << run.err;
    }
  }
}

// Cells a spreadsheet would run stay text, echoed arguments cannot drive the
// terminal, --figures follows --format.
TEST_F(SpoiltData, FormulaCellsEscapedEchoesAndFiguresInTheFormat) {
  data.Write("XFS_Data/=cmd|' -C calc'!A0.xfs", "");
  data.Write("XFS_Data/=cmd|' -C calc'!A0.csv", "");
  EXPECT_NE(Run({"materials"}).out.find("\n'=cmd|' -C calc'!A0,\n"), std::string::npos);
  EXPECT_NE(Run({"materials", "--format", "tsv"}).out.find("\n'=cmd|' -C calc'!A0\t\n"), std::string::npos);
  EXPECT_TRUE(Run({"spectrum", "--kv", "\x1B]0;x\a\u202E"}).err.starts_with("tervolin-calc: --kv \"\\x1B]0;x\\x07\\u202E\""));
  EXPECT_TRUE(Run({"spectrum", "--kv", "80", "--figures", "--format", "csv"})
                  .out.starts_with("figure,value,unit\nmean energy,42.59,keV\neffective energy,33.13,keV\nHVL1,2.923,mm Al\n"));
  EXPECT_EQ(Run({"spectrum", "--kv", "80", "--figures", "--format", "dat"}).status, 2);
}

}  // namespace
}  // namespace tervolin::testing
