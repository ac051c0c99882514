// ComputeSpectrum as the spectrum screen runs it: the settings it reads, the range
// checks with their messages, the shape of the result, the failures it returns and
// the staircase the spectrum graph draws of it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/failure_rule.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/spectrum_model.h"
#include "core/spectrum_physics.h"
#include "graphs/figures_box.h"
#include "graphs/spectrum_graph.h"
#include "graphs/display_list.h"
#include "support/shipped_tables.h"

namespace tervolin {
namespace {


constexpr Rgb kRed{255, 0, 0};

// Attenuation coefficients (1/cm) that fall with the third power of the photon
// energy towards a constant and level off below a few keV, roughly like tungsten,
// aluminium and copper without their absorption edges.
AttenuationTables SyntheticAttenuation() {
  AttenuationTables s;
  for (int n = 1; n <= kEnergyBins; ++n) {
    const double e = 0.5 * n;
    const double cube = e * e * e;
    s.tungsten[n] = 19.3 * (300000.0 / (cube + 75.0) + 0.2);
    s.aluminium[n] = 2.7 * (26000.0 / (cube + 20.0) + 0.15);
    s.copper[n] = 8.96 * (300000.0 / (cube + 30.0) + 0.15);
  }
  return s;
}

double Largest(const EnergyTable& table) { return *std::max_element(table.begin() + 1, table.end()); }

int LargestBin(const EnergyTable& table) {
  return static_cast<int>(std::max_element(table.begin() + 1, table.end()) - table.begin());
}

class SpectrumModel : public ::testing::Test {
 protected:
  void SetFields(const char* voltage, const char* angle, const char* inherent,
                 const char* aluminium, const char* copper) {
    settings = {voltage, angle, inherent, aluminium, copper};
  }

  Outcome<Spectrum> Compute() const { return ComputeSpectrum(settings, tables, {}); }

  // Computes with the current settings, expects a spectrum and draws it as the
  // spectrum screen does.
  void ComputeSuccessfully() {
    const Outcome<Spectrum> result = Compute();
    ASSERT_TRUE(result) << MessageOf(result.Fault(), Language::kJapanese);
    spectrum = result.Value();
    DrawSpectrumCurve(graph, spectrum.fluence, SpectrumCurveColour(0));
    DrawFiguresBox(graph, {spectrum.figures}, {spectrum.fluence}, Language::kJapanese);
  }

