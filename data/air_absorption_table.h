#pragma once
// The table "MuenAir.dat" of the data folder: 300 records "E, (μen/ρ)_air",
// the mass energy-absorption coefficient of dry air (cm²/g) per 0.5-keV bin. The
// beam's half-value layers and effective energy need it; the rest of the program
// works without it.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "core/language.h"
#include "core/tables.h"

namespace tervolin {

inline constexpr const char* kAirAbsorptionFileName = "MuenAir.dat";

struct AirTableRead {
  AirTable table;                      // status read, missing, or unusable when the file is
                                       // there but damaged or breaks CheckAirAbsorptionRecords
                                       // (energies on the 0.5-keV grid in order, coefficients
                                       // finite, positive and plausible)
  std::optional<std::string> failure;  // a one-line description of the failure, in `language`
};

[[nodiscard]] AirTableRead LoadAirAbsorptionTable(const std::filesystem::path& dataFolder,
                                                  Language language);

}  // namespace tervolin
