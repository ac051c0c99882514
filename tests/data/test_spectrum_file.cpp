// "P_Spectrum.dat": the layout of its lines, writing it so that it is never left
// half written, and deleting it at the end of a run.

#include <gtest/gtest.h>

#include <clocale>
#include <cerrno>
#include <csignal>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/energy_tables.h"
#include "data/replacement_messages.h"
#include "data/file_replacement.h"
#include "data/spectrum_file.h"

namespace tervolin {
namespace {

namespace fs = std::filesystem;

// ---------------------------------------------------------------------------
// Field and line layout

TEST(SpectrumFileFormat, EnergyFieldHasThreeIntegerDigitsAndOneDecimal) {
  EXPECT_EQ(FormatEnergyField(1), "000.5");
  EXPECT_EQ(FormatEnergyField(2), "001.0");
  EXPECT_EQ(FormatEnergyField(19), "009.5");
  EXPECT_EQ(FormatEnergyField(20), "010.0");
  EXPECT_EQ(FormatEnergyField(199), "099.5");
  EXPECT_EQ(FormatEnergyField(200), "100.0");
  EXPECT_EQ(FormatEnergyField(299), "149.5");
  EXPECT_EQ(FormatEnergyField(300), "150.0");
}

TEST(SpectrumFileFormat, FluenceFieldHasFourSignificantDigitsAndASignedExponent) {
  EXPECT_EQ(FormatFluenceField(1.0), "  1.000E+00");
  EXPECT_EQ(FormatFluenceField(0.5), "  5.000E-01");
  EXPECT_EQ(FormatFluenceField(0.1234), "  1.234E-01");
  EXPECT_EQ(FormatFluenceField(0.012345678), "  1.235E-02");
  EXPECT_EQ(FormatFluenceField(0.99994), "  9.999E-01");
  EXPECT_EQ(FormatFluenceField(1.234e-7), "  1.234E-07");
  EXPECT_EQ(FormatFluenceField(12.5), "  1.250E+01");
}

TEST(SpectrumFileFormat, FluenceFieldRoundingCarriesIntoTheExponent) {
  EXPECT_EQ(FormatFluenceField(0.99996), "  1.000E+00");
  EXPECT_EQ(FormatFluenceField(9.99951e-10), "  1.000E-09");
  EXPECT_EQ(FormatFluenceField(0.0999999), "  1.000E-01");
}

TEST(SpectrumFileFormat, FluenceFieldOfZeroAndTinyValues) {
  EXPECT_EQ(FormatFluenceField(0.0), "  0.000E+00");
  EXPECT_EQ(FormatFluenceField(-0.0), "  0.000E+00");
  // Exponents beyond two digits take as many as they need.
  EXPECT_EQ(FormatFluenceField(5e-100), "  5.000E-100");
  EXPECT_EQ(FormatFluenceField(1.414e-100), "  1.414E-100");
  EXPECT_EQ(FormatFluenceField(1e-300), "  1.000E-300");
  EXPECT_EQ(FormatFluenceField(4.9406564584124654e-324), "  4.941E-324");
}

TEST(SpectrumFileFormat, NumbersIgnoreACommaDecimalLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  const bool germanAvailable = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr ||
                               std::setlocale(LC_ALL, "de_DE.utf8") != nullptr;
  if (germanAvailable) {
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    EXPECT_STREQ(probe, "0,5");  // the locale really is in force
  }
  const std::string energy = FormatEnergyField(3);
  const std::string fluence = FormatFluenceField(0.5);
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(energy, "001.5");
  EXPECT_EQ(fluence, "  5.000E-01");
}

TEST(SpectrumFileFormat, FileTextHasOneCrLfLinePerBin) {
  EnergyTable fluence{};
  fluence[0] = 99.0;  // element 0 belongs to no bin and is never written
  fluence[2] = 1.0;
  fluence[3] = 0.99996;
  fluence[4] = 1.234e-7;
  fluence[5] = 5e-100;
  fluence[300] = 0.5;
  const std::string text = SpectrumFileText(fluence);
  EXPECT_EQ(text.substr(0, 5 * 18 + 1),
            "000.5  0.000E+00\r\n"
            "001.0  1.000E+00\r\n"
            "001.5  1.000E+00\r\n"
            "002.0  1.234E-07\r\n"
            "002.5  5.000E-100\r\n");
  EXPECT_EQ(text.substr(5 * 18 + 1, 18), "003.0  0.000E+00\r\n");
  EXPECT_EQ(text.substr(text.size() - 2 * 18),
            "149.5  0.000E+00\r\n"
            "150.0  5.000E-01\r\n");
  EXPECT_EQ(text.size(), 5401u);
}

TEST(SpectrumFileFormat, SpectrumWithTwoDigitExponentsTakes5400Bytes) {
  EnergyTable fluence{};
  for (int n = 2; n <= kEnergyBins; ++n) fluence[n] = n / 300.0;
  const std::string text = SpectrumFileText(fluence);
  ASSERT_EQ(text.size(), 5400u);
  for (int n = 1; n <= kEnergyBins; ++n) {
    const std::string line = text.substr(static_cast<std::size_t>(n - 1) * 18, 18);
    SCOPED_TRACE(line);
    EXPECT_EQ(line.substr(0, 5), FormatEnergyField(n));
    EXPECT_EQ(line.substr(16), "\r\n");
    EXPECT_EQ(line.find('\n'), 17u);
  }
  EXPECT_EQ(text.substr(18 * 299), "150.0  1.000E+00\r\n");
}

// ---------------------------------------------------------------------------
// Writing and deleting

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

EnergyTable RampSpectrum(double top) {
  EnergyTable fluence{};
  for (int n = 2; n <= kEnergyBins; ++n) fluence[n] = top * n / 300.0;
  return fluence;
}

class SpectrumFileOnDisk : public ::testing::Test {
 protected:
  SpectrumFileOnDisk() {
    std::string pattern = (fs::temp_directory_path() / "tervolin-spectrum-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    folder = pattern;
    file = folder / kSpectrumFileName;
  }
  ~SpectrumFileOnDisk() override {
    std::error_code ignored;
    fs::permissions(folder, fs::perms::owner_all, ignored);
    fs::remove_all(folder, ignored);
  }
  WrittenSpectrumFile ours;  // what this process wrote last

  fs::path folder;
  fs::path file;
  const std::string oldContent = "old spectrum\r\n";
};

TEST_F(SpectrumFileOnDisk, WriteCreatesTheFileWithNothingElseBesideIt) {
  const EnergyTable fluence = RampSpectrum(1.0);
  EXPECT_EQ(WriteSpectrumFile(file, fluence, Language::kJapanese), std::nullopt);
  EXPECT_EQ(ReadBytes(file), SpectrumFileText(fluence));
  EXPECT_EQ(fs::file_size(file), 5400u);
  EXPECT_EQ(Names(folder), std::set<std::string>{kSpectrumFileName});
}

TEST_F(SpectrumFileOnDisk, SecondWriteReplacesTheFileCompletely) {
  EnergyTable longer = RampSpectrum(1.0);
  longer[2] = 5e-100;
  longer[3] = 7e-120;
  ASSERT_EQ(WriteSpectrumFile(file, longer, Language::kJapanese), std::nullopt);
  ASSERT_EQ(fs::file_size(file), 5402u);
  const EnergyTable shorter = RampSpectrum(0.5);
  EXPECT_EQ(WriteSpectrumFile(file, shorter, Language::kJapanese), std::nullopt);
  EXPECT_EQ(ReadBytes(file), SpectrumFileText(shorter));
  EXPECT_EQ(Names(folder), std::set<std::string>{kSpectrumFileName});
}

TEST_F(SpectrumFileOnDisk, FolderThatIsARegularFileOrMissingIsReported) {
  WriteBytes(folder / "plain", "not a folder");
  struct Case {
    fs::path target;
    const char* reason;
  };
  for (const Case& c : {Case{folder / "plain" / kSpectrumFileName, "途中の名前がフォルダではありません"},
                        Case{folder / "missing" / kSpectrumFileName, "フォルダが見つかりません"}}) {
    SCOPED_TRACE(c.target.string());
    const std::optional<std::string> error = WriteSpectrumFile(c.target, RampSpectrum(1.0), Language::kJapanese);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find(c.target.string()), std::string::npos) << *error;
    EXPECT_NE(error->find(c.reason), std::string::npos) << *error;
  }
  EXPECT_EQ(Names(folder), std::set<std::string>{"plain"});
  EXPECT_EQ(ReadBytes(folder / "plain"), "not a folder");
}

// Writes the spectrum in a process whose files may not grow beyond 1000 bytes, so
// that the write of the 5400 bytes fails half way; ends the process with 0 when the
// failure was reported with the file's name and the reason.
[[noreturn]] void WriteWithFilesLimitedTo1000Bytes(const fs::path& file) {
  ::signal(SIGXFSZ, SIG_IGN);
  const rlimit limit{1000, 1000};
  ::setrlimit(RLIMIT_FSIZE, &limit);
  const std::optional<std::string> error = WriteSpectrumFile(file, RampSpectrum(1.0), Language::kJapanese);
  const bool reported = error && error->find(kSpectrumFileName) != std::string::npos &&
                        error->find("ファイルが大きすぎます") != std::string::npos;
  std::_Exit(reported ? 0 : 1);
}

TEST_F(SpectrumFileOnDisk, FailureWhileWritingLeavesTheOldFileIntact) {
  WriteBytes(file, oldContent);
  EXPECT_EXIT(WriteWithFilesLimitedTo1000Bytes(file), ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadBytes(file), oldContent);
  EXPECT_EQ(Names(folder), std::set<std::string>{kSpectrumFileName});
}

int g_signal = 0;

// The signal arrives while the temporary file fills.
ssize_t SignalledWrite(int fd, const void* data, std::size_t size) {
  std::raise(g_signal);
  return ::write(fd, data, size);
}

// As with every file the programs write (ReplaceFileContents): an ending signal half
// way leaves the old file and no temporary file, then ends the program.
TEST_F(SpectrumFileOnDisk, EndingSignalHalfWayLeavesTheOldFileAndNoTemporaryFile) {
  WriteBytes(file, oldContent);
  FileSystemCalls calls;
  calls.write = SignalledWrite;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    g_signal = signal;
    // The signal's default action, whatever this test was started with: a shell's
    // background job starts with SIGINT ignored.
    EXPECT_EXIT((std::signal(signal, SIG_DFL), (void)WriteSpectrumFile(file, RampSpectrum(1.0), Language::kJapanese, nullptr, calls),
                 std::_Exit(0)),
                ::testing::KilledBySignal(signal), "");
    EXPECT_EQ(ReadBytes(file), oldContent);
    EXPECT_EQ(Names(folder), std::set<std::string>{kSpectrumFileName});
  }
}

// The desktop program's handler caught an ending signal on another thread while the
// file was written: the rename is cancelled, the old file stays, nothing is left.
TEST_F(SpectrumFileOnDisk, EndingSignalCaughtOnAnotherThreadCancelsTheRename) {
  WriteBytes(file, oldContent);
  FileSystemCalls calls;
  calls.endingSignalCaught = [] { return true; };
  const std::optional<FileReplacementFailure> failure = ReplaceFileContents(file, "new", nullptr, calls);
  ASSERT_TRUE(failure.has_value()) << "replaced although an ending signal was caught";
  EXPECT_TRUE(failure->step == FileReplacementFailure::Replace && failure->error == EINTR);
  EXPECT_EQ(ReadBytes(file), oldContent);
  EXPECT_EQ(Names(folder), std::set<std::string>{kSpectrumFileName});
  calls.endingSignalCaught = [] { return false; };
  EXPECT_EQ(ReplaceFileContents(file, "new", nullptr, calls), std::nullopt);
  EXPECT_EQ(ReadBytes(file), "new");
}

TEST_F(SpectrumFileOnDisk, FailureToReplaceLeavesWhatIsThereIntact) {
  // A folder of the file's name cannot be replaced by a file.
  fs::create_directory(file);
  WriteBytes(file / "inside", oldContent);
  const std::optional<std::string> error = WriteSpectrumFile(file, RampSpectrum(1.0), Language::kJapanese);
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find(kSpectrumFileName), std::string::npos) << *error;
  EXPECT_TRUE(fs::is_directory(file));
  EXPECT_EQ(ReadBytes(file / "inside"), oldContent);
  EXPECT_EQ(Names(folder), std::set<std::string>{kSpectrumFileName});
}

