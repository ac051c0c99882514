// Reading "MuenAir.dat" (whatever happens, the program goes on), and OK on the
// spectrum screen: only a spectrum shown on the graph is written and accepted.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "core/beam_figures.h"
#include "core/messages.h"
#include "data/air_absorption_table.h"
#include "data/spectrum_acceptance.h"
#include "data/spectrum_file.h"
#include "support/scratch_directory.h"

namespace tervolin {
namespace {

using testing::ScratchDirectory;

// Record n: "0.5n, value(n)".
std::string AirText(int records, double (*value)(int)) {
  std::ostringstream out;
  for (int n = 1; n <= records; ++n) out << 0.5 * n << ", " << value(n) << "\n";
  return out.str();
}

double Falling(int n) { return 1000.0 / n; }

TEST(AirAbsorptionTable, ReadsTheSecondFieldOfEachRecord) {
  ScratchDirectory dir;
  dir.Write("MuenAir.dat", AirText(300, Falling));
  const AirTableRead read = LoadAirAbsorptionTable(dir.path(), Language::kJapanese);
  EXPECT_FALSE(read.failure.has_value());
  EXPECT_EQ(read.table.status, kAirTableRead);
  EXPECT_EQ(read.table.muen[1], 1000.0);
  EXPECT_NEAR(read.table.muen[300], 1000.0 / 300, 1e-5);  // as written, six digits
}

TEST(AirAbsorptionTable, MissingOrBadFileIsReportedAndNotUsed) {
  ScratchDirectory dir;
  const AirTableRead missing = LoadAirAbsorptionTable(dir.path(), Language::kJapanese);
  ASSERT_TRUE(missing.failure.has_value());
  EXPECT_NE(missing.failure->find("MuenAir.dat"), std::string::npos);
  EXPECT_EQ(missing.table.status, kAirTableMissing);

  const std::string bad[] = {
      AirText(299, Falling),                                  // a record short
      AirText(300, Falling).replace(40, 1, "x"),                 // not a number
      AirText(300, [](int n) { return n == 150 ? -1.0 : 1.0; }),  // not positive
      AirText(300, [](int n) { return n == 7 ? 0.0 : 1.0; }),
  };
  for (const std::string& text : bad) {
    dir.Write("MuenAir.dat", text);
    const AirTableRead read = LoadAirAbsorptionTable(dir.path(), Language::kJapanese);
    ASSERT_TRUE(read.failure.has_value());
    EXPECT_NE(read.failure->find("MuenAir.dat"), std::string::npos) << *read.failure;
    EXPECT_EQ(read.table.status, kAirTableUnusable);
    EXPECT_EQ(read.table.muen[150], 0.0);
  }
  std::filesystem::remove(dir.path() / "MuenAir.dat");
  std::filesystem::create_directory(dir.path() / "MuenAir.dat");  // a folder in the file's place
  const AirTableRead folder = LoadAirAbsorptionTable(dir.path(), Language::kJapanese);
  ASSERT_TRUE(folder.failure.has_value());
  EXPECT_NE(folder.table.status, kAirTableRead);
}

// Tables that pass as numbers but give wrong figures: the shipped one in reverse
// order, absurd coefficients. The figures that need the table are left out.
TEST(AirAbsorptionTable, ReversedOrAbsurdTableIsUnusable) {
  ScratchDirectory dir;
  std::ifstream shipped(std::string(TERVOLIN_TABLES_DIR) + "/MuenAir.dat");
  std::string reversed;
  for (std::string line; std::getline(shipped, line);) reversed.insert(0, line + "\n");
  for (const auto& [text, reason] : {std::pair{reversed, "1 番目のレコードで、「エネルギー」が 0.5 keV 刻みの順"},
                                     std::pair{AirText(300, [](int) { return 1e308; }),
                                               "1 番目のレコードで、「空気の質量エネルギー吸収係数」が空気の値としてありえない"}}) {
    dir.Write("MuenAir.dat", text);
    const AirTableRead read = LoadAirAbsorptionTable(dir.path(), Language::kJapanese);
    EXPECT_NE(read.failure.value_or("").find(reason), std::string::npos) << read.failure.value_or("");
    EXPECT_EQ(read.table.status, kAirTableUnusable);
    EnergyTable fluence{};
    fluence[100] = 1.0;
    EnergyTable aluminium{};
    aluminium.fill(1.0);
    const BeamFigures figures = ComputeBeamFigures(fluence, aluminium, read.table);
    EXPECT_TRUE(!figures.hvl1Mm && !figures.effectiveEnergyKev);
    EXPECT_EQ(figures.problem, TextId::kAirTableUnusable);
  }
}

class SpectrumAcceptance : public ::testing::Test {
 protected:
  SpectrumAcceptance() { shown.fluence[100] = 1.0; }
  Spectrum shown;
  ScratchDirectory dir;
  const std::filesystem::path file = dir.path() / kSpectrumFileName;
};

TEST_F(SpectrumAcceptance, NothingShownMeansNotComputed) {
  EXPECT_EQ(WriteAcceptedSpectrum(file, nullptr, Language::kJapanese), Problem{TextId::kNoSpectrum});
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(SpectrumAcceptance, ShownSpectrumIsWritten) {
  EXPECT_FALSE(WriteAcceptedSpectrum(file, &shown, Language::kJapanese).has_value());
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), SpectrumFileText(shown.fluence));
}

TEST_F(SpectrumAcceptance, UnwritableFileIsSaidBetweenIdeographicSpaces) {
  std::filesystem::create_directory(file);
  const auto problem = WriteAcceptedSpectrum(file, &shown, Language::kJapanese);
  ASSERT_TRUE(problem.has_value());
  EXPECT_EQ(problem->kind, TextId::kFileNotWritten);
  const std::string message = MessageOf(*problem, Language::kJapanese);
  EXPECT_EQ(message.rfind("　", 0), 0u);
  EXPECT_NE(message.find(kSpectrumFileName), std::string::npos);
}

}  // namespace
}  // namespace tervolin
