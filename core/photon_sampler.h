#pragma once
// Photons fired one at a time into the distribution a graph shows. Each photon's
// scattering angle is drawn at random from the curve's probability density, so that
// a histogram of many photons becomes the curve: the curve is what many single
// events add up to. Over a spectrum a photon first takes its energy from the beam,
// weighted as the spectral curve weights it (fluence × cross section), and then its
// angle at that energy.
//
// The curve between its 1° grid points is read as straight (trapezoids), with the
// value 0 at 0° (every per-angle term carries sin θ); the sampler draws from exactly
// that density, and ExpectedCounts gives its counts per 1° bin.

#include <array>
#include <cstdint>
#include <vector>

#include "core/distributions.h"
#include "core/energy_tables.h"

namespace tervolin {

// Random numbers that are the same for one seed on every machine and in the browser:
// xoshiro256** seeded through splitmix64.
class PhotonRandom {
 public:
  // The state from four outputs of splitmix64 started at `seed`.
  explicit PhotonRandom(std::uint64_t seed);
  // The state as given (not all zero).
  explicit PhotonRandom(const std::array<std::uint64_t, 4>& state) : state_(state) {}
  std::uint64_t Next();
  // Uniform on [0, 1), from the top 53 bits of Next().
  double Uniform();

 private:
  std::array<std::uint64_t, 4> state_;
};

// The next output of splitmix64, which advances `state` by its constant.
std::uint64_t SplitMix64(std::uint64_t& state);

// One scattered photon: its angle, which side of the beam it leaves on (for drawing
// it), its energy before and after scattering.
struct Photon {
  double thetaDeg;      // 0° … 180°
  bool above;           // above the beam on the polar diagram, or below
  double energyKeV;     // E
  double scatteredKeV;  // E′: E for coherent scattering, E / (1 + (E/511)(1 − cos θ)) for incoherent
};

// The density of the angle tabulated per unit angle at 1° … 180°, read as trapezoids.
class AngleSampler {
 public:
  explicit AngleSampler(const AngleTable& perAngle);
  // The area under the trapezoids, in the table's units × degrees.
  double Area() const { return cumulative_[kAngles]; }
  // The angle (degrees) below which the fraction `pick` of the area lies: for a
  // uniform pick on [0, 1), an angle drawn from the density.
  double Angle(double pick) const;

 private:
  AngleTable values_;
  std::array<double, kAngles + 1> cumulative_{};  // [k]: the area of bins 1 … k
};

// Where photons come from: one photon energy and its curve, or a spectrum's parts.
class PhotonSource {
 public:
  // Photons of `energyKeV` scattered by the curve per unit angle at that energy.
  PhotonSource(ScatterKind scatter, double energyKeV, const AngleTable& perAngle);
  // Photons of a spectrum (SpectralParts): a part is picked with probability ∝ its
  // weight × its density's area, so that the histogram becomes Σ weight × density.
  PhotonSource(ScatterKind scatter, const std::vector<SpectralPart>& parts);

  Photon Fire(PhotonRandom& random) const;

 private:
  std::size_t PartAt(double pick) const;

  ScatterKind scatter_;
  std::vector<double> energies_;    // keV, one per part
  std::vector<double> cumulative_;  // the parts' shares added up, the last 1
  std::vector<AngleSampler> angles_;
};

// The scattered photon's energy E′ (keV) at θ (degrees): Compton's formula.
double ComptonScatteredEnergy(double energyKeV, double thetaDeg);

// Counts of photons in 1° bins: counts[k] for θ in [k − 1°, k°), 180° in bin 180.
struct PhotonHistogram {
  std::array<std::uint64_t, kAngles + 1> counts{};
  std::uint64_t fired = 0;
  void Add(double thetaDeg);
};

// The counts `photons` photons give in each 1° bin on average, from the curve per
// unit angle read as the sampler reads it.
std::array<double, kAngles + 1> ExpectedCounts(const AngleTable& perAngle, double photons);

}  // namespace tervolin
