#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/distributions.h"
#include "core/failure_rule.h"
#include "core/messages.h"
#include "core/scattering_terms.h"
#include "support/synthetic_tables.h"

namespace tervolin {
namespace {

class MonoenergeticDistribution : public ::testing::Test {
 protected:
  Outcome<AngleTable> Compute(ScatterKind scatter, double energy) const {
    return Distribution({scatter, kSingleEnergy, energy}, {}, material, EnergyTable{});
  }
  static void ExpectFailedWithMessage(const Outcome<AngleTable>& d) {
    ASSERT_FALSE(d);
    EXPECT_EQ(d.Fault().kind, TextId::kEnergyNotCalculable);
  }
  MaterialTables material = testing::SyntheticMaterial();
};

TEST_F(MonoenergeticDistribution, AnglesUseTheProgramsFiveDecimalPi) {
  const ScatteringAngle at1 = AngleAt(1, WavelengthFromEnergy(100.0), kProgramPi);
  const ScatteringAngle at180 = AngleAt(180, WavelengthFromEnergy(100.0), kProgramPi);
  EXPECT_NEAR(at1.momentumTransfer, 0.0703752, 1e-7);
  EXPECT_NEAR(at180.momentumTransfer, 8.0645161, 1e-7);
  EXPECT_EQ(at180.theta, 3.14159);
  EXPECT_NEAR(at180.sinTheta, 2.65358979e-6, 1e-14);
  EXPECT_EQ(AngleAt(90, 1.0, kProgramPi).theta, 1.570795);
}

TEST_F(MonoenergeticDistribution, CoherentCurveIsScaledToOne) {
  const Outcome<AngleTable> result = Compute(kCoherent, 100.0);
  ASSERT_TRUE(result);
  const AngleTable& d = result.Value();
  EXPECT_EQ(*std::max_element(d.begin() + 1, d.end()), 1.0);
  EXPECT_TRUE(std::all_of(d.begin() + 1, d.end(), [](double v) { return v > 0.0; }));
  EXPECT_LT(d[180], 1e-4);
  EXPECT_EQ(d[0], 0.0);
}

TEST_F(MonoenergeticDistribution, CoherentValuesFollowThomsonTimesFormFactorSquared) {
  // Independent of the scale: ratio of two angles.
  auto unscaled = [](int j) {
    const double theta = j / 180.0 * 3.14159;
    const double x = std::sin(theta / 2) / 0.124;
    const double f = 6.0 / (1.0 + 4.0 * x * x);  // the synthetic table is a smooth curve
    return (std::cos(theta) * std::cos(theta) + 1) * std::sin(theta) * f * f;
  };
  const AngleTable d = Compute(kCoherent, 100.0).Value();
  EXPECT_NEAR(d[30] / d[60], unscaled(30) / unscaled(60), 0.02 * unscaled(30) / unscaled(60));
}

TEST_F(MonoenergeticDistribution, SameInputsGiveIdenticalArrays) {
  EXPECT_EQ(Compute(kIncoherent, 59.3).Value(), Compute(kIncoherent, 59.3).Value());
}

// The synthetic table's first row, 0.001 Å⁻¹, is x at 1° for 12.4 × 0.001 / sin 0.5° =
// 1.42095 keV; the energy tables end at 150 keV. Outside, nothing is computed.
TEST_F(MonoenergeticDistribution, EnergiesOutsideTheInterpolatedTablesFailWithTheRange) {
  for (const double energy : {0.0, -20.0, std::numeric_limits<double>::infinity(), 1e-320, 1e-300, 1.4209, 150.001,
                              1e10}) {
    SCOPED_TRACE(energy);
    ExpectFailedWithMessage(Compute(kCoherent, energy));
    ExpectFailedWithMessage(Compute(kIncoherent, energy));
  }
  EXPECT_EQ(Compute(kCoherent, 1e10).Fault().parameters, (std::vector<std::string>{"1e+10", "1.43", "150"}));
  EXPECT_NEAR(SingleEnergyRange(material).lowestKev, 1.42095, 1e-5);
  for (const double energy : {1.4210, 1.43, 150.0}) EXPECT_TRUE(Compute(kIncoherent, energy)) << energy;
}

TEST_F(MonoenergeticDistribution, SearchPastTheLastRowFails) {
  for (int r = 1; r <= kXfsRows; ++r) material.grid[r] = 0.01 * std::pow(1000.0, (r - 1) / 44.0);
  ExpectFailedWithMessage(Compute(kCoherent, 200.0));  // x reaches 10 Å⁻¹ at 77°
  // x = E/12.4 at 180° reaches the last row, 10 Å⁻¹, at 124 keV; x at 1° the first,
  // 0.01 Å⁻¹, at 14.2 keV.
  const std::vector<std::string> reason{"200", "14.3", "124"};
  EXPECT_EQ(Compute(kCoherent, 200.0).Fault().parameters, reason);
  EXPECT_THROW(ComputeDistribution({kCoherent, kSingleEnergy, 200.0}, {}, material, {}), ArithmeticFailure);
  EXPECT_TRUE(Compute(kCoherent, 100.0));  // 8.06 Å⁻¹ at 180°: inside the table
}

TEST_F(MonoenergeticDistribution, AZeroInRowOneFailsOnlyBelowRowTwo) {
  material.scatterFunction[1] = 0.0;
  ExpectFailedWithMessage(Compute(kIncoherent, 1.0));  // x at 1° is 0.0000704 Å⁻¹, below row 2
  EXPECT_TRUE(Compute(kIncoherent, 100.0));
  material.grid[1] = 0.0;
  ExpectFailedWithMessage(Compute(kCoherent, 1.0));
}

// A spectrum of two bins is the two single-energy probability densities of the angle,
// each weighted by its fluence × the material's cross section of the kind, written
// out here with Simpson's rule over the 1° grid. Counting the cross section twice, or
// not at all, or leaving a density unnormalised changes the mix of the two shapes.
TEST(SpectralDistribution, TwoBinsMixTheTwoDensitiesByFluenceTimesCrossSection) {
  const auto density = [](const AngleTable& d) {
    double sum = 0.0;  // Simpson: weights 1, 4, 2, …, 4, 1 over 0°…180°, f(0°) = 0
    for (int j = 1; j <= 180; ++j) sum += d[j] * (j == 180 ? 1 : j % 2 == 1 ? 4 : 2);
    return sum * (3.14159 / 180) / 3;
  };
  MaterialTables material = testing::SyntheticMaterial();
  EnergyTable fluence{};
  fluence[40] = 1.0;  // 20 keV
  fluence[120] = 3.0;  // 60 keV
  for (const ScatterKind kind : {kCoherent, kIncoherent}) {
    EnergyTable& sigma = kind == kCoherent ? material.coherent : material.incoherent;
    sigma[40] = 2.0;  // cm²/g
    sigma[120] = 0.5;
    const AngleTable at20 = Distribution({kind, kSingleEnergy, 20.0}, {}, material, {}).Value();
    const AngleTable at60 = Distribution({kind, kSingleEnergy, 60.0}, {}, material, {}).Value();
    const AngleTable mixed = Distribution({kind, kSpectral, 0.0}, {}, material, fluence).Value();
    AngleTable expected{};
    for (int j = 1; j <= 180; ++j) expected[j] = 1.0 * 2.0 * at20[j] / density(at20) + 3.0 * 0.5 * at60[j] / density(at60);
    const double top = *std::max_element(expected.begin() + 1, expected.end());
    for (int j = 1; j <= 180; ++j) EXPECT_NEAR(mixed[j], expected[j] / top, 1e-9) << "kind " << kind << ", θ = " << j;
  }
}

TEST(ComptonKinematics, ScatteredEnergiesAndKleinNishinaFactorAt100keV) {
  const double wavelength = WavelengthFromEnergy(100.0);
  const struct {
    int degrees;
    double scattered;
    double factor;
  } expected[] = {{1, 99.99701957, 0.03489738738}, {90, 83.63340605, 0.7218571563},
                  {180, 71.87060478, 2.892267744e-6}};
  for (const auto& e : expected) {
    const ScatteringAngle a = AngleAt(e.degrees, wavelength, kProgramPi);
    const ComptonScattering compton = ComptonAt(100.0, a);
    EXPECT_NEAR(compton.scattered, e.scattered, 1e-8) << e.degrees;
    const double factor = KleinNishinaEnergyRatioSquared(compton) * KleinNishinaBracket(compton, a) * a.sinTheta;
    EXPECT_NEAR(factor, e.factor, e.factor * 1e-9) << e.degrees;
  }
}

TEST(ComptonKinematics, At511keVBackscatterLeavesOneThird) {
  const double wavelength = WavelengthFromEnergy(511.0);
  EXPECT_NEAR(ComptonAt(511.0, AngleAt(180, wavelength, kProgramPi)).scattered, 170.3333333, 1e-7);
  EXPECT_NEAR(ComptonAt(511.0, AngleAt(90, wavelength, kProgramPi)).scattered, 255.5001695, 1e-7);
}

TEST(ComptonKinematics, KleinNishinaTendsToThomsonAtLowEnergy) {
  const double wavelength = WavelengthFromEnergy(0.001);
  for (int degrees : {10, 60, 120, 170}) {
    const ScatteringAngle a = AngleAt(degrees, wavelength, kProgramPi);
    const ComptonScattering compton = ComptonAt(0.001, a);
    const double kleinNishina = KleinNishinaEnergyRatioSquared(compton) * KleinNishinaBracket(compton, a);
    EXPECT_NEAR(kleinNishina, a.cosTheta * a.cosTheta + 1.0, 1e-4) << degrees;
  }
}

}  // namespace
}  // namespace tervolin
