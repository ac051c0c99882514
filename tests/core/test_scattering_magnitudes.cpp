// Coherent and incoherent scattering on one absolute scale: the cross section between
// the table's rows, the free electron's curves against Thomson's and Klein–Nishina's
// formulas with their textbook integrals, the refused inputs, and the value axis.
#include <gtest/gtest.h>

#include <cmath>
#include <variant>

#include "core/distributions.h"
#include "core/scattering_magnitudes.h"
#include "core/table_lookup.h"
#include "data/material_magnitudes.h"
#include "graphs/value_axis.h"
#include "support/shipped_tables.h"

namespace tervolin {
namespace {

double ThetaOf(int j) { return j / 180.0 * kProgramPi; }

// 3 (1 + cos²θ) / (16π): Thomson's dσ/dΩ per electron over σ_T = 8π r0² / 3.
double ThomsonPerSteradian(int j) { return 3.0 * (1.0 + std::pow(std::cos(ThetaOf(j)), 2)) / (16.0 * kProgramPi); }

// Klein–Nishina's dσ/dΩ over its total cross section σ_KN, k = E / m0c².
double KleinNishinaPerSteradian(int j, double k) {
  const double ratio = 1.0 / (1.0 + k * (1.0 - std::cos(ThetaOf(j))));
  const double perSteradian = 0.5 * ratio * ratio * (1.0 / ratio + ratio - std::pow(std::sin(ThetaOf(j)), 2));
  const double l = std::log(1.0 + 2.0 * k);
  const double total = 2.0 * kProgramPi *
                       ((1.0 + k) / (k * k) * (2.0 * (1.0 + k) / (1.0 + 2.0 * k) - l / k) + l / (2.0 * k) -
                        (1.0 + 3.0 * k) / std::pow(1.0 + 2.0 * k, 2));
  return perSteradian / total;
}

TEST(ScatteringMagnitudes, FreeElectronCurvesPerSteradianAreThomsonAndKleinNishinaOverTheirIntegrals) {
  const double energy = 60.0;
  const DistributionView freeElectron{View::kFreeElectron};  // needs no material table
  const MagnitudeInputs inputs{ComputeDistribution({kCoherent, kSingleEnergy, energy}, freeElectron, {}, {}),
                               ComputeDistribution({kIncoherent, kSingleEnergy, energy}, freeElectron, {}, {}), 2.0,
                               3.0};
  const auto result = CompareMagnitudes(inputs);
  ASSERT_TRUE(std::holds_alternative<ScatteringMagnitudes>(result));
  const ScatteringMagnitudes& m = std::get<ScatteringMagnitudes>(result);
  const AngleTable coherent = PerSolidAngle(m.coherent), incoherent = PerSolidAngle(m.incoherent);
  for (int j = 1; j <= kAngles; ++j) {
    EXPECT_NEAR(coherent[j] / (2.0 * ThomsonPerSteradian(j)), 1.0, 1e-6) << j << "°";
    EXPECT_NEAR(incoherent[j] / (3.0 * KleinNishinaPerSteradian(j, energy / 511.0)), 1.0, 1e-6) << j << "°";
    EXPECT_EQ(m.total[j], m.coherent[j] + m.incoherent[j]);
  }
  EXPECT_EQ(m.totalCrossSection, 5.0);
  EXPECT_DOUBLE_EQ(m.coherentShare, 40.0);
  EXPECT_DOUBLE_EQ(m.incoherentShare, 60.0);
}

TEST(ScatteringMagnitudes, CrossSectionFollowsAPowerLawBetweenRowsAndNothingOutsideTheTable) {
  EnergyTable powerLaw{};  // σ = 7 E^-2.5, which log-log interpolation follows exactly
  for (int n = 1; n <= kEnergyBins; ++n) powerLaw[n] = 7.0 * std::pow(BinEnergy(n), -2.5);
  for (double energy : {0.5, 0.61, 17.3, 60.0, 60.25, 149.99, 150.0}) {
    const auto sigma = CrossSectionAt(powerLaw, energy);
    ASSERT_TRUE(std::holds_alternative<double>(sigma)) << energy;
    EXPECT_NEAR(std::get<double>(sigma) / (7.0 * std::pow(energy, -2.5)), 1.0, 1e-12) << energy;
  }
  EXPECT_EQ(std::get<double>(CrossSectionAt(powerLaw, 60.0)), powerLaw[120]);  // a row is taken as it is
  for (double energy : {0.49, 150.01, 0.0, -60.0, std::nan("")}) {
    EXPECT_EQ(std::get<MagnitudeProblem>(CrossSectionAt(powerLaw, energy)), MagnitudeProblem::kEnergyOutsideTable);
  }
  powerLaw[121] = 0.0;
  EXPECT_EQ(std::get<MagnitudeProblem>(CrossSectionAt(powerLaw, 60.25)), MagnitudeProblem::kCannotCalculate);
}

TEST(ScatteringMagnitudes, RefusedInputs) {
  EnergyTable flat{}, none{};
  flat.fill(1.0);
  EXPECT_EQ(std::get<MagnitudeProblem>(MeanOverSpectrum(flat, none, 5)), MagnitudeProblem::kNoFluence);
  EXPECT_DOUBLE_EQ(std::get<double>(MeanOverSpectrum(flat, flat, 16)), 285.0 / 300.0);  // bins 16…300 of 300
  AngleTable shape{};
  shape.fill(1.0);
  EXPECT_EQ(std::get<MagnitudeProblem>(CompareMagnitudes({AngleTable{}, shape, 1.0, 1.0})),
            MagnitudeProblem::kCannotCalculate);  // a curve without area
  EXPECT_EQ(std::get<MagnitudeProblem>(CompareMagnitudes({shape, shape, std::nan(""), 1.0})),
            MagnitudeProblem::kCannotCalculate);
  EXPECT_EQ(std::get<MagnitudeProblem>(CompareMagnitudes({shape, shape, 0.0, 0.0})), MagnitudeProblem::kCannotCalculate);
}

// ∫₀^π f dθ by 3-point Gauss–Legendre (nodes 0, ±√0.6; weights 8/9, 5/9) on each 1/20°.
template <typename F>
double GaussLegendre(F f) {
  const double h = kProgramPi / 3600, node = std::sqrt(0.6) * h / 2;
  double sum = 0.0;
  for (double mid = h / 2; mid < kProgramPi; mid += h) sum += (8 * f(mid) + 5 * (f(mid - node) + f(mid + node))) * h / 18;
  return sum;
}

// The integral shown beside the table is that of the curve drawn: r₀²/2 · 2π · N_A/M ·
// ∫ (1 + cos²θ) sin θ F²(x) dθ, and the Klein–Nishina term × S(x), with F and S read
// from the same 45-row table (LogLogLookup), integrated here independently.
TEST(ScatteringMagnitudes, TheCurveIntegralShownIsTheDrawnCurvesWithinATenthOfAPercent) {
  for (const auto& [name, energy] : {std::pair{"水", 140.0}, std::pair{"鉛", 30.0}}) {
    const MaterialTables m = testing::ShippedMaterial(TERVOLIN_TABLES_DIR, name, true);
    const auto shown = std::get<ScatteringMagnitudes>(MaterialMagnitudes(TERVOLIN_TABLES_DIR, name, kSingleEnergy, energy, {}));
    const double perRadian = 0.5 * 2.8179403262e-13 * 2.8179403262e-13 * 2.0 * kProgramPi * 6.02214076e23 / *m.molarMass;
    const auto at = [&](double t, const XfsTable& column) { return LogLogLookup(std::sin(t / 2) * energy / 12.4, m.grid, column); };
    const double coherent =
        GaussLegendre([&](double t) { return (1 + std::pow(std::cos(t), 2)) * std::sin(t) * std::pow(at(t, m.formFactor), 2); });
    const double incoherent = GaussLegendre([&](double t) {
      const double r = 1 / (1 + energy / 511 * (1 - std::cos(t)));  // E′/E
      return r * r * (r + 1 / r - std::pow(std::sin(t), 2)) * std::sin(t) * at(t, m.scatterFunction);
    });
    EXPECT_NEAR(shown.coherentCurveIntegral / (coherent * perRadian), 1.0, 1e-3) << name;
    EXPECT_NEAR(shown.incoherentCurveIntegral / (incoherent * perRadian), 1.0, 1e-3) << name;
  }
}

TEST(ValueAxis, RoundLinearStepsAndWholeDecades) {
  const ValueAxis linear = LinearValueAxis(0.00734);
  EXPECT_EQ(linear.high, 0.008);
  EXPECT_EQ(linear.ticks.size(), 5u);  // 0, 0.002, …, 0.008
  EXPECT_EQ(TickText(linear, linear.ticks[3]), "0.006");
  const ValueAxis log = LogarithmicValueAxis(3e-12, 0.05);  // at most six decades
  EXPECT_DOUBLE_EQ(log.low, 1e-7);
  EXPECT_DOUBLE_EQ(log.high, 0.1);
  EXPECT_EQ(TickText(log, log.ticks.front()), "10⁻⁷");
  EXPECT_DOUBLE_EQ(AxisFraction(log, 1e-4), 0.5);
  EXPECT_LT(AxisFraction(log, 0.0), -1e300);
}

}  // namespace
}  // namespace tervolin
