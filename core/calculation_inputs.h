#pragma once
// Whether a calculation has what it needs: the check every front end makes before it
// computes a distribution or the sizes of scattering.

namespace tervolin {

struct CalculationInputs {
  bool spectral;          // weighted over the accepted spectrum, else at one energy
  bool energyTyped;       // the energy field holds something
  bool spectrumAccepted;  // a spectrum has been accepted
  bool materialChosen;
};

// The message of the first missing input, in the calculation screen's order
// (energy, spectrum, scatterer), or nullptr when nothing is missing.
const char* MissingCalculationInput(const CalculationInputs& inputs);

}  // namespace tervolin
