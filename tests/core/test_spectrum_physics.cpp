// The pieces of the X-ray tube spectrum model, checked against values worked out
// by hand or with an independent calculator from the formulas they stand for.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/failure_rule.h"
#include "core/spectrum_physics.h"

namespace tervolin {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(SpectrumPhysics, ThomsonWhiddingtonConstantAtKnownVoltages) {
  EXPECT_NEAR(ThomsonWhiddingtonConstant(100.0), 702526.2, 1e-6);
  EXPECT_NEAR(ThomsonWhiddingtonConstant(150.0), 840447.5125, 1e-6);
  EXPECT_NEAR(ThomsonWhiddingtonConstant(30.0), 420667.24402, 1e-6);
  EXPECT_NEAR(ThomsonWhiddingtonConstant(0.0), 141766.0, 0.0);
}

// Powers are repeated products and sums run from left to right; other orders (pow,
// Horner's scheme) differ in the last bit at these voltages.
TEST(SpectrumPhysics, ThomsonWhiddingtonConstantToTheLastBit) {
  EXPECT_EQ(ThomsonWhiddingtonConstant(99.7), 701732.9066301761);
  EXPECT_EQ(ThomsonWhiddingtonConstant(141.3), 814495.2308667811);
  EXPECT_EQ(ThomsonWhiddingtonConstant(100.3), 703318.8643117071);
}

TEST(SpectrumPhysics, KLinePercentageIsZeroUpToSeventyKilovolts) {
  EXPECT_EQ(KLinePercentage(70.0), 0.0);
  EXPECT_EQ(KLinePercentage(69.9), 0.0);
  EXPECT_EQ(KLinePercentage(30.0), 0.0);
  // Just above 70 kV the fitted curve starts a hair below zero.
  EXPECT_LT(KLinePercentage(70.0000001), 0.0);
  EXPECT_GT(KLinePercentage(70.0000001), -1e-4);
}

TEST(SpectrumPhysics, KLinePercentageAboveSeventyKilovolts) {
  EXPECT_NEAR(KLinePercentage(100.0), 2.7999997439472697, 1e-12);
  EXPECT_NEAR(KLinePercentage(150.0), 5.083505778794773, 1e-12);
}

TEST(SpectrumPhysics, LastComputedBinIsTwiceTheVoltageRoundedDown) {
  EXPECT_EQ(LastComputedBin(30.0), 60);
  EXPECT_EQ(LastComputedBin(100.0), 200);
  EXPECT_EQ(LastComputedBin(100.3), 200);
  EXPECT_EQ(LastComputedBin(100.49), 200);
  EXPECT_EQ(LastComputedBin(100.5), 201);
  EXPECT_EQ(LastComputedBin(150.0), 300);
}

TEST(SpectrumPhysics, TargetAngleCotangentUsesTheFiveDecimalPi) {
  EXPECT_NEAR(TargetAngleCotangent(12.0), 4.704634201944359, 1e-12);
  // 45° × 3.14159 / 180 lies a little below π/4.
  EXPECT_NEAR(TargetAngleCotangent(45.0), 1.0000013267957768, 1e-13);
  // 90° is not quite π/2 either: a tiny positive cotangent, no failure.
  EXPECT_NEAR(TargetAngleCotangent(90.0), 1.3267948966787007e-06, 1e-15);
  // Above 90° the cotangent is negative; at 180° hugely so.
  EXPECT_NEAR(TargetAngleCotangent(180.0), -376847.99756974104, 1e-6);
  EXPECT_LT(TargetAngleCotangent(100.0), 0.0);
}

TEST(SpectrumPhysics, TargetAngleCotangentFailsWhereTheTangentVanishesOrIsUndefined) {
  EXPECT_THROW(TargetAngleCotangent(0.0), ArithmeticFailure);
  EXPECT_THROW(TargetAngleCotangent(kInf), ArithmeticFailure);
  EXPECT_THROW(TargetAngleCotangent(-kInf), ArithmeticFailure);
  EXPECT_THROW(TargetAngleCotangent(std::nan("")), ArithmeticFailure);
}

TEST(SpectrumPhysics, ShapeFactorAtTheEndsOfTheEnergyRatio) {
  // x = 1: 1 − 5.049 + 10.847 − 10.516 + 3.842 = 0.124.
  EXPECT_NEAR(BremsstrahlungShapeFactor(30.0, 1.0), 0.004643799999999971, 1e-17);
  EXPECT_NEAR(BremsstrahlungShapeFactor(100.0, 1.0), (0.03658 + 0.0029) * 0.124, 1e-15);
  // x = 0 leaves the voltage-dependent amplitude alone.
  EXPECT_NEAR(BremsstrahlungShapeFactor(100.0, 0.0), 0.03948, 1e-15);
  EXPECT_NEAR(BremsstrahlungShapeFactor(100.0, 0.5), 0.0044563049999999885, 1e-17);
}

TEST(SpectrumPhysics, ShapeFactorToTheLastBit) {
  EXPECT_EQ(BremsstrahlungShapeFactor(30.0, 29.5 / 30.0), 0.0043771892946681415);
  EXPECT_EQ(BremsstrahlungShapeFactor(150.0, 0.8193), 0.0037740942149652678);
  EXPECT_EQ(BremsstrahlungShapeFactor(100.3, 0.6), 0.0040273419446399715);
}

TEST(SpectrumPhysics, DivisorFallsFromItsValueAtRestTowardsItsConstant) {
  EXPECT_NEAR(BremsstrahlungDivisor(0.0), 1238.51, 1e-10);
  EXPECT_NEAR(BremsstrahlungDivisor(30.0), 455.74657567759334, 1e-10);
  EXPECT_NEAR(BremsstrahlungDivisor(1e6), 202.41, 0.0);
}

TEST(SpectrumPhysics, AnodePathLength) {
  const double c = ThomsonWhiddingtonConstant(100.0);
  // An electron still at the tube voltage is at the surface.
  EXPECT_EQ(AnodePathLength(100.0, 100.0, c, 4.7), 0.0);
  EXPECT_EQ(AnodePathLength(100.0, 100.0, c, -376847.0), 0.0);
  // Fully slowed down, at κ = 1: V² / (19.3 · C) cm.
  EXPECT_NEAR(AnodePathLength(100.0, 0.0, c, 1.0), 0.0007375308067171114, 1e-18);
  EXPECT_NEAR(AnodePathLength(100.0, 0.0, c, -2.0), -2 * 0.0007375308067171114, 1e-18);
  // Divided by 19.3 · C first, then multiplied by κ.
  EXPECT_EQ(AnodePathLength(100.3, 7.5, ThomsonWhiddingtonConstant(100.3), 4.704634201944359),
            0.0034672329676296004);
}

TEST(SpectrumPhysics, BremsstrahlungOfTheHighestBinHasOneTermWithoutAbsorption) {
  const SpectrumConstants k{30.0, TargetAngleCotangent(12.0), ThomsonWhiddingtonConstant(30.0)};
  // E = T = V: ((1 + 511/30) × B(30, 1)) / D(30), whatever tungsten absorbs.
  EXPECT_NEAR(TargetBremsstrahlung(60, 50.0, k), 0.00018374947350690548, 1e-18);
  EXPECT_EQ(TargetBremsstrahlung(60, 5000.0, k), TargetBremsstrahlung(60, 50.0, k));
}

TEST(SpectrumPhysics, BremsstrahlungSumsElectronEnergiesInHalfKilovoltSteps) {
  const SpectrumConstants k{30.0, TargetAngleCotangent(12.0), ThomsonWhiddingtonConstant(30.0)};
  // Bin 59 (29.5 keV): electron energies 29.5 and 30.0 keV.
  EXPECT_NEAR(TargetBremsstrahlung(59, 50.0, k), 0.0003572995825716943, 1e-18);
  // Without absorption, bin 2 (1 keV) sums the 59 energies 1.0 … 30.0 keV.
  EXPECT_NEAR(TargetBremsstrahlung(2, 0.0, k), 0.07577040308060441, 1e-15);
}

TEST(SpectrumPhysics, BremsstrahlungStopsAtTheLastElectronEnergyBelowTheVoltage) {
  const SpectrumConstants k{100.3, TargetAngleCotangent(12.0), ThomsonWhiddingtonConstant(100.3)};
  // At 100.3 kV bin 200 (100 keV) has the single term T = 100.0, absorbed in the anode.
  EXPECT_NEAR(TargetBremsstrahlung(200, 80.0, k), 0.00014096796477102688, 1e-18);
  EXPECT_NEAR(TargetBremsstrahlung(199, 80.0, k), 0.0002794106457623365, 1e-18);
  // A photon above every electron energy has no source.
  EXPECT_EQ(TargetBremsstrahlung(201, 80.0, k), 0.0);
}

TEST(SpectrumPhysics, BremsstrahlungOverflowFromAnAnodeAngleNearHalfATurnFails) {
  const SpectrumConstants k{100.0, TargetAngleCotangent(179.9), ThomsonWhiddingtonConstant(100.0)};
  EXPECT_THROW(TargetBremsstrahlung(2, 70000.0, k), ArithmeticFailure);
}

TEST(SpectrumPhysics, FilteredFluenceDividesByThePhotonEnergy) {
  const Filtration none{0.0, 0.0, 0.0};
  EXPECT_EQ(FilteredFluence(200, 3.0, 5.0, 7.0, none), 0.03);
  EXPECT_EQ(FilteredFluence(1, 3.0, 5.0, 7.0, none), 6.0);
}

TEST(SpectrumPhysics, FilteredFluenceAttenuatesByAluminiumAndCopper) {
  // Inherent and added aluminium act together: exp(−2 × 0.3) = 0.5488116….
  EXPECT_NEAR(FilteredFluence(2, 1.0, 2.0, 9.0, {0.1, 0.2, 0.0}), 0.5488116360940264, 1e-15);
  EXPECT_NEAR(FilteredFluence(2, 1.0, 0.0, 4.0, {0.1, 0.0, 0.25}), std::exp(-1.0), 1e-15);
  // A negative copper thickness amplifies.
  EXPECT_NEAR(FilteredFluence(2, 1.0, 0.0, 4.0, {0.1, 0.0, -0.25}), std::exp(1.0), 1e-15);
}

TEST(SpectrumPhysics, FilteredFluenceFailsOnOverflowAndInvalidThicknesses) {
  EXPECT_THROW(FilteredFluence(2, 1.0, 1.0, 1000.0, {0.1, 0.0, -10.0}), ArithmeticFailure);
  EXPECT_THROW(FilteredFluence(2, 1.0, 1.0, 1.0, {kInf, -kInf, 0.0}), ArithmeticFailure);
  // Two large but finite factors whose product overflows.
  EXPECT_THROW(FilteredFluence(2, 1e300, 1.0, 1.0, {0.1, -700.0, 0.0}), ArithmeticFailure);
  // Filters that absorb everything leave 0, no failure.
  EXPECT_EQ(FilteredFluence(2, 1.0, 1.0, 1.0, {0.1, 10000.0, 0.0}), 0.0);
}

}  // namespace
}  // namespace tervolin
