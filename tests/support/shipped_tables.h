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

// Runs `read` in tablesDir, restoring the working directory afterwards; throws when
// it fails.
template <typename Read>
auto ReadInFolder(const std::string& tablesDir, const std::string& what, Read read) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(tablesDir);
  auto result = read();
  std::filesystem::current_path(previous);
  if (!result) throw std::runtime_error("cannot read the shipped " + what);
  return result.Value();
}

inline AttenuationTables ShippedAttenuation(const std::string& tablesDir) {
  return ReadInFolder(tablesDir, "Mus2018.dat", [] { return LoadAttenuationTable(); });
}

// The material's tables, with the .csv when spectral.
inline MaterialTables ShippedMaterial(const std::string& tablesDir, const std::string& material, bool spectral) {
  return ReadInFolder(tablesDir, "tables for " + material,
                      [&] { return LoadMaterialTables(material, spectral); });
}

inline AirTable ShippedAirTable(const std::string& tablesDir) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(tablesDir);
  const AirTableRead read = LoadAirAbsorptionTable();
  std::filesystem::current_path(previous);
  if (read.failure) throw std::runtime_error("cannot read the shipped MuenAir.dat");
  return read.table;
}

}  // namespace tervolin::testing
