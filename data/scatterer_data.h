#pragma once
// A scatterer material's two tables in the folder XFS_Data of the working directory:
//   <name>.xfs  45 records "x, F, S": momentum transfer x = sin(θ/2)/λ (Å⁻¹), atomic
//               form factor F(x) and incoherent scattering function S(x);
//   <name>.csv  300 records "E, coherent, incoherent": scattering cross sections per
//               unit mass for the 0.5-keV bins (the first field is not used).

#include <cstddef>
#include <optional>
#include <string>

#include "data/item_reader.h"

namespace tervolin {

inline constexpr const char* kScattererFolder = "XFS_Data";
inline constexpr std::size_t kXfsFields = 3;  // x, F, S
inline constexpr std::size_t kCsvFields = 3;  // E, coherent, incoherent

// File name as shown to the user, e.g. "XFS_Data/鉄.xfs".
std::string ScattererFileName(const std::string& material, const char* extension);

// Reads the material's .xfs table and, in spectral mode (EnergyMode 1), its .csv
// table, form-factor file first. The shared tables change only when every file
// needed was read whole; on a failure they keep their previous contents.
[[nodiscard]] std::optional<ReadFailure> LoadScattererData(const std::string& material);

}  // namespace tervolin
