#include "core/angle_readout.h"

#include "core/physical_constants.h"
#include "core/scattering_terms.h"

namespace tervolin {

double ScatteredPhotonEnergy(double energyKeV, int degrees) {
  const ScatteringAngle a = AngleAt(degrees, WavelengthFromEnergy(energyKeV), kProgramPi);
  return ComptonAt(energyKeV, a).scattered;
}

double MomentumTransferAtAngle(double energyKeV, int degrees) {
  return AngleAt(degrees, WavelengthFromEnergy(energyKeV), kProgramPi).momentumTransfer;
}

}  // namespace tervolin
