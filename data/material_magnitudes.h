#pragma once
// The comparison of coherent and incoherent scattering for a material of XFS_Data,
// gathered as the calculation screen's compute button gathers a curve: the
// material's tables read, the curves from its form factor and scattering function
// per gram (its molar mass from the .xfs), the tabulated σ/ρ from its .csv, at the
// energy or over the accepted spectrum. A .xfs without the molar mass gives the
// program's shapes scaled to σ/ρ, and fromFormFactor false.

#include <filesystem>
#include <string>
#include <variant>

#include "core/outcome.h"
#include "core/scattering_magnitudes.h"
#include "data/item_reader.h"

namespace tervolin {

// A Problem is a single energy outside the range the curves accept
// (EnergyNotCalculable, core/distributions.h).
using MagnitudesOfMaterial = std::variant<ScatteringMagnitudes, MagnitudeProblem, ReadFailure, Problem>;

// For a material of dataFolder/XFS_Data: at `energyKev` for one photon energy, over
// the accepted spectrum's `fluence` for a spectrum (energyKev is not used then). A
// single energy is compared where its curves are computed, SingleEnergyRange.
MagnitudesOfMaterial MaterialMagnitudes(const std::filesystem::path& dataFolder, const std::string& material,
                                        EnergyModeKind mode, double energyKev, const EnergyTable& fluence);

// A problem of the comparison, with the energy used (keV) where it names it:
// "光子エネルギー 200 keV の断面積は表にありません（表は 0.5～150 keV）".
Problem ProblemOf(MagnitudeProblem problem, double energyKev, Language language);

}  // namespace tervolin
