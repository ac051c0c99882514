// The model as every front end takes it, on the shipped tables: each refusal by its
// kind, in the screens' order; a curve or spectrum kept only when it was computed;
// its observers told exactly what changed; labels worded anew when the language is
// switched; and the rules of accepting a spectrum.

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "core/messages.h"
#include "support/scratch_directory.h"
#include "workbench/workbench.h"

namespace tervolin {
namespace {

const TubeSettings kTube{"100", "12", "2.5", "0", "0"};

Workbench ReadBench() {
  Workbench bench(TERVOLIN_TABLES_DIR, Language::kJapanese);
  EXPECT_FALSE(bench.ReadTables());
  return bench;
}

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
    Workbench bench = ReadBench();
    bench.StartCalculation(kIncoherent);
    TubeSettings settings = kTube;
    if (s.accepted) {
      ASSERT_TRUE(bench.ComputeSpectrum(settings) && !bench.AcceptSpectrum()) << s.what;
    }
    bench.ChooseEnergyMode(s.mode);
    const auto curve = bench.ComputeCurve(s.choice);
    EXPECT_EQ(curve ? std::nullopt : std::optional(curve.Fault().kind), s.refusal) << s.what;
    EXPECT_EQ(bench.Curves().size(), curve ? 1u : 0u) << s.what;
  }
}

TEST(Workbench, SpectrumStepsResetARefusedFieldAndAcceptOnlyWhatWasShown) {
  Workbench bench = ReadBench();
  EXPECT_EQ(bench.AcceptSpectrum(), Problem{TextId::kNoSpectrum});
  TubeSettings tooHigh{"200", "12", "2.5", "0", "0"};
  EXPECT_EQ(bench.ComputeSpectrum(tooHigh).Fault().kind, TextId::kMaxTubeVoltage);
  EXPECT_EQ(tooHigh.tubeVoltage, "150");
  EXPECT_TRUE(bench.ComputeSpectrum(tooHigh));
  EXPECT_FALSE(bench.AcceptSpectrum());
  EXPECT_EQ(bench.AcceptedSpectrum()->settings.tubeVoltage, "150");
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Workbench, WithoutItsAttenuationTableEveryStepSaysSo) {
  Workbench bench("/nonexistent-folder", Language::kJapanese);
  ASSERT_TRUE(bench.ReadTables());
  TubeSettings settings = kTube;
  bench.StartCalculation(kCoherent);
  for (const auto& kind : {bench.ComputeCurve({"水", "60"}).Fault().kind, bench.ComputeSpectrum(settings).Fault().kind,
                           bench.Compare({"水", "60"}).Fault().kind}) {
    EXPECT_EQ(kind, TextId::kUnreadableData);
  }
  EXPECT_NE(MessageOf(*bench.StartProblem(), Language::kJapanese).find("Mus2018.dat"), std::string::npos);
}

// Each operation tells its observers what it changed, once, and nothing when it
// changed nothing; an observer whose subscription is gone is told no more.
TEST(Workbench, ObserversAreToldExactlyWhatChanged) {
  Workbench bench = ReadBench();
  std::vector<Changes> told;
  std::optional<Subscription> subscription = bench.Observe([&told](Changes c) { told.push_back(c); });
  const auto tells = [&](const char* what, const auto& operation, std::vector<Changes> expected) {
    told.clear();
    operation();
    EXPECT_EQ(told, expected) << what;
  };
  TubeSettings tube = kTube;
  tells("start", [&] { bench.StartCalculation(kCoherent); },
        {Change::kChoices | Change::kAcceptedSpectrum | Change::kCurves | Change::kComparison});
  tells("a curve", [&] { (void)bench.ComputeCurve({"鉄", "60"}); }, {Change::kCurves | Change::kCurveAdded});
  tells("a refused curve", [&] { (void)bench.ComputeCurve({"鉄", ""}); }, {});
  tells("a view", [&] { bench.ChooseViews({View::kPerSolidAngle}); }, {Change::kViews});
  tells("the same view", [&] { bench.ChooseViews({View::kPerSolidAngle}); }, {});
  tells("a spectrum", [&] { (void)bench.ComputeSpectrum(tube); }, {Change::kSpectra});
  tells("accepting it", [&] { (void)bench.AcceptSpectrum(); }, {Change::kAcceptedSpectrum});
  bench.SetSpectrumOptions({true, false});
  tells("a spectrum accepted at once", [&] { (void)bench.ComputeSpectrum(tube); },
        {Change::kSpectra | Change::kAcceptedSpectrum});
  tells("a comparison", [&] { (void)bench.Compare({"鉄", "60"}); }, {Change::kComparison});
  bench.FollowCurvesWithComparison(true);
  tells("a curve compared", [&] { (void)bench.ComputeCurve({"鉄", "80"}); },
        {Change::kCurves | Change::kCurveAdded | Change::kComparison});
  tells("clearing", [&] { bench.ClearCurves(); }, {Change::kCurves | Change::kComparison});
  tells("the language", [&] { bench.ChooseLanguage(Language::kEnglish); }, {Change::kLanguage});
  subscription.reset();
  tells("after the subscription", [&] { bench.ChooseLanguage(Language::kJapanese); }, {});
}

