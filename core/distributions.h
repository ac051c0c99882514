#pragma once
// The four angular distributions of the scattered photons, θ = 1° … 180°. Each fills
// AngleDistribution(1..180), scales it to a maximum of 1 and draws it on the angular
// graph; on an arithmetic failure it shows "cannot be calculated correctly", draws
// nothing and leaves AngleDistribution as far as it got.

#include "core/shared_state.h"

namespace tervolin {

// The first 0.5-keV bins the spectral distributions sum.
inline constexpr int kFirstCoherentBin = 5;     // 2.5 keV
inline constexpr int kFirstIncoherentBin = 16;  // 8.0 keV

// How a distribution is shown. Both off: the program's curves, per unit angle.
struct DistributionView {
  // The atomic factor replaced by 1: Thomson (F → 1) for coherent, Klein–Nishina
  // (S → 1) for incoherent, the scattering of a free electron.
  bool freeElectron = false;
  // Per unit solid angle: the same terms without the factor sin θ.
  bool perSolidAngle = false;
};

// The inputs of one distribution besides the shared state's tables.
struct DistributionRequest {
  ScatterKind scatter = kCoherent;
  EnergyModeKind energyMode = kSingleEnergy;
  double energyKeV = 0.0;  // photon energy of a single-energy distribution
};

// One of the four distributions in the view chosen, θ = 1° … 180°, scaled to a
// maximum of 1: the same terms in the same order as the procedures below, from the
// material's table, Pi and, for a spectrum, SpectrumFluence and the cross sections
// of the shared state. Reads no field, draws nothing and leaves AngleDistribution
// alone. Throws ArithmeticFailure where the procedures show their message.
AngleTable ComputeDistribution(const DistributionRequest& request, const DistributionView& view);

// Coherent (Rayleigh): ((cos θ)² + 1) · sin θ · F²(x) at the energy typed in the
// calculation screen's field.
void CoherentMonoenergetic();

// Incoherent (Compton): (E′/E)² · ((E/E′ + E′/E) − sin²θ) · sin θ · S(x) at the
// energy typed in the calculation screen's field.
void IncoherentMonoenergetic();

// The coherent distribution summed over the 0.5-keV bins 5…300 of AcceptedSpectrum:
// each bin's term divided by its integral over 0°…180° (the probability density of
// the angle at that energy), weighted by fluence × CoherentByEnergy.
void CoherentSpectral();

// The incoherent distribution summed over the bins 16…300 of AcceptedSpectrum, each
// bin's probability density of the angle weighted by fluence × IncoherentByEnergy.
void IncoherentSpectral();

// Runs the distribution of Shared().ScatterType and EnergyMode, as the calculation
// screen's compute button does; false (nothing run) for any other pair.
bool RunChosenDistribution();

}  // namespace tervolin
