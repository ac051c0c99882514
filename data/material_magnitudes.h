#pragma once
// The comparison of coherent and incoherent scattering for a material of XFS_Data,
// gathered as the calculation screen's compute button gathers a curve: the
// material's form-factor table (and, in spectral mode, its cross sections) read into
// the shared state, the shapes from the program's distributions, the sizes from the
// material's .csv at the energy or over the accepted spectrum.

#include <string>
#include <variant>

#include "core/scattering_magnitudes.h"
#include "data/item_reader.h"

namespace tervolin {

using MagnitudesOfMaterial = std::variant<ScatteringMagnitudes, MagnitudeProblem, ReadFailure>;

// In the shared state's EnergyMode: at `energyKev` for one photon energy, over
// AcceptedSpectrum for a spectrum (energyKev is not used then). Needs Pi set, as
// after start-up.
MagnitudesOfMaterial MaterialMagnitudes(const std::string& material, double energyKev);

}  // namespace tervolin
