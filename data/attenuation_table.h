#pragma once
// The attenuation coefficient table "Mus2018.dat" of the data folder: 300
// records of 7 numbers, one per 0.5-keV bin; fields 2, 3 and 4 are the linear
// attenuation coefficients (1/cm) of tungsten, aluminium and copper.

#include <filesystem>

#include "core/outcome.h"
#include "core/tables.h"
#include "data/item_reader.h"

namespace tervolin {

inline constexpr const char* kAttenuationFileName = "Mus2018.dat";

// The tungsten, aluminium and copper columns of the table in `dataFolder`, or why the
// table cannot be used.
[[nodiscard]] Outcome<AttenuationTables, ReadFailure> LoadAttenuationTable(const std::filesystem::path& dataFolder);

}  // namespace tervolin
