#pragma once
// Whether a calculation has what it needs: the check every front end makes before it
// computes a distribution or the sizes of scattering.

#include <optional>

#include "core/outcome.h"

namespace tervolin {

struct CalculationInputs {
  bool spectral;          // weighted over the accepted spectrum, else at one energy
  bool energyTyped;       // the energy field holds something
  bool spectrumAccepted;  // a spectrum has been accepted
  bool materialChosen;
};

// The first missing input, in the calculation screen's order (energy, spectrum,
// scatterer), or nothing when nothing is missing.
std::optional<Problem> MissingCalculationInput(const CalculationInputs& inputs);

}  // namespace tervolin