TEST_F(SpectrumFileOnDisk, ReadOnlyFileIsNotReplaced) {
  WriteBytes(file, oldContent);
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const std::optional<std::string> error = WriteSpectrumFile(file, RampSpectrum(1.0), Language::kJapanese);
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find(kSpectrumFileName), std::string::npos) << *error;
  EXPECT_EQ(ReadBytes(file), oldContent);
  EXPECT_EQ(Names(folder), std::set<std::string>{kSpectrumFileName});
}

TEST_F(SpectrumFileOnDisk, ReadOnlyFolder) {
  WriteBytes(file, oldContent);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  const std::optional<std::string> error = WriteSpectrumFile(file, RampSpectrum(1.0), Language::kJapanese);
  fs::permissions(folder, fs::perms::owner_all);
  // The folder, not the writable file, is named as the reason, whoever runs the test.
  for (const auto step : {FileReplacementFailure::Create, FileReplacementFailure::Replace}) {
    EXPECT_EQ(DescribeReplacementFailure(file, {step, EACCES}, Language::kJapanese),
              "ファイル「" + file.string() + "」" + (step == FileReplacementFailure::Create ? "を作成できません" : "を置き換えられません") +
                  "（フォルダ「" + folder.string() + "」への書き込みが許可されていません）");
  }
  if (::geteuid() != 0) {
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("書き込みが許可されていません"), std::string::npos) << *error;
    EXPECT_EQ(ReadBytes(file), oldContent);
  } else {
    // The superuser writes into any folder.
    EXPECT_EQ(error, std::nullopt);
    EXPECT_EQ(ReadBytes(file), SpectrumFileText(RampSpectrum(1.0)));
  }
  EXPECT_EQ(Names(folder), std::set<std::string>{kSpectrumFileName});
}

