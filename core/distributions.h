#pragma once
// The four angular distributions of the scattered photons, θ = 1° … 180°. Each fills
// AngleDistribution(1..180), scales it to a maximum of 1 and draws it on the angular
// graph; on an arithmetic failure it shows "cannot be calculated correctly", draws
// nothing and leaves AngleDistribution as far as it got.

namespace tervolin {

// Coherent (Rayleigh): ((cos θ)² + 1) · sin θ · F²(x) at the energy typed in the
// calculation screen's field.
void CoherentMonoenergetic();

// Incoherent (Compton): (E′/E)² · ((E/E′ + E′/E) − sin²θ) · sin θ · S(x) at the
// energy typed in the calculation screen's field.
void IncoherentMonoenergetic();

// The coherent distribution summed over the 0.5-keV bins 5…300 of AcceptedSpectrum,
// each weighted by fluence × CoherentByEnergy.
void CoherentSpectral();

// The incoherent distribution summed over the bins 16…300 of AcceptedSpectrum, each
// weighted by fluence × IncoherentByEnergy.
void IncoherentSpectral();

// Runs the distribution of Shared().ScatterType and EnergyMode, as the calculation
// screen's compute button does; false (nothing run) for any other pair.
bool RunChosenDistribution();

}  // namespace tervolin
