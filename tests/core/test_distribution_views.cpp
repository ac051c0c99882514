// The teaching views of the distributions: the free electron's curves (Thomson and
// Klein–Nishina) and the distributions per unit solid angle, on the shipped tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "core/distributions.h"
#include "core/failure_rule.h"
#include "core/spectrum_model.h"
#include "support/shipped_tables.h"

namespace tervolin {
namespace {

constexpr DistributionView kPerAngle{};
constexpr DistributionView kFreeElectron{View::kFreeElectron};
constexpr DistributionView kPerSolidAngle{View::kPerSolidAngle};
constexpr DistributionView kFreeElectronPerSolidAngle{View::kFreeElectron, View::kPerSolidAngle};

// A material's shipped tables and, for the spectral distributions, the default
// 100-kV spectrum.
class ShippedDistributions : public ::testing::Test {
 protected:
  void Load(const char* material, bool spectral) {
    tables = testing::ShippedMaterial(TERVOLIN_TABLES_DIR, material, spectral);
    if (!spectral) return;
    const AttenuationTables attenuation = testing::ShippedAttenuation(TERVOLIN_TABLES_DIR);
    fluence = ComputeSpectrum(DefaultTubeSettings(), attenuation, {}).Value().fluence;
  }
  AngleTable Compute(const DistributionRequest& request, const DistributionView& view) const {
    return ComputeDistribution(request, view, tables, fluence);
  }
  AngleTable Single(ScatterKind scatter, double energy, const DistributionView& view) const {
    return Compute({scatter, kSingleEnergy, energy}, view);
  }
  MaterialTables tables;
  EnergyTable fluence{};
};

// ((cos θ)² + 1) × sin θ at the program's angles, scaled to a maximum of 1.
AngleTable ThomsonPerAngle() {
  AngleTable t{};
  for (int j = 1; j <= kAngles; ++j) {
    const double theta = j / 180.0 * kProgramPi;
    t[j] = (std::cos(theta) * std::cos(theta) + 1.0) * std::sin(theta);
  }
  const double maximum = *std::max_element(t.begin() + 1, t.end());
  for (double& v : t) v /= maximum;
  return t;
}

int PeakAngle(const AngleTable& d) { return static_cast<int>(std::max_element(d.begin() + 1, d.end()) - d.begin()); }

class FreeElectronCurves : public ShippedDistributions {
 protected:
  void SetUp() override { Load("水素", false); }
};

TEST_F(FreeElectronCurves, CoherentIsThomsonAtEveryEnergy) {
  const AngleTable thomson = ThomsonPerAngle();
  for (double energy : {1.0, 60.0, 150.0, 2000.0}) {  // no table limit for a free electron
    const AngleTable d = Single(kCoherent, energy, kFreeElectron);
    for (int j = 1; j <= kAngles; ++j) EXPECT_NEAR(d[j], thomson[j], 1e-14) << energy << " keV, " << j << "°";
  }
}

TEST_F(FreeElectronCurves, KleinNishinaTendsToThomsonAndLeansForwardWithEnergy) {
  const AngleTable thomson = ThomsonPerAngle();
  const AngleTable at1keV = Single(kIncoherent, 1.0, kFreeElectron);
  for (int j = 1; j <= kAngles; ++j) EXPECT_NEAR(at1keV[j], thomson[j], 0.01) << j << "°";
  // At 511 keV, per solid angle: 1 forward, (1/3)² (1/3 + 3) / 2 = 0.185 back.
  const AngleTable perSolidAngle = Single(kIncoherent, 511.0, kFreeElectronPerSolidAngle);
  EXPECT_EQ(PeakAngle(perSolidAngle), 1);
  EXPECT_NEAR(perSolidAngle[180], 0.18519, 1e-3);
  EXPECT_LT(perSolidAngle[90], 0.5 * Single(kIncoherent, 1.0, kFreeElectronPerSolidAngle)[90]);
  EXPECT_LT(PeakAngle(Single(kIncoherent, 511.0, kFreeElectron)), 60);
}

TEST_F(FreeElectronCurves, HydrogensIncoherentCurveMeetsKleinNishinaAtLargeAngles) {
  const AngleTable atom = Single(kIncoherent, 100.0, kPerAngle);
  const AngleTable free = Single(kIncoherent, 100.0, kFreeElectron);
  for (int j = 91; j <= kAngles; ++j) EXPECT_NEAR(atom[j], free[j], 0.01 * free[j] + 1e-9) << j << "°";
  EXPECT_LT(atom[1], 0.5 * free[1]);  // S(x) → 0 forward
}

// Per solid angle F² falls from 1° to 90° together with 1 + cos²θ. Beyond 90°
// x = sin(θ/2)/λ hardly grows while 1 + cos²θ rises towards 2, so the curve rises
// again slightly, by less than 1 % of the forward peak for lead.
using PerSolidAngle = ShippedDistributions;

TEST_F(PerSolidAngle, HeavyAtomsCoherentCurvePeaksForwardAndFalls) {
  Load("鉛", false);
  for (double energy : {30.0, 60.0, 100.0}) {
    const AngleTable d = Single(kCoherent, energy, kPerSolidAngle);
    EXPECT_EQ(d[1], 1.0) << energy;
    EXPECT_TRUE(std::is_sorted(d.rend() - 91, d.rend() - 1)) << energy;  // 90° … 1°
    EXPECT_LT(*std::max_element(d.begin() + 91, d.end()), d[90] + 0.01) << energy;
    EXPECT_GT(d[180], 0.0) << energy;
  }
  // Without sin θ the back direction is no longer suppressed by 2.65×10⁻⁶.
  EXPECT_GT(Single(kCoherent, 60.0, kPerSolidAngle)[180], 1e4 * Single(kCoherent, 60.0, kPerAngle)[180]);
  // The free electron per solid angle: (1 + cos²θ) / 2, 1 at 180°, ½ at 90°.
  const AngleTable thomson = Single(kCoherent, 60.0, kFreeElectronPerSolidAngle);
  EXPECT_EQ(thomson[180], 1.0);
  EXPECT_NEAR(thomson[90], 0.5, 1e-10);
}

// The view is the caller's choice only: every view is scaled to 1, the default view
// differs from the others, and the returned outcome is the thrown-or-returned table.
class ViewsOfOneRequest : public ShippedDistributions {
 protected:
  void ExpectViewsApart(const DistributionRequest& request) {
    const AngleTable perAngle = Compute(request, kPerAngle);
    const AngleTable perSolidAngle = Compute(request, kPerSolidAngle);
    EXPECT_EQ(*std::max_element(perSolidAngle.begin() + 1, perSolidAngle.end()), 1.0);
    EXPECT_EQ(*std::max_element(perAngle.begin() + 1, perAngle.end()), 1.0);
    EXPECT_NE(Compute(request, kFreeElectronPerSolidAngle), perAngle);
    EXPECT_EQ(Distribution(request, {}, tables, fluence).Value(), perAngle);
  }
};

TEST_F(ViewsOfOneRequest, SingleEnergy) {
  Load("鉄", false);
  ExpectViewsApart({kCoherent, kSingleEnergy, 59.3});
  Load("水", false);
  ExpectViewsApart({kIncoherent, kSingleEnergy, 59.3});
}

TEST_F(ViewsOfOneRequest, Spectral) {
  Load("鉛", true);
  ExpectViewsApart({kCoherent, kSpectral, 0.0});
  Load("PMMA", true);
  ExpectViewsApart({kIncoherent, kSpectral, 0.0});
}

// Each bin adds its probability density of the angle: a spectrum of one bin gives
// that energy's curve in every view, and over a whole spectrum the per-solid-angle
// curve is the per-angle one divided by sin θ.
TEST_F(ViewsOfOneRequest, SpectralSumsAreSumsOfEachEnergysDensity) {
  const struct {
    const char* material;
    ScatterKind scatter;
  } cases[] = {{"鉄", kCoherent}, {"水", kIncoherent}};
  for (const auto& c : cases) {
    Load(c.material, true);
    const AngleTable wholeSpectrum = Compute({c.scatter, kSpectral, 0.0}, kPerAngle);
    AngleTable divided{};
    for (int j = 1; j <= kAngles; ++j) divided[j] = wholeSpectrum[j] / std::sin(j / 180.0 * kProgramPi);
    const double largest = *std::max_element(divided.begin() + 1, divided.end());
    const AngleTable perSolidAngle = Compute({c.scatter, kSpectral, 0.0}, kPerSolidAngle);
    for (int j = 1; j <= kAngles; ++j) EXPECT_NEAR(perSolidAngle[j], divided[j] / largest, 1e-12) << c.material << j;
    fluence = {};
    fluence[120] = 0.25;  // 60 keV alone
    for (const DistributionView& view : {kPerAngle, kFreeElectron, kPerSolidAngle, kFreeElectronPerSolidAngle}) {
      const AngleTable oneBin = Compute({c.scatter, kSpectral, 0.0}, view);
      const AngleTable single = Single(c.scatter, 60.0, view);
      for (int j = 1; j <= kAngles; ++j) EXPECT_NEAR(oneBin[j], single[j], 1e-12) << c.material << j;
    }
  }
}

TEST_F(ViewsOfOneRequest, FailuresAreThrownOrReturned) {
  Load("鉄", false);
  EXPECT_THROW(Single(kCoherent, 0.0, kFreeElectron), ArithmeticFailure);
  EXPECT_FALSE(Distribution({kCoherent, kSingleEnergy, 0.0}, kFreeElectron, tables, fluence));
}

}  // namespace
}  // namespace tervolin
