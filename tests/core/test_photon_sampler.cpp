// Photons fired one by one: the random numbers against the generators' published
// outputs, and histograms of 10⁵ photons against the curves they must become, by a
// χ² test at fixed seeds.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/photon_sampler.h"
#include "core/spectrum_model.h"
#include "tests/support/shipped_tables.h"

namespace tervolin {
namespace {

using testing::ShippedAttenuation;
using testing::ShippedMaterial;

// splitmix64 from seed 1234567: the test vector published with its reference code.
// xoshiro256** from the state {1, 2, 3, 4}: 11520, 0, 1509978240, worked by hand
// from the generator's definition.
TEST(PhotonRandom, GivesTheGeneratorsReferenceOutputs) {
  std::uint64_t seed = 1234567;
  EXPECT_EQ(SplitMix64(seed), 6457827717110365317ULL);
  EXPECT_EQ(SplitMix64(seed), 3203168211198807973ULL);
  PhotonRandom random(std::array<std::uint64_t, 4>{1, 2, 3, 4});
  for (const std::uint64_t expected : {11520ULL, 0ULL, 1509978240ULL}) EXPECT_EQ(random.Next(), expected);
}

// The curve per unit angle as trapezoids over 1° bins (0 at 0°), bins whose count
// would be under 5 merged into the next: χ² of the histogram against them and the
// number of merged bins.
std::pair<double, int> ChiSquare(const AngleTable& curve, const PhotonHistogram& histogram) {
  double area = 0.0;
  for (int k = 1; k <= kAngles; ++k) area += 0.5 * ((k == 1 ? 0.0 : curve[k - 1]) + curve[k]);
  double chi = 0.0, expected = 0.0, observed = 0.0;
  int bins = 0;
  for (int k = 1; k <= kAngles; ++k) {
    expected += 0.5 * ((k == 1 ? 0.0 : curve[k - 1]) + curve[k]) / area * double(histogram.fired);
    observed += double(histogram.counts[k]);
    if (expected < 5.0 && k < kAngles) continue;
    chi += (observed - expected) * (observed - expected) / expected;
    expected = observed = 0.0;
    ++bins;
  }
  return {chi, bins};
}

struct FiredCase {
  const char* what;
  ScatterKind scatter;
  const char* material;
  double energyKeV;  // 0: over the spectrum of a 100 kV tube with 2.5 mm Al
  std::uint64_t seed;
};

// 10⁵ photons fill a histogram that passes χ² against the curve the graph draws (at
// the 10⁻⁴ level, df + 4·√(2 df)); over a spectrum only if each energy is picked by
// fluence × cross section, as the spectral curve weights it.
TEST(PhotonSource, HistogramsOfManyPhotonsBecomeTheCurve) {
  const FiredCase cases[] = {
      {"coherent, water, 60 keV", kCoherent, "水", 60.0, 1},
      {"incoherent, lead, 30 keV", kIncoherent, "鉛", 30.0, 2},
      {"coherent, water, spectrum", kCoherent, "水", 0.0, 3},
      {"incoherent, iron, spectrum", kIncoherent, "鉄", 0.0, 4},
  };
  const EnergyTable fluence =
      ComputeSpectrum({"100", "12", "2.5", "0", "0"}, ShippedAttenuation(TERVOLIN_TABLES_DIR), {}).Value().fluence;
  for (const FiredCase& c : cases) {
    const bool spectral = c.energyKeV == 0.0;
    const MaterialTables material = ShippedMaterial(TERVOLIN_TABLES_DIR, c.material, spectral);
    const DistributionRequest request{c.scatter, spectral ? kSpectral : kSingleEnergy, c.energyKeV};
    const AngleTable curve = ComputeDistribution(request, {}, material, fluence);
    const PhotonSource source = spectral ? PhotonSource(c.scatter, SpectralParts(c.scatter, material, fluence))
                                         : PhotonSource(c.scatter, c.energyKeV, curve);
    PhotonRandom random(c.seed);
    PhotonHistogram histogram;
    for (int i = 0; i < 100000; ++i) histogram.Add(source.Fire(random).thetaDeg);
    const auto [chi, bins] = ChiSquare(curve, histogram);
    EXPECT_LT(chi, (bins - 1) + 4.0 * std::sqrt(2.0 * (bins - 1))) << c.what << ", " << bins << " bins";
  }
}

// Quantiles worked by hand: a density growing as θ has 180°·√p; one of 2 from 1° on,
// rising from 0 at 0° (area 1 + 179·2), has √(359 p) in the first degree and
// 1° + (359 p − 1)/2 above it.
TEST(AngleSampler, DrawsTheQuantilesOfTheDensity) {
  AngleTable rising{}, flat{};
  for (int j = 1; j <= kAngles; ++j) rising[j] = j, flat[j] = 2.0;
  for (const double p : {0.001, 0.25, 0.5, 0.9, 0.999999}) {
    EXPECT_NEAR(AngleSampler(rising).Angle(p), 180.0 * std::sqrt(p), 1e-9) << p;
    EXPECT_NEAR(AngleSampler(flat).Angle(p), 359 * p < 1 ? std::sqrt(359 * p) : 1 + (359 * p - 1) / 2, 1e-9) << p;
  }
}

// Compton's formula at its limits: E′ = E forward; 60 keV back-scattered is
// 60 / (1 + 120/511) = 48.59 keV; a photon of 511 keV at 90° keeps half its energy.
TEST(PhotonSource, ScatteredEnergiesFollowComptonsFormula) {
  EXPECT_DOUBLE_EQ(ComptonScatteredEnergy(60.0, 0.0), 60.0);
  EXPECT_NEAR(ComptonScatteredEnergy(60.0, 180.0), 48.5895, 1e-4);
  EXPECT_NEAR(ComptonScatteredEnergy(511.0, 90.0), 255.5, 1e-9);
}

}  // namespace
}  // namespace tervolin
