#include "core/photon_sampler.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/physical_constants.h"

namespace tervolin {

namespace {

std::uint64_t RotatedLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

// The place t in [0, 1] across a bin whose density runs straight from a to b, below
// which the fraction v of the bin's area lies: the root of a·t + (b − a)·t²/2 = v·(a + b)/2, written so that a = b and
// a = 0 need no case of their own.
double PlaceInBin(double a, double b, double v) {
  const double root = std::sqrt(a * a + v * (b * b - a * a));
  return a + root > 0.0 ? v * (a + b) / (a + root) : v;
}

// The trapezoids' areas of a curve per unit angle with 0 at 0°, bin k from k − 1° to k°.
std::array<double, kAngles + 1> BinAreas(const AngleTable& perAngle) {
  std::array<double, kAngles + 1> areas{};
  for (int k = 1; k <= kAngles; ++k) areas[k] = 0.5 * ((k == 1 ? 0.0 : perAngle[k - 1]) + perAngle[k]);
  return areas;
}

}  // namespace

std::uint64_t SplitMix64(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

PhotonRandom::PhotonRandom(std::uint64_t seed) {
  for (std::uint64_t& word : state_) word = SplitMix64(seed);
}

std::uint64_t PhotonRandom::Next() {
  const std::uint64_t result = RotatedLeft(state_[1] * 5, 7) * 9;
  const std::uint64_t shifted = state_[1] << 17;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= shifted;
  state_[3] = RotatedLeft(state_[3], 45);
  return result;
}

double PhotonRandom::Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

AngleSampler::AngleSampler(const AngleTable& perAngle) : values_(perAngle) {
  values_[0] = 0.0;
  const std::array<double, kAngles + 1> areas = BinAreas(values_);
  for (int k = 1; k <= kAngles; ++k) cumulative_[k] = cumulative_[k - 1] + areas[k];
}

double AngleSampler::Angle(double pick) const {
  const double target = pick * Area();
  const auto found = std::upper_bound(cumulative_.begin() + 1, cumulative_.end(), target);
  const int k = std::min(static_cast<int>(found - cumulative_.begin()), kAngles);
  const double inBin = (target - cumulative_[k - 1]) / (cumulative_[k] - cumulative_[k - 1]);
  return (k - 1) + PlaceInBin(values_[k - 1], values_[k], std::clamp(inBin, 0.0, 1.0));
}

PhotonSource::PhotonSource(ScatterKind scatter, double energyKeV, const AngleTable& perAngle)
    : scatter_(scatter), energies_{energyKeV}, cumulative_{1.0}, angles_{AngleSampler(perAngle)} {}

PhotonSource::PhotonSource(ScatterKind scatter, const std::vector<SpectralPart>& parts) : scatter_(scatter) {
  double total = 0.0;
  for (const SpectralPart& part : parts) {
    energies_.push_back(part.energyKeV);
    angles_.emplace_back(part.density);
    cumulative_.push_back(total += part.weight * angles_.back().Area());
  }
  for (double& share : cumulative_) share /= total;
}

std::size_t PhotonSource::PartAt(double pick) const {
  const auto found = std::upper_bound(cumulative_.begin(), cumulative_.end(), pick);
  return std::min(static_cast<std::size_t>(found - cumulative_.begin()), cumulative_.size() - 1);
}

Photon PhotonSource::Fire(PhotonRandom& random) const {
  const std::size_t part = PartAt(random.Uniform());
  const double theta = angles_[part].Angle(random.Uniform());
  const bool above = (random.Next() >> 63) != 0;
  const double energy = energies_[part];
  return {theta, above, energy, scatter_ == kIncoherent ? ComptonScatteredEnergy(energy, theta) : energy};
}

double ComptonScatteredEnergy(double energyKeV, double thetaDeg) {
  const double cosTheta = std::cos(thetaDeg * std::numbers::pi / 180.0);
  return energyKeV / (1.0 + energyKeV / kElectronRestEnergyKev * (1.0 - cosTheta));
}

void PhotonHistogram::Add(double thetaDeg) {
  const int bin = std::clamp(static_cast<int>(std::floor(thetaDeg)) + 1, 1, kAngles);
  ++counts[bin];
  ++fired;
}

std::array<double, kAngles + 1> ExpectedCounts(const AngleTable& perAngle, double photons) {
  std::array<double, kAngles + 1> counts = BinAreas(perAngle);
  double area = 0.0;
  for (int k = 1; k <= kAngles; ++k) area += counts[k];
  for (double& count : counts) count *= photons / area;
  return counts;
}

}  // namespace tervolin
