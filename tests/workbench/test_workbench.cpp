// The program's steps as every front end takes them, on the shipped tables: each
// refusal by its kind, in the screens' order, and a curve or spectrum kept only when
// it was computed.

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "core/messages.h"
#include "support/scratch_directory.h"
#include "workbench/workbench.h"

namespace tervolin {
namespace {

struct Step {
  const char* what;
  EnergyModeKind mode;
  bool accepted;  // a spectrum accepted first
  CurveChoice choice;
  std::optional<TextId> refusal;  // nothing: the curve is computed and kept
};

TEST(Workbench, CurveStepsRefuseByKindOrKeepTheCurve) {
  const Step steps[] = {
      {"no energy", kSingleEnergy, false, {"水", ""}, TextId::kNoEnergy},
      {"energy before material", kSingleEnergy, false, {"", ""}, TextId::kNoEnergy},
      {"no spectrum accepted", kSpectral, false, {"水", "60"}, TextId::kNoSpectrum},
      {"no material", kSingleEnergy, false, {"", "60"}, TextId::kNoScatterer},
      {"no such material", kSingleEnergy, false, {"nosuch", "60"}, TextId::kUnreadableData},
      {"negative energy", kSingleEnergy, false, {"水", "-5"}, TextId::kEnergyNotANumber},
      {"energy 2,5 before material", kSingleEnergy, false, {"", "2,5"}, TextId::kEnergyNotANumber},
      {"energy too small to compute with", kSingleEnergy, false, {"水", "1e-320"}, TextId::kEnergyNotCalculable},
      {"x at 1° below the tables' first row", kSingleEnergy, false, {"鉛", "1.42"}, TextId::kEnergyNotCalculable},
      {"energy beyond the tables", kSingleEnergy, false, {"鉛", "1e10"}, TextId::kEnergyNotCalculable},
      {"full-width energy", kSingleEnergy, false, {"水", "６０"}, std::nullopt},
      {"one energy", kSingleEnergy, false, {"水", "60"}, std::nullopt},
      {"over the spectrum", kSpectral, true, {"鉛", ""}, std::nullopt},
  };
  for (const Step& s : steps) {
    Workbench bench(TERVOLIN_TABLES_DIR);
    ASSERT_FALSE(bench.ReadTables());
    bench.StartCalculation(kIncoherent);
    TubeSettings settings{"100", "12", "2.5", "0", "0"};
    if (s.accepted) ASSERT_TRUE(bench.ComputeSpectrum(settings) && !bench.AcceptSpectrum()) << s.what;
    bench.energyMode = s.mode;
    const auto curve = bench.ComputeCurve(s.choice);
    EXPECT_EQ(curve ? std::nullopt : std::optional(curve.Fault().kind), s.refusal) << s.what;
    EXPECT_EQ(bench.views.Curves().size(), curve ? 1u : 0u) << s.what;
  }
}

TEST(Workbench, SpectrumStepsResetARefusedFieldAndAcceptOnlyWhatWasShown) {
  Workbench bench(TERVOLIN_TABLES_DIR);
  ASSERT_FALSE(bench.ReadTables());
  EXPECT_EQ(bench.AcceptSpectrum(), Problem{TextId::kNoSpectrum});
  TubeSettings tooHigh{"200", "12", "2.5", "0", "0"};
  EXPECT_EQ(bench.ComputeSpectrum(tooHigh).Fault().kind, TextId::kMaxTubeVoltage);
  EXPECT_EQ(tooHigh.tubeVoltage, "150");
  EXPECT_TRUE(bench.ComputeSpectrum(tooHigh));
  EXPECT_FALSE(bench.AcceptSpectrum());
  EXPECT_EQ(bench.acceptedSpectrum->settings.tubeVoltage, "150");
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// OK on the spectrum screen: the spectrum shown last is written to the data folder
// and accepted; a failed write (a full disk) leaves the file and the accepted spectrum
// as they were. Each computed spectrum is shown once, a refused one not at all.
TEST(Workbench, WrittenSpectrumIsAcceptedAndAFailedWriteAcceptsNothing) {
  namespace fs = std::filesystem;
  const testing::ScratchDirectory data;
  for (const char* table : {"Mus2018.dat", "MuenAir.dat"}) fs::copy_file(fs::path(TERVOLIN_TABLES_DIR) / table, data.path() / table);
  const fs::path file = data.path() / kSpectrumFileName;
  FileSystemCalls full;
  full.write = [](int, const void*, std::size_t) -> ssize_t { return errno = ENOSPC, -1; };
  Workbench bench(data.path());
  ASSERT_FALSE(bench.ReadTables());
  bench.StartCalculation(kIncoherent);
  bench.energyMode = kSpectral;
  const CurveChoice water{"水", ""};
  TubeSettings at100{"100", "12", "2.5", "0", "0"}, at60{"60", "12", "2.5", "0", "0"}, tooHigh{"200", "12", "2.5", "0", "0"};
  ASSERT_TRUE(bench.ComputeSpectrum(at100));
  EXPECT_EQ(bench.WriteAndAcceptSpectrum(full).value_or(Problem{TextId::kNoSpectrum}).kind, TextId::kFileNotWritten);
  EXPECT_FALSE(fs::exists(file));
  EXPECT_TRUE(bench.MissingInput(water) == Problem{TextId::kNoSpectrum}) << "a failed write accepted the spectrum";
  EXPECT_EQ(bench.WriteAndAcceptSpectrum(), std::nullopt);
  const std::string written = ReadBytes(file);
  EXPECT_EQ(written.size(), 5400u);
  EXPECT_EQ(bench.MissingInput(water), std::nullopt);
  ASSERT_TRUE(bench.ComputeSpectrum(at60));
  EXPECT_FALSE(bench.ComputeSpectrum(tooHigh));
  EXPECT_EQ(bench.WriteAndAcceptSpectrum(full).value_or(Problem{TextId::kNoSpectrum}).kind, TextId::kFileNotWritten);
  EXPECT_EQ(ReadBytes(file), written);
  EXPECT_TRUE(LabelText(bench.MagnitudeSubject(water)).starts_with("水 100 kV・")) << "a failed write accepted the spectrum";
  EXPECT_EQ(bench.shownSpectra.size(), 2u) << "a spectrum shown twice, or a refused one shown";
  bench.DeleteSpectrumFile();
  EXPECT_FALSE(fs::exists(file));
}

TEST(Workbench, WithoutItsAttenuationTableEveryStepSaysSo) {
  Workbench bench("/nonexistent-folder");
  ASSERT_TRUE(bench.ReadTables());
  TubeSettings settings{"100", "12", "2.5", "0", "0"};
  bench.StartCalculation(kCoherent);
  for (const auto& kind : {bench.ComputeCurve({"水", "60"}).Fault().kind, bench.ComputeSpectrum(settings).Fault().kind,
                           bench.Magnitudes({"水", "60"}).Fault().kind}) {
    EXPECT_EQ(kind, TextId::kUnreadableData);
  }
  EXPECT_NE(MessageOf(*bench.StartProblem()).find("Mus2018.dat"), std::string::npos);
}

}  // namespace
}  // namespace tervolin