TEST_F(SpectrumFileOnDisk, DeleteRemovesAWritableFile) {
  ASSERT_EQ(WriteSpectrumFile(file, RampSpectrum(1.0), Language::kJapanese, &ours), std::nullopt);
  DeleteSpectrumFile(file, ours);
  EXPECT_FALSE(fs::exists(file));
  EXPECT_TRUE(Names(folder).empty());
}

TEST_F(SpectrumFileOnDisk, DeleteIgnoresAnAbsentFile) {
  EXPECT_NO_THROW(DeleteSpectrumFile(file, std::nullopt));
  EXPECT_NO_THROW(DeleteSpectrumFile(folder / "missing" / kSpectrumFileName, ours));
  EXPECT_TRUE(Names(folder).empty());
}

TEST_F(SpectrumFileOnDisk, DeleteLeavesAReadOnlyFileInPlace) {
  ASSERT_EQ(WriteSpectrumFile(file, RampSpectrum(1.0), Language::kJapanese, &ours), std::nullopt);  // the program's own file
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_NO_THROW(DeleteSpectrumFile(file, ours));
  EXPECT_EQ(ReadBytes(file), SpectrumFileText(RampSpectrum(1.0)));
}

// Two programs in one working folder: this process is A, a child process B. At its
// end a program removes only the file it wrote, unchanged.
TEST_F(SpectrumFileOnDisk, AtItsEndAProgramRemovesOnlyItsOwnFile) {
  ASSERT_EQ(WriteSpectrumFile(file, RampSpectrum(1.0), Language::kJapanese, &ours), std::nullopt);
  if (const pid_t b = ::fork(); b == 0) {
    std::_Exit(WriteSpectrumFile(file, RampSpectrum(0.5), Language::kJapanese) ? 1 : 0);
  } else {
    ::waitpid(b, nullptr, 0);
  }
  DeleteSpectrumFile(file, ours);
  EXPECT_EQ(ReadBytes(file), SpectrumFileText(RampSpectrum(0.5))) << "B's file stays";
  ASSERT_EQ(WriteSpectrumFile(file, RampSpectrum(1.0), Language::kJapanese, &ours), std::nullopt);
  std::fstream(file, std::ios::in | std::ios::out | std::ios::binary) << "1";  // changed in place since
  DeleteSpectrumFile(file, ours);
  EXPECT_TRUE(fs::exists(file));
  ASSERT_EQ(WriteSpectrumFile(file, RampSpectrum(1.0), Language::kJapanese, &ours), std::nullopt);
  DeleteSpectrumFile(file, ours);
  EXPECT_TRUE(Names(folder).empty()) << "A's own file goes";
}

TEST_F(SpectrumFileOnDisk, DeleteIgnoresAFolderOfTheFilesName) {
  fs::create_directory(file);
  EXPECT_NO_THROW(DeleteSpectrumFile(file, ours));
  EXPECT_TRUE(fs::is_directory(file));
}

}  // namespace
}  // namespace tervolin
