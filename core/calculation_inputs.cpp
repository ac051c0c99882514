#include "core/calculation_inputs.h"

#include "core/messages.h"

namespace tervolin {

const char* MissingCalculationInput(const CalculationInputs& in) {
  if (!in.spectral && !in.energyTyped) return msg::kNoEnergy;
  if (in.spectral && !in.spectrumAccepted) return msg::kNoSpectrum;
  if (!in.materialChosen) return msg::kNoScatterer;
  return nullptr;
}

}  // namespace tervolin
