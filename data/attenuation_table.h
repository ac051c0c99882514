#pragma once
// The attenuation coefficient table "Mus2018.dat" of the working directory: 300
// records of 7 numbers, one per 0.5-keV bin; fields 2, 3 and 4 are the linear
// attenuation coefficients (1/cm) of tungsten, aluminium and copper.

#include <cstddef>
#include <optional>

#include "data/item_reader.h"

namespace tervolin {

inline constexpr const char* kAttenuationFileName = "Mus2018.dat";
inline constexpr std::size_t kAttenuationFields = 7;  // fields per record

// Reads the table into MuTungsten, MuAluminium and MuCopper, then sets Pi to
// 3.14159. On any failure the tables and Pi are left untouched.
[[nodiscard]] std::optional<ReadFailure> LoadAttenuationTable();

}  // namespace tervolin
