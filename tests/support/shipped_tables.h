#pragma once
// The shipped tables (tables/ of the source tree), read as the program reads them.

#include <filesystem>
#include <stdexcept>
#include <string>

#include "core/tables.h"
#include "data/air_absorption_table.h"
#include "data/attenuation_table.h"
#include "data/scatterer_data.h"

namespace tervolin::testing {

// The value read, or an exception naming what could not be read.
template <typename Read>
auto ValueOf(const Read& read, const std::string& what) {
  if (!read) throw std::runtime_error("cannot read the shipped " + what);
  return read.Value();
}

inline AttenuationTables ShippedAttenuation(const std::string& tablesDir) {
  return ValueOf(LoadAttenuationTable(tablesDir), "Mus2018.dat");
}

// The material's tables, with the .csv when spectral.
inline MaterialTables ShippedMaterial(const std::string& tablesDir, const std::string& material, bool spectral) {
  return ValueOf(LoadMaterialTables(tablesDir, material, spectral), "tables for " + material);
}

inline AirTable ShippedAirTable(const std::string& tablesDir) {
  const AirTableRead read = LoadAirAbsorptionTable(tablesDir, tervolin::Language::kJapanese);
  if (read.failure) throw std::runtime_error("cannot read the shipped MuenAir.dat");
  return read.table;
}

}  // namespace tervolin::testing
