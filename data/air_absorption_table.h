#pragma once
// The table "MuenAir.dat" of the working directory: 300 records "E, (μen/ρ)_air",
// the mass energy-absorption coefficient of dry air (cm²/g) per 0.5-keV bin. The
// beam's half-value layers and effective energy need it; the rest of the program
// works without it.

#include <cstddef>
#include <optional>
#include <string>

namespace tervolin {

inline constexpr const char* kAirAbsorptionFileName = "MuenAir.dat";
inline constexpr std::size_t kAirAbsorptionFields = 2;  // fields per record

// Reads the table into MuenAir and sets MuenAirStatus: read, or unusable when the
// file is there but damaged or breaks the checks the other tables get
// (CheckAirAbsorptionRecords: energies on the 0.5-keV grid in order, coefficients
// finite, positive and plausible); MuenAir then stays as it was. Returns a one-line
// description of the failure, or nothing.
[[nodiscard]] std::optional<std::string> LoadAirAbsorptionTable();

}  // namespace tervolin
