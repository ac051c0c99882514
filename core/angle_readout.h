#pragma once
// The quantities the angular graph's read-out shows beside a single-energy curve's
// value, at the whole-degree angles of the curves (the program's π).

namespace tervolin {

// Energy E′ (keV) of a photon of E keV Compton-scattered into `degrees`:
// E′ = E / (1 + (E / 511) × (1 − cos θ)). Throws ArithmeticFailure for E = 0.
double ScatteredPhotonEnergy(double energyKeV, int degrees);

// The momentum-transfer variable x = sin(θ/2) / λ (Å⁻¹; the momentum transfer is 4πx) of a photon of E keV scattered into
// `degrees`, the argument of F(x) and S(x). Throws ArithmeticFailure for E = 0.
double MomentumTransferAtAngle(double energyKeV, int degrees);

}  // namespace tervolin
