#pragma once
// Loads the shipped tables (tables/ of the source tree) into the shared state.

#include <filesystem>
#include <stdexcept>
#include <string>

#include "core/shared_state.h"
#include "data/air_absorption_table.h"
#include "data/attenuation_table.h"
#include "data/scatterer_data.h"

namespace tervolin::testing {

// Reads Mus2018.dat and the material's tables (with the .csv when spectral) from
// tablesDir, restoring the working directory afterwards.
inline void LoadShippedTables(const std::string& tablesDir, const std::string& material, bool spectral) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(tablesDir);
  Shared().EnergyMode = spectral ? kSpectral : kSingleEnergy;
  const bool failed = LoadAttenuationTable().has_value() || LoadScattererData(material).has_value();
  std::filesystem::current_path(previous);
  if (failed) throw std::runtime_error("cannot read the shipped tables for " + material);
}

// Reads MuenAir.dat from tablesDir, restoring the working directory afterwards.
inline void LoadShippedAirTable(const std::string& tablesDir) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(tablesDir);
  const bool failed = LoadAirAbsorptionTable().has_value();
  std::filesystem::current_path(previous);
  if (failed) throw std::runtime_error("cannot read the shipped MuenAir.dat");
}

}  // namespace tervolin::testing
