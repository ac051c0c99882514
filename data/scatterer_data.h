#pragma once
// A scatterer material's two tables in the folder XFS_Data of the data folder:
//   <name>.xfs  45 records "x, F, S": momentum transfer x = sin(θ/2)/λ (Å⁻¹), atomic
//               form factor F(x) and incoherent scattering function S(x); then,
//               in tables written since it is kept, one record "M": the molar mass
//               of the formula unit, g/mol;
//   <name>.csv  300 records "E, coherent, incoherent": scattering cross sections per
//               unit mass for the 0.5-keV bins (the first field is not used).

#include <filesystem>
#include <string>

#include "core/outcome.h"
#include "core/tables.h"
#include "data/item_reader.h"

namespace tervolin {

inline constexpr const char* kScattererFolder = "XFS_Data";

// File name as shown to the user, e.g. "XFS_Data/鉄.xfs".
std::string ScattererFileName(const std::string& material, const char* extension);

// Reads the material's .xfs table in dataFolder/XFS_Data and, with `crossSections`
// (for the spectral distributions), its .csv table, form-factor file first; the first
// failure.
[[nodiscard]] Outcome<MaterialTables, ReadFailure> LoadMaterialTables(const std::filesystem::path& dataFolder,
                                                                      const std::string& material,
                                                                      bool crossSections);

}  // namespace tervolin
