// The distributions are reproducible to the last bit: any change of the order of
// evaluation (a reordered sum, a fused multiply-add, a different power function)
// changes these fingerprints. They were taken from the straightforward evaluation
// of every formula in its stated order; the spectral ones from the sums of each
// bin's probability density of the angle (its term over its Simpson integral).
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <functional>

#include "core/distributions.h"
#include "core/spectrum_model.h"
#include "support/shipped_tables.h"

namespace tervolin {
namespace {

inline constexpr std::uint64_t GOLDEN_COHERENT_IRON_100 = 15588799042700446409ull;
inline constexpr std::uint64_t GOLDEN_INCOHERENT_WATER_59_3 = 9797912484391860988ull;
inline constexpr std::uint64_t GOLDEN_COHERENT_SPECTRAL_LEAD = 11933847149105658327ull;
inline constexpr std::uint64_t GOLDEN_INCOHERENT_SPECTRAL_PMMA = 915205147616615957ull;
inline constexpr std::uint64_t GOLDEN_SPECTRUM_100KV = 2431431196214169488ull;

// FNV-1a over the bit patterns of a table's elements 1..n.
template <typename Table>
std::uint64_t Fingerprint(const Table& table) {
  std::uint64_t hash = 1469598103934665603ull;
  for (std::size_t i = 1; i < table.size(); ++i) {
    hash = (hash ^ std::bit_cast<std::uint64_t>(table[i])) * 1099511628211ull;
  }
  return hash;
}

EnergyTable DefaultSpectrum() {
  return ComputeSpectrum(DefaultTubeSettings(), testing::ShippedAttenuation(TERVOLIN_TABLES_DIR), {})
      .Value()
      .fluence;
}

std::uint64_t DistributionFingerprint(const char* material, ScatterKind scatter, bool spectral, double energy) {
  const MaterialTables tables = testing::ShippedMaterial(TERVOLIN_TABLES_DIR, material, spectral);
  const EnergyTable fluence = spectral ? DefaultSpectrum() : EnergyTable{};
  const Outcome<AngleTable> d =
      Distribution({scatter, spectral ? kSpectral : kSingleEnergy, energy}, {}, tables, fluence);
  EXPECT_TRUE(d);
  return d ? Fingerprint(d.Value()) : 0;
}

TEST(BitReproducibility, DistributionsMatchTheirFingerprints) {
  EXPECT_EQ(DistributionFingerprint("鉄", kCoherent, false, 100), GOLDEN_COHERENT_IRON_100);
  EXPECT_EQ(DistributionFingerprint("水", kIncoherent, false, 59.3), GOLDEN_INCOHERENT_WATER_59_3);
  EXPECT_EQ(DistributionFingerprint("鉛", kCoherent, true, 0), GOLDEN_COHERENT_SPECTRAL_LEAD);
  EXPECT_EQ(DistributionFingerprint("PMMA", kIncoherent, true, 0), GOLDEN_INCOHERENT_SPECTRAL_PMMA);
}

TEST(BitReproducibility, DefaultSpectrumMatchesItsFingerprint) {
  EXPECT_EQ(Fingerprint(DefaultSpectrum()), GOLDEN_SPECTRUM_100KV);
}

}  // namespace
}  // namespace tervolin
