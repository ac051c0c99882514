#include "core/calculation_inputs.h"


namespace tervolin {

std::optional<Problem> MissingCalculationInput(const CalculationInputs& in) {
  if (!in.spectral && !in.energyTyped) return Problem{TextId::kNoEnergy};
  if (in.spectral && !in.spectrumAccepted) return Problem{TextId::kNoSpectrum};
  if (!in.materialChosen) return Problem{TextId::kNoScatterer};
  return std::nullopt;
}

}  // namespace tervolin
