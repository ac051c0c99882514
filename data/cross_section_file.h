#pragma once
// A material's scattering cross sections per unit mass, read from its .csv table in
// XFS_Data as values, whatever the energy mode (the shared state is left alone).

#include <string>
#include <variant>

#include "core/shared_state.h"
#include "data/item_reader.h"

namespace tervolin {

// σ/ρ in cm²/g for the 0.5-keV bins, index n for 0.5·n keV.
struct CrossSectionTables {
  EnergyTable coherent{};
  EnergyTable incoherent{};
};

// Reads and checks "XFS_Data/<material>.csv" of the working directory.
[[nodiscard]] std::variant<CrossSectionTables, ReadFailure> ReadCrossSectionTables(const std::string& material);

}  // namespace tervolin