  AttenuationTables tables = SyntheticAttenuation();
  TubeSettings settings{"100", "12", "2.5", "0", "0"};
  Spectrum spectrum;
  const EnergyTable& fluence = spectrum.fluence;
  DisplayList graph;
};

// ---------------------------------------------------------------------------
// The result's shape

TEST_F(SpectrumModel, DefaultSpectrumIsScaledToExactlyOneWithEmptyEdges) {
  ComputeSuccessfully();
  EXPECT_EQ(fluence[1], 0.0);
  EXPECT_EQ(Largest(fluence), 1.0);
  for (int n = 1; n <= kEnergyBins; ++n) {
    EXPECT_TRUE(fluence[n] >= 0.0 && fluence[n] <= 1.0) << "bin " << n << ": " << fluence[n];
  }
  for (int n = 201; n <= kEnergyBins; ++n) EXPECT_EQ(fluence[n], 0.0) << "bin " << n;
  EXPECT_GT(fluence[200], 0.0);
  // The filtered bremsstrahlung of a 100-kV tube peaks well inside the range.
  EXPECT_GT(LargestBin(fluence), 40);
  EXPECT_LT(LargestBin(fluence), 140);
}

TEST_F(SpectrumModel, VoltageLimitsSetTheLastComputedBin) {
  struct Case {
    const char* voltage;
    int lastBin;
  };
  for (const Case c : {Case{"150", 300}, Case{"30", 60}, Case{"100.3", 200}, Case{"70.5", 141}}) {
    SCOPED_TRACE(c.voltage);
    settings.Text(SpectrumField::TubeVoltage) = c.voltage;
    ComputeSuccessfully();
    EXPECT_EQ(Largest(fluence), 1.0);
    EXPECT_GT(fluence[c.lastBin], 0.0);
    for (int n = c.lastBin + 1; n <= kEnergyBins; ++n) EXPECT_EQ(fluence[n], 0.0) << "bin " << n;
  }
}

TEST_F(SpectrumModel, ElectronEnergiesStopAtTheLastHalfKilovoltBelowTheVoltage) {
  settings.Text(SpectrumField::TubeVoltage) = "100.3";
  ComputeSuccessfully();
  const EnergyTable& target = spectrum.target;
  // Worked out independently with the synthetic tungsten coefficients: bin 200
  // (100 keV) has the one electron energy 100.0 keV, bin 199 the two 99.5 and 100.0,
  // bin 180 the 21 from 90.0 to 100.0 keV.
  EXPECT_NEAR(target[200], 0.00014117465688010255, 1e-18);
  EXPECT_NEAR(target[199], 0.00028016329267742705, 1e-18);
  EXPECT_NEAR(target[180], 0.0026361769348757923, 1e-17);
}

TEST_F(SpectrumModel, KLinesAreAddedAboveSeventyKilovoltsOnly) {
  for (const char* voltage : {"70", "100"}) {
    SCOPED_TRACE(voltage);
    settings.Text(SpectrumField::TubeVoltage) = voltage;
    ComputeSuccessfully();
    const double v = std::stod(voltage);
    const SpectrumConstants k{v, TargetAngleCotangent(12.0), ThomsonWhiddingtonConstant(v)};
    const int last = LastComputedBin(v);
    std::vector<double> continuum(static_cast<std::size_t>(last) + 1, 0.0);
    double total = 0.0;
    for (int n = 2; n <= last; ++n) {
      continuum[n] = TargetBremsstrahlung(n, tables.tungsten[n], k);
      total += continuum[n];
    }
    const double lines = total * KLinePercentage(v) * 0.01;
    EXPECT_EQ(lines == 0.0, v <= 70.0);
    const std::vector<std::pair<int, double>> shares{{119, 0.5048}, {116, 0.2908}, {134, 0.162},
                                                     {138, 0.0424}};
    for (int n = 2; n <= last; ++n) {
      double expected = continuum[n];
      for (const auto& [bin, share] : shares) {
        if (bin == n) expected += lines * share;
      }
      EXPECT_DOUBLE_EQ(spectrum.target[n], expected) << "bin " << n;
    }
  }
}

TEST_F(SpectrumModel, KLinesStandOutOfTheContinuumAtTheirEnergies) {
  settings.Text(SpectrumField::TubeVoltage) = "150";
  ComputeSuccessfully();
  for (int bin : {116, 119, 134, 138}) {
    EXPECT_GT(fluence[bin], 1.05 * fluence[bin - 1]) << "bin " << bin;
    EXPECT_GT(fluence[bin], 1.05 * fluence[bin + 1]) << "bin " << bin;
  }
}

TEST_F(SpectrumModel, FilteredFluenceIsTheTargetSpectrumAttenuatedAndDividedByEnergy) {
  ComputeSuccessfully();
  // Relative to the 50-keV bin, every bin follows T(n) · exp(−μ_Al(n) · 0.25) / E_n.
  const auto unscaled = [&](int n) {
    return spectrum.target[n] * std::exp(-tables.aluminium[n] * 0.25) / (0.5 * n);
  };
  for (int n : {20, 40, 80, 119, 150, 199, 200}) {
    EXPECT_NEAR(fluence[n] / fluence[100], unscaled(n) / unscaled(100), 1e-12) << "bin " << n;
  }
}

TEST_F(SpectrumModel, AddedAluminiumActsTogetherWithTheInherentFiltration) {
  SetFields("100", "12", "3", "0", "0");
  ComputeSuccessfully();
  const EnergyTable thick = fluence;
  SetFields("100", "12", "1", "2", "0");
  ComputeSuccessfully();
  for (int n = 1; n <= kEnergyBins; ++n) {
    EXPECT_NEAR(fluence[n], thick[n], 1e-13 + 1e-13 * thick[n]) << "bin " << n;
  }
}

TEST_F(SpectrumModel, CopperOfEnergyIndependentAttenuationChangesNothingAfterScaling) {
  ComputeSuccessfully();
  const EnergyTable unfiltered = fluence;
  std::fill(tables.copper.begin(), tables.copper.end(), 3.0);
  settings.Text(SpectrumField::CopperFilter) = "2";
  ComputeSuccessfully();
  for (int n = 1; n <= kEnergyBins; ++n) {
    EXPECT_NEAR(fluence[n], unfiltered[n], 1e-13) << "bin " << n;
  }
}

TEST_F(SpectrumModel, CopperHardensTheSpectrum) {
  const auto meanEnergy = [&] {
    double weighted = 0.0, sum = 0.0;
    for (int n = 1; n <= kEnergyBins; ++n) {
      weighted += 0.5 * n * fluence[n];
      sum += fluence[n];
    }
    return weighted / sum;
  };
  ComputeSuccessfully();
  const double soft = meanEnergy();
  settings.Text(SpectrumField::CopperFilter) = "0.5";
  ComputeSuccessfully();
  EXPECT_GT(meanEnergy(), soft + 5.0);
  EXPECT_EQ(Largest(fluence), 1.0);
}

TEST_F(SpectrumModel, NegligibleBinsBecomeZeroAfterScaling) {
  ComputeSuccessfully();
  // Bins that leave the anode and pass 2.5 mm of aluminium, but at 1e-100 of the
  // peak or less, are dropped; the others keep their scaled value.
  std::vector<double> passed(kEnergyBins + 1, 0.0);
  for (int n = 2; n <= 200; ++n) {
    passed[n] = spectrum.target[n] * std::exp(-tables.aluminium[n] * 0.25) / (0.5 * n);
  }
  const double peak = *std::max_element(passed.begin(), passed.end());
  int dropped = 0;
  for (int n = 2; n <= 200; ++n) {
    const double relative = passed[n] / peak;
    if (relative > 0.0 && relative <= 1e-100) {
      ++dropped;
      EXPECT_EQ(fluence[n], 0.0) << "bin " << n;
    } else {
      EXPECT_NEAR(fluence[n], relative, 1e-12 * relative) << "bin " << n;
    }
  }
  EXPECT_GT(dropped, 0);
  EXPECT_NEAR(spectrum.unscaledMaximum, peak, 1e-12 * peak);  // kept for comparing spectra
  EXPECT_TRUE(std::any_of(fluence.begin(), fluence.end(),
                          [](double v) { return v > 0.0 && v < 1e-50; }));
}

TEST_F(SpectrumModel, TargetSpectrumOutsideTheComputedBinsIsZero) {
  ComputeSuccessfully();
  EXPECT_EQ(spectrum.target[1], 0.0);
  EXPECT_EQ(spectrum.target[250], 0.0);
  EXPECT_NE(spectrum.target[200], 0.0);
}

// ---------------------------------------------------------------------------
// Range checks

TEST_F(SpectrumModel, BoundaryInputsAreAccepted) {
  struct Case {
    SpectrumField field;
    const char* text;
  };
  for (const Case c : {Case{SpectrumField::TubeVoltage, "150"}, Case{SpectrumField::TubeVoltage, "30"},
                       Case{SpectrumField::InherentFiltration, "1"},
                       Case{SpectrumField::InherentFiltration, "1.0"},
                       Case{SpectrumField::AluminiumFilter, ""}, Case{SpectrumField::CopperFilter, ""}}) {
    SCOPED_TRACE(c.text);
    SetFields("100", "12", "2.5", "0", "0");
    settings.Text(c.field) = c.text;
    ComputeSuccessfully();
    EXPECT_EQ(Largest(fluence), 1.0);
    EXPECT_EQ(spectrum.settings.Text(c.field), c.text);
  }
}

struct Rejection {
  SpectrumField field;
  const char* typed;
  TextId message;
  const char* replacement;
};

class SpectrumModelRejection : public SpectrumModel,
                               public ::testing::WithParamInterface<Rejection> {};

TEST_P(SpectrumModelRejection, ReturnsItsMessageAndTheFieldToReset) {
  const Rejection& r = GetParam();
  settings.Text(r.field) = r.typed;
  const Outcome<Spectrum> result = Compute();
  ASSERT_FALSE(result);
  EXPECT_EQ(result.Fault(), (Problem{r.message, FieldReset{r.field, r.replacement}}));
  EXPECT_EQ(CheckTubeRange(settings), result.Fault());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SpectrumModelRejection,
    ::testing::Values(
        Rejection{SpectrumField::TubeVoltage, "150.1", TextId::kMaxTubeVoltage, "150"},
        Rejection{SpectrumField::TubeVoltage, "200", TextId::kMaxTubeVoltage, "150"},
        Rejection{SpectrumField::TubeVoltage, "1e300", TextId::kMaxTubeVoltage, "150"},
        Rejection{SpectrumField::TubeVoltage, "29.9", TextId::kMinTubeVoltage, "30"},
        Rejection{SpectrumField::TubeVoltage, " ", TextId::kMinTubeVoltage, "30"},
        Rejection{SpectrumField::TubeVoltage, "", TextId::kMinTubeVoltage, "30"},
        Rejection{SpectrumField::TubeVoltage, "kV100", TextId::kMinTubeVoltage, "30"},
        Rejection{SpectrumField::TubeVoltage, "-1e300", TextId::kMinTubeVoltage, "30"},
        Rejection{SpectrumField::InherentFiltration, "0.9", TextId::kMinInherentFiltration, "1"},
        Rejection{SpectrumField::InherentFiltration, "0.99999", TextId::kMinInherentFiltration, "1"},
        Rejection{SpectrumField::InherentFiltration, " ", TextId::kMinInherentFiltration, "1"},
        Rejection{SpectrumField::InherentFiltration, "-5", TextId::kMinInherentFiltration, "1"}));

TEST_F(SpectrumModel, OnlyTheFirstFailingCheckIsReported) {
  SetFields("200", "12", "0.5", "0", "0");
  EXPECT_EQ(Compute().Fault(), (Problem{TextId::kMaxTubeVoltage, FieldReset{SpectrumField::TubeVoltage, "150"}}));
  SetFields("10", "12", "0.5", "0", "0");
  EXPECT_EQ(Compute().Fault(), (Problem{TextId::kMinTubeVoltage, FieldReset{SpectrumField::TubeVoltage, "30"}}));
}

// The spectrum screen's order: the typed settings first, then the model's range;
// only the first problem is returned, with the field to reset and its new text.
TEST(TubeSettingsCheck, FirstProblemWithItsMessageAndTheFieldToReset) {
  using F = SpectrumField;
  const struct {
    TubeSettings settings;
    std::optional<Problem> problem;
  } cases[] = {
      {{"", "", "", "-1", "-1"}, Problem{TextId::kEnterTubeVoltage}},
      {{"100", "", "", "-1", "-1"}, Problem{TextId::kReenterTargetAngle, FieldReset{F::TargetAngle, "12"}}},
      {{"100", "90", "2.5", "0", "0"}, Problem{TextId::kReenterTargetAngle, FieldReset{F::TargetAngle, "12"}}},
      {{"100", "0.5", "2.5", "0", "0"}, Problem{TextId::kReenterTargetAngle, FieldReset{F::TargetAngle, "12"}}},
      {{"100", "12", "", "-1", "-1"},
       Problem{TextId::kReenterInherentFiltration, FieldReset{F::InherentFiltration, "2.5"}}},
      {{"100", "12", "2.5", "-0.1", "-1"}, Problem{TextId::kReenterAluminiumFilter, FieldReset{F::AluminiumFilter, "0"}}},
      {{"100", "12", "2.5", "0", "-1"}, Problem{TextId::kReenterCopperFilter, FieldReset{F::CopperFilter, "0"}}},
      {{"200", "12", "0.5", "0", "0"}, Problem{TextId::kMaxTubeVoltage, FieldReset{F::TubeVoltage, "150"}}},
      {{"100", "12", "0.5", "0", "0"}, Problem{TextId::kMinInherentFiltration, FieldReset{F::InherentFiltration, "1"}}},
      {{"30", "89.9", "1", "", ""}, std::nullopt},
      {{"８０", " １２ ", "２．５", "1e-1", "０．１"}, std::nullopt},
      // A text that is not one number: the field's message; the field reset as its
      // other checks reset it (the tube voltage left as typed).
      {{" ", "12", "2.5", "0", "0"}, Problem{TextId::kTubeVoltageNotANumber}},
      {{"2,5", "12", "2.5", "0", "0"}, Problem{TextId::kTubeVoltageNotANumber}},
      {{"abc", "", "", "-1", "-1"}, Problem{TextId::kTubeVoltageNotANumber}},
      {{"1e999", "12", "2.5", "0", "0"}, Problem{TextId::kTubeVoltageNotANumber}},
      {{"100", "12deg", "2.5", "0", "0"}, Problem{TextId::kTargetAngleNotANumber, FieldReset{F::TargetAngle, "12"}}},
      {{"100", "12", "2,5", "-1", "0"},
       Problem{TextId::kInherentFiltrationNotANumber, FieldReset{F::InherentFiltration, "2.5"}}},
      {{"100", "12", "2.5", "2,5", "-1"},
       Problem{TextId::kAluminiumFilterNotANumber, FieldReset{F::AluminiumFilter, "0"}}},
      {{"100", "12", "2.5", "0", "0.1mm"}, Problem{TextId::kCopperFilterNotANumber, FieldReset{F::CopperFilter, "0"}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CheckTubeSettings(c.settings), c.problem) << c.settings.tubeVoltage << " " << c.settings.targetAngle;
  }
}

// ---------------------------------------------------------------------------
// Arithmetic failures: the message, no spectrum, no curve

struct Unworkable {
  const char* what;
  std::vector<std::pair<SpectrumField, const char*>> fields;
  std::optional<SpectrumField> tooThick = std::nullopt;  // the filter a reason names
};

class SpectrumModelFailure : public SpectrumModel,
                             public ::testing::WithParamInterface<Unworkable> {};

// A filter too thick for any photon to remain is named with the largest thickness
// that leaves some; the spectrum computes at that thickness.
TEST_P(SpectrumModelFailure, ReturnsCannotCalculateOrTheFilterTooThick) {
  for (const auto& [field, text] : GetParam().fields) settings.Text(field) = text;
  const Outcome<Spectrum> result = Compute();
  ASSERT_FALSE(result);
  if (!GetParam().tooThick) {
    EXPECT_EQ(result.Fault(), Problem{TextId::kCannotCalculate});
    return;
  }
  const Problem& problem = result.Fault();
  EXPECT_EQ(problem.kind, TextId::kFilterTooThick);
  ASSERT_TRUE(problem.reset);
  EXPECT_EQ(problem.reset->field, *GetParam().tooThick);
  settings.Text(problem.reset->field) = problem.parameters.at(1);
  EXPECT_TRUE(Compute()) << problem.parameters.at(1);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SpectrumModelFailure,
    ::testing::Values(
        Unworkable{"angle near half a turn overflows the anode factor",
                   {{SpectrumField::TargetAngle, "179.9"}}},
        Unworkable{"angle of half a turn", {{SpectrumField::TargetAngle, "180"}}},
        Unworkable{"angle 0: no cotangent", {{SpectrumField::TargetAngle, "0"}}},
        Unworkable{"angle near the largest number", {{SpectrumField::TargetAngle, "1e308"}}},
        Unworkable{"negative copper overflows", {{SpectrumField::CopperFilter, "-100"}}},
        Unworkable{"aluminium absorbs every bin", {{SpectrumField::AluminiumFilter, "100000"}},
                   SpectrumField::AluminiumFilter},
        Unworkable{"copper beside thick aluminium absorbs every bin",
                   {{SpectrumField::AluminiumFilter, "12000"}, {SpectrumField::CopperFilter, "1460"}},
                   SpectrumField::CopperFilter},
        Unworkable{"inherent filtration near the largest number",
                   {{SpectrumField::InherentFiltration, "1e308"}}, SpectrumField::InherentFiltration},
        Unworkable{"filters near the largest number of opposite sign",
                   {{SpectrumField::InherentFiltration, "1e308"},
                    {SpectrumField::CopperFilter, "-1e308"}}}),
    [](const ::testing::TestParamInfo<Unworkable>& info) {
      std::string name;
      for (char ch : std::string(info.param.what)) {
        if (std::isalnum(static_cast<unsigned char>(ch))) name += ch;
      }
      return name;
    });

// On the shipped tables, the thickness a refusal names is the last the same test lets
// through: the spectrum computes there, every bin holding a normal double's fluence or
// none, and is refused 0.1 mm above with the same limit.
TEST(SpectrumFilterLimit, ComputesUpToTheStatedThicknessAndIsRefusedJustAbove) {
  const AttenuationTables mu = testing::ShippedAttenuation(TERVOLIN_TABLES_DIR);
  for (const auto& [kv, field] : {std::pair{"100", SpectrumField::AluminiumFilter}, {"30", SpectrumField::AluminiumFilter},
                                  {"150", SpectrumField::AluminiumFilter}, {"100", SpectrumField::CopperFilter}}) {
    TubeSettings settings{kv, "12", "2.5", "0", "0"};
    settings.Text(field) = "1e6";
    const std::string limit = ComputeSpectrum(settings, mu, {}).Fault().parameters.at(1);
    settings.Text(field) = limit;
    const Outcome<Spectrum> spectrum = ComputeSpectrum(settings, mu, {});
    ASSERT_TRUE(spectrum) << kv << " kV, " << limit << " mm";
    for (const double f : spectrum.Value().fluence) {
      EXPECT_TRUE(f == 0.0 || f * spectrum.Value().unscaledMaximum >= std::numeric_limits<double>::min()) << f;
    }
    settings.Text(field) = GeneralText(std::stod(limit) + 0.1, 15);
    EXPECT_EQ(ComputeSpectrum(settings, mu, {}).Fault().parameters, (std::vector<std::string>{settings.Text(field), limit}));
  }
}

TEST_F(SpectrumModel, UnusualButWorkableInputsGiveASpectrum) {
  struct Case {
    SpectrumField field;
    const char* text;
  };
  // A grazing or steep target angle, angles past 90° (photons leave through the
  // anode's back: amplified, not absorbed), a thin negative copper filter, and a
  // thick aluminium filter that still lets the hardest photons through.
  for (const Case c : {Case{SpectrumField::TargetAngle, "0.0001"}, Case{SpectrumField::TargetAngle, "90"},
                       Case{SpectrumField::TargetAngle, "100"}, Case{SpectrumField::CopperFilter, "-0.01"},
                       Case{SpectrumField::AluminiumFilter, "1000"}}) {
    SCOPED_TRACE(c.text);
    SetFields("100", "12", "2.5", "0", "0");
    settings.Text(c.field) = c.text;
    ComputeSuccessfully();
    EXPECT_EQ(Largest(fluence), 1.0);
    EXPECT_TRUE(std::all_of(fluence.begin() + 1, fluence.end(),
                            [](double v) { return std::isfinite(v) && v >= 0.0; }));
  }
}

// ---------------------------------------------------------------------------
// Drawing

// The ops of the curve and its frame, without the figures' box drawn after them.
// The operations before the figures' box, the curve's marks left out.
std::vector<DrawingOperation> CurveOps(const DisplayList& graph) {
  const auto fill = std::find_if(graph.Operations().begin(), graph.Operations().end(),
                                 [](const DrawingOperation& op) { return op.kind == DrawingKind::kFillBox; });
  std::vector<DrawingOperation> ops(graph.Operations().begin(), fill);
  std::erase_if(ops, [](const DrawingOperation& op) {
    return op.kind == DrawingKind::kBeginCurve || op.kind == DrawingKind::kEndCurve;
  });
  return ops;
}

TEST_F(SpectrumModel, DrawsARedStaircaseFromTheCornerThenTheFrame) {
  ComputeSuccessfully();
  const std::vector<DrawingOperation> ops = CurveOps(graph);
  ASSERT_EQ(ops.size(), 1u + 1u + 2u * 299u + 2u);

  EXPECT_EQ(ops[0].kind, DrawingKind::kDrawWidth);
  EXPECT_EQ(ops[0].width, 2);
  EXPECT_EQ(ops[1].kind, DrawingKind::kPSet);
  EXPECT_EQ(ops[1].x1, 1000.0f);
  EXPECT_EQ(ops[1].y1, 2100.0f);
  EXPECT_EQ(ops[1].colour, kBlack);

  for (int n = 2; n <= kEnergyBins; ++n) {
    const DrawingOperation& riser = ops[static_cast<std::size_t>(2 * n - 2)];
    const DrawingOperation& step = ops[static_cast<std::size_t>(2 * n - 1)];
    const auto y = static_cast<float>(2100.0 - 2000.0 * fluence[n]);
    SCOPED_TRACE(n);
    EXPECT_EQ(riser.kind, DrawingKind::kLineTo);
    EXPECT_EQ(step.kind, DrawingKind::kLineTo);
    EXPECT_EQ(riser.x2, 992.5f + 15.0f * static_cast<float>(n));
    EXPECT_EQ(step.x2, 1007.5f + 15.0f * static_cast<float>(n));
    EXPECT_EQ(riser.y2, y);
    EXPECT_EQ(step.y2, y);
    EXPECT_EQ(riser.colour, kRed);
    EXPECT_EQ(step.colour, kRed);
  }
  EXPECT_EQ(ops[2].x2, 1022.5f);
  EXPECT_EQ(ops[ops.size() - 3].x2, 5507.5f);
  EXPECT_EQ(ops[ops.size() - 3].y2, 2100.0f);  // bins above 2V lie on the base line

  const DrawingOperation& width = ops[ops.size() - 2];
  const DrawingOperation& frame = ops.back();
  EXPECT_EQ(width.kind, DrawingKind::kDrawWidth);
  EXPECT_EQ(width.width, 2);
  EXPECT_EQ(frame.kind, DrawingKind::kBox);
  EXPECT_EQ(frame.colour, kBlack);
  EXPECT_EQ(std::vector<float>({frame.x1, frame.y1, frame.x2, frame.y2}),
            std::vector<float>({1000.0f, 100.0f, 5500.0f, 2100.0f}));
}

TEST_F(SpectrumModel, ThePeakStepTouchesTheTopOfTheFrame) {
  ComputeSuccessfully();
  const int peak = LargestBin(fluence);
  const DrawingOperation& step = graph.Operations()[static_cast<std::size_t>(2 * peak - 1)];
  EXPECT_EQ(step.y2, 100.0f);
}

TEST_F(SpectrumModel, TwoCallsLeaveTwoCurvesWithoutClearing) {
  ComputeSuccessfully();
  settings.Text(SpectrumField::TubeVoltage) = "60";
  ComputeSuccessfully();
  EXPECT_EQ(graph.OfKind(DrawingKind::kCls).size(), 0u);
  EXPECT_EQ(graph.OfKind(DrawingKind::kPSet).size(), 2u);
  EXPECT_EQ(graph.OfKind(DrawingKind::kLineTo).size(), 4u * 299u);
  EXPECT_EQ(graph.OfKind(DrawingKind::kBox).size(), 4u);  // frame and figures' box, twice
  // The second curve ends on the base line from bin 121 on.
  EXPECT_EQ(graph.Operations()[graph.Operations().size() / 2 + 2 * 121 - 1].y2, 2100.0f);
  EXPECT_LT(graph.Operations()[graph.Operations().size() / 2 + 2 * 120 - 1].y2, 2100.0f);
}

// For the same tube current and time 120 kV gives more photons than 80 kV from
// 18 keV up; below, under 2 % of the 120-kV peak, slightly fewer: its electrons run
// deeper into the anode, whose tungsten absorbs the soft photons made there.
TEST(SpectraCompared, HigherVoltageGivesMorePhotonsFromEighteenKiloelectronvoltsUp) {
  const AttenuationTables mu = testing::ShippedAttenuation(TERVOLIN_TABLES_DIR);
  const Spectrum low = ComputeSpectrum({"80", "12", "2.5", "0", "0"}, mu, {}).Value();
  const Spectrum high = ComputeSpectrum({"120", "12", "2.5", "0", "0"}, mu, {}).Value();
  const EnergyTable a = FluenceOnCommonScale(low, high.unscaledMaximum), &b = high.fluence;
  for (int n = 2; n <= 160; ++n) {
    EXPECT_TRUE(n >= 36 ? b[n] > a[n] : b[n] <= a[n] && a[n] < 0.02) << "bin " << n;
  }
}

}  // namespace
}  // namespace tervolin