// Labels, legend rows, table headings and titles are worded when asked for: a switch
// of language relabels the curves computed before it, and back.
TEST(Workbench, LanguageSwitchRelabelsTheCurvesAlreadyComputed) {
  Workbench bench = ReadBench();
  bench.StartCalculation(kCoherent);
  ASSERT_TRUE(bench.ComputeCurve({"鉄", "60"}));
  bench.ChooseViews({View::kPerSolidAngle, View::kFreeElectron});
  bench.FollowCurvesWithComparison(true);
  ASSERT_TRUE(bench.Compare({"鉄", "60"}));
  const auto words = [&bench] {
    const std::string csv = bench.Csv(GraphKind::kAngle);
    return std::vector<std::string>{bench.LegendRows(GraphKind::kAngle).at(0).title,
                                    bench.LegendRows(GraphKind::kAngle).at(1).title, csv.substr(3, csv.find('\r') - 3),
                                    bench.Title(GraphKind::kAngle), bench.MagnitudePlotOf({}, false).caption};
  };
  const std::vector<std::string> japanese{
      "干渉性散乱 鉄 60 keV 立体角あたり", "自由電子（トムソン散乱） 立体角あたり",
      "散乱角度 (deg),干渉性散乱 鉄 60 keV 立体角あたり,自由電子（トムソン散乱） 立体角あたり",
      "散乱角度の確率密度分布　干渉性散乱・立体角あたり・自由電子の曲線つき", "鉄 60 keV"};
  EXPECT_EQ(words(), japanese);
  bench.ChooseLanguage(Language::kEnglish);
  EXPECT_EQ(words(), (std::vector<std::string>{
                         "Coherent scattering iron 60 keV per solid angle", "Free electron (Thomson) per solid angle",
                         "Scattering angle (deg),Coherent scattering iron 60 keV per solid angle,Free electron "
                         "(Thomson) per solid angle",
                         "Probability density of the scattering angle — Coherent scattering, per solid angle, with the "
                         "free electron's curves",
                         "iron 60 keV"}));
  EXPECT_EQ(bench.FileStem(GraphKind::kAngle), "Coherent_scattering_iron_60keV_per_solid_angle_Free_electron_Thomson");
  bench.ChooseLanguage(Language::kJapanese);
  EXPECT_EQ(words(), japanese);
}

ssize_t NoSpace(int, const void*, std::size_t) { return errno = ENOSPC, -1; }

// OK on the spectrum screen: the spectrum shown last is written to the data folder
// and accepted; a failed write (a full disk) leaves the file and the accepted
// spectrum as they were. Each computed spectrum is shown once, a refused one not at
// all; the page's options: accepted at once, and one of two equal spectra in a row
// kept.
TEST(Workbench, WrittenSpectrumIsAcceptedAndAFailedWriteAcceptsNothing) {
  const testing::ScratchDirectory folder;
  std::filesystem::copy(TERVOLIN_TABLES_DIR, folder.path(), std::filesystem::copy_options::recursive);
  const std::filesystem::path file = folder.path() / kSpectrumFileName;
  Workbench bench(folder.path(), Language::kEnglish);
  ASSERT_FALSE(bench.ReadTables());
  TubeSettings tube = kTube, at60{"60", "12", "2.5", "0", "0"}, tooHigh{"200", "12", "2.5", "0", "0"};
  ASSERT_TRUE(bench.ComputeSpectrum(tube));
  FileSystemCalls full;
  full.write = NoSpace;
  EXPECT_EQ(bench.WriteAndAcceptSpectrum(full).value().kind, TextId::kFileNotWritten);
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_FALSE(bench.AcceptedSpectrum()) << "a failed write accepted the spectrum";
  EXPECT_FALSE(bench.WriteAndAcceptSpectrum());
  EXPECT_EQ(bench.AcceptedSpectrum()->fluence, bench.ShownSpectra().back().fluence);
  const std::string written = ReadBytes(file);
  EXPECT_EQ(written.size(), 5400u);
  ASSERT_TRUE(bench.ComputeSpectrum(at60));
  EXPECT_FALSE(bench.ComputeSpectrum(tooHigh));
  EXPECT_EQ(bench.WriteAndAcceptSpectrum(full).value().kind, TextId::kFileNotWritten);
  EXPECT_EQ(ReadBytes(file), written);
  EXPECT_EQ(bench.AcceptedSpectrum()->settings.tubeVoltage, "100") << "a failed write accepted the spectrum";
  EXPECT_EQ(bench.ShownSpectra().size(), 2u) << "a spectrum shown twice, or a refused one shown";
  bench.DeleteSpectrumFile();
  EXPECT_FALSE(std::filesystem::exists(file));
  for (const bool pageOptions : {false, true}) {
    bench.ClearSpectra();
    bench.StartCalculation(kCoherent);
    bench.SetSpectrumOptions({pageOptions, pageOptions});
    for (int i = 0; i < 2; ++i) ASSERT_TRUE(bench.ComputeSpectrum(tube));
    EXPECT_EQ(bench.ShownSpectra().size(), pageOptions ? 1u : 2u);
    EXPECT_EQ(bench.AcceptedSpectrum().has_value(), pageOptions);
  }
}

}  // namespace
}  // namespace tervolin
