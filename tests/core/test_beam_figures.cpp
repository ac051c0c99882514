// The beam's figures on spectra whose answers are known by hand, on the default
// spectrum against a calculation of their own, on the 80–120 kV beams against
// published half-value layers, their text for the command line, and their box on the
// spectrum graph.

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <numbers>
#include <string>

#include "core/beam_figures.h"
#include "core/messages.h"
#include "graphs/spectrum_graph.h"
#include "core/spectrum_model.h"
#include "graphs/figures_box.h"
#include "graphs/display_list.h"
#include "support/shipped_tables.h"

namespace tervolin {
namespace {

constexpr double kLn2 = std::numbers::ln2;

// The shipped aluminium column, an air table of 1 cm²/g everywhere, and the
// given fluence.
class BeamFiguresByHand : public ::testing::Test {
 protected:
  BeamFiguresByHand() {
    for (int n = 1; n <= kEnergyBins; ++n) air.muen[n] = 1.0;
    air.status = kAirTableRead;
  }
  BeamFigures Figures() const { return ComputeBeamFigures(fluence, aluminium, air); }
  EnergyTable aluminium = testing::ShippedAttenuation(TERVOLIN_TABLES_DIR).aluminium;
  AirTable air;
  EnergyTable fluence{};
};

TEST_F(BeamFiguresByHand, AllFluenceInOneBin) {
  for (const int bin : {40, 120, 199, 300}) {
    SCOPED_TRACE(bin);
    fluence = {};
    fluence[bin] = 0.25;
    const BeamFigures f = Figures();
    const double halfValueMm = kLn2 / aluminium[bin] * 10.0;
    EXPECT_EQ(f.meanEnergyKev, BinEnergy(bin));
    ASSERT_TRUE(f.hvl1Mm && f.hvl2Mm && f.homogeneity && f.effectiveEnergyKev);
    EXPECT_NEAR(*f.hvl1Mm, halfValueMm, 1e-4);
    EXPECT_NEAR(*f.hvl2Mm, halfValueMm, 2e-4);
    EXPECT_NEAR(*f.homogeneity, 1.0, 1e-4);
    EXPECT_NEAR(*f.effectiveEnergyKev, BinEnergy(bin), 1e-9 * BinEnergy(bin));
    EXPECT_FALSE(f.problem);
  }
}

// 40 keV with twice the photons of 80 keV gives both the same kerma; with μ_Al =
// 80 keV / E (2 and 1 per cm), x = e^(−t·1/cm) solves (x² + x)/2 = ½ at the
// golden ratio's inverse and = ¼ at (√3 − 1)/2. A power law is straight in
// log-log, so the effective energy is exactly 80 keV / μ.
TEST_F(BeamFiguresByHand, TwoBinsOfEqualKerma) {
  for (int n = 1; n <= kEnergyBins; ++n) aluminium[n] = 80.0 / BinEnergy(n);
  fluence[80] = 2.0;
  fluence[160] = 1.0;
  const BeamFigures f = Figures();
  const double hvl1 = 10.0 * std::log(std::numbers::phi);
  const double quarter = -10.0 * std::log((std::sqrt(3.0) - 1.0) / 2.0);
  EXPECT_NEAR(*f.meanEnergyKev, 160.0 / 3.0, 1e-12);
  EXPECT_NEAR(*f.hvl1Mm, hvl1, 1e-4);                  // 4.812 mm
  EXPECT_NEAR(*f.hvl2Mm, quarter - hvl1, 2e-4);        // 5.238 mm
  EXPECT_NEAR(*f.homogeneity, hvl1 / (quarter - hvl1), 1e-4);
  EXPECT_NEAR(*f.effectiveEnergyKev, 80.0 * hvl1 / 10.0 / kLn2, 1e-3);  // 55.54 keV
}

TEST_F(BeamFiguresByHand, NoFluenceOrNoAirTableLeavesFiguresOut) {
  const BeamFigures none = Figures();
  EXPECT_FALSE(none.meanEnergyKev || none.hvl1Mm || none.hvl2Mm || none.effectiveEnergyKev);
  fluence[100] = 1.0;
  for (const auto& [status, problem] : {std::pair{kAirTableNotRead, TextId::kAirTableMissing},
                                        std::pair{kAirTableMissing, TextId::kAirTableMissing},
                                        std::pair{kAirTableUnusable, TextId::kAirTableUnusable}}) {
    air.status = status;
    const BeamFigures f = Figures();
    EXPECT_EQ(f.meanEnergyKev, 50.0);
    EXPECT_FALSE(f.hvl1Mm || f.hvl2Mm || f.homogeneity || f.effectiveEnergyKev);
    EXPECT_EQ(f.problem, problem);
  }
}

// ---------------------------------------------------------------------------
// Real spectra with the shipped tables

class BeamFiguresOfSpectra : public ::testing::Test {
 protected:
  // The spectrum's fluence, its figures kept and drawn as the spectrum screen does.
  const EnergyTable& Spectrum(const char* kilovolts) {
    const Outcome<tervolin::Spectrum> result =
        ComputeSpectrum({kilovolts, "12", "2.5", "0", "0"}, attenuation, air);
    EXPECT_TRUE(result);
    spectrum = result.Value();
    DrawSpectrumCurve(graph, spectrum.fluence, SpectrumCurveColour(0));
    DrawFiguresBox(graph, {spectrum.figures}, {spectrum.fluence}, Language::kJapanese);
    return spectrum.fluence;
  }
  BeamFigures Figures(const EnergyTable& fluence) const {
    return ComputeBeamFigures(fluence, attenuation.aluminium, air);
  }
  AttenuationTables attenuation = testing::ShippedAttenuation(TERVOLIN_TABLES_DIR);
  AirTable air = testing::ShippedAirTable(TERVOLIN_TABLES_DIR);
  tervolin::Spectrum spectrum;
  DisplayList graph;
};

// Newton's method on the transmitted kerma, with its derivative, in cm.
double ThicknessByNewton(const EnergyTable& fluence, const AttenuationTables& a, const AirTable& air, double share) {
  double t = 0.1;
  for (int i = 0; i < 100; ++i) {
    long double total = 0, passed = 0, slope = 0;
    for (int n = 1; n <= kEnergyBins; ++n) {
      const long double k = fluence[n] * 0.5L * n * air.muen[n];
      total += k;
      passed += k * std::exp(-a.aluminium[n] * t);
      slope -= k * a.aluminium[n] * std::exp(-a.aluminium[n] * t);
    }
    t -= static_cast<double>((passed / total - share) / (slope / total));
  }
  return t;
}

TEST_F(BeamFiguresOfSpectra, DefaultSpectrumAgreesWithAnIndependentCalculation) {
  const EnergyTable& fluence = Spectrum("100");
  const BeamFigures f = Figures(fluence);
  long double photons = 0, energy = 0;
  for (int n = 1; n <= kEnergyBins; ++n) {
    photons += fluence[n];
    energy += fluence[n] * 0.5L * n;
  }
  const double hvl1Cm = ThicknessByNewton(fluence, attenuation, air, 0.5);
  const double hvl2Cm = ThicknessByNewton(fluence, attenuation, air, 0.25) - hvl1Cm;
  // The aluminium coefficient ln 2 / HVL1 between two bins, as a power of the energy.
  const double mu = kLn2 / hvl1Cm;
  const EnergyTable& al = attenuation.aluminium;
  int n = 4;
  while (al[n + 1] > mu) ++n;
  const double effective = 0.5 * n * std::pow(mu / al[n], std::log((n + 1.0) / n) / std::log(al[n + 1] / al[n]));

  EXPECT_NEAR(*f.meanEnergyKev, static_cast<double>(energy / photons), 1e-9);
  EXPECT_NEAR(*f.hvl1Mm, 10.0 * hvl1Cm, 1e-4);
  EXPECT_NEAR(*f.hvl2Mm, 10.0 * hvl2Cm, 2e-4);
  EXPECT_NEAR(*f.homogeneity, hvl1Cm / hvl2Cm, 1e-4);
  EXPECT_NEAR(*f.effectiveEnergyKev, effective, 1e-3);
  EXPECT_LT(*f.homogeneity, 1.0);  // the beam hardens
  EXPECT_LT(*f.effectiveEnergyKev, *f.meanEnergyKev + 5.0);
}

// Half-value layers of 12°-tungsten, 2.5 mm Al beams given by published
// tube-spectrum models: about 2.7, 3.5 and 4.2 mm Al at 80, 100 and 120 kV.
TEST_F(BeamFiguresOfSpectra, FirstHalfValueLayersMatchPublishedModelsWithinTenPercent) {
  for (const auto& [kilovolts, published] : {std::pair{"80", 2.7}, std::pair{"100", 3.5}, std::pair{"120", 4.2}}) {
    const BeamFigures f = Figures(Spectrum(kilovolts));
    std::cout << kilovolts << " kV: " << FormatBeamFigures(f);
    ASSERT_TRUE(f.hvl1Mm);
    EXPECT_NEAR(*f.hvl1Mm, published, 0.1 * published) << kilovolts << " kV";
  }
}

// ---------------------------------------------------------------------------
// Text and drawing

TEST(BeamFiguresText, FiveLinesForTheCommandLine) {
  BeamFigures f{48.1249, 37.85, 3.6414, 4.9016, 0.74289};
  EXPECT_EQ(FormatBeamFigures(f),
            "mean energy: 48.12 keV\neffective energy: 37.85 keV\nHVL1: 3.641 mm Al\n"
            "HVL2: 4.902 mm Al\nhomogeneity coefficient: 0.743\n");
  f.hvl1Mm = f.hvl2Mm = f.homogeneity = f.effectiveEnergyKev = std::nullopt;
  EXPECT_EQ(FormatBeamFigures(f),
            "mean energy: 48.12 keV\neffective energy: —\nHVL1: —\nHVL2: —\nhomogeneity coefficient: —\n");
}

TEST_F(BeamFiguresOfSpectra, BoxInTheUpperRightWithTheLatestFiguresThenClearedWithTheCurves) {
  const BeamFigures f = Figures(Spectrum("100"));
  EXPECT_EQ(FormatBeamFigures(f), FormatBeamFigures(spectrum.figures));
  const std::vector<DrawingOperation> fills = graph.OfKind(DrawingKind::kFillBox);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].colour, kWhite);
  EXPECT_GT(std::min(fills[0].x1, fills[0].x2), SpectrumGraphX(100.0));
  EXPECT_LT(std::max(fills[0].x1, fills[0].x2), kSpectrumFrameRight);
  EXPECT_GT(std::min(fills[0].y1, fills[0].y2), kSpectrumFrameTop);
  EXPECT_LT(std::max(fills[0].y1, fills[0].y2), SpectrumGraphY(0.7));
  std::string printed;
  for (const DrawingOperation& op : graph.OfKind(DrawingKind::kPrint)) {
    if (op.x1 > fills[0].x1 && op.y1 < fills[0].y2) printed += op.text + "|";
  }
  EXPECT_NE(printed.find(FormatFigure(f.hvl1Mm, 3) + " mmAl"), std::string::npos) << printed;
  EXPECT_NE(printed.find(FormatFigure(f.meanEnergyKev, 2) + " keV"), std::string::npos) << printed;
  const std::vector<DrawingOperation> scales = graph.OfKind(DrawingKind::kTextScale);
  ASSERT_EQ(scales.size(), 2u);
  EXPECT_LT(scales[0].scale, 1.0);
  EXPECT_EQ(scales[1].scale, 1.0);

  ClearSpectrumGraph(graph);
  EXPECT_EQ(graph.OfKind(DrawingKind::kCls).size(), 1u);
}

TEST_F(BeamFiguresOfSpectra, WithoutTheAirTableTheBoxSaysWhy) {
  air.status = kAirTableMissing;
  Spectrum("100");
  std::vector<std::string> texts;
  for (const DrawingOperation& op : graph.OfKind(DrawingKind::kPrint)) texts.push_back(op.text);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "—"), 4);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "MuenAir.dat なし"), 1);
}

}  // namespace
}  // namespace tervolin
