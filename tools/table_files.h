// The files the program reads, made from xraylib:
//   <data>/Mus2018.dat            attenuation of the tube's anode and filters
//   <data>/MuenAir.dat            energy absorption of dry air
//   <data>/XFS_Data/<name>.xfs    F(x) and S(x) of a scatterer material
//   <data>/XFS_Data/<name>.csv    its scattering cross sections per 0.5-keV bin
//   <data>/XFS_Data/materials.txt the shipped materials, "name<TAB>alias" a line
// Every function throws a TableError on any failure.
#pragma once

#include "materials.h"

#include <filesystem>
#include <vector>

namespace tervolin::tables {

// The material's two files in folder XFS_Data of dataFolder (made when missing; the
// data folder must be there), written as a pair: both new, or both as they were.
// Returns their paths.
std::vector<std::filesystem::path> WriteMaterialFiles(const std::filesystem::path& dataFolder,
                                                      const Material& material);

void WriteAttenuationTable(const std::filesystem::path& dataFolder);

// MuenAir.dat: records "E, (μen/ρ)_air" of dry air, cm²/g.
void WriteAirAbsorptionTable(const std::filesystem::path& dataFolder);

void WriteMaterialIndex(const std::filesystem::path& dataFolder,
                        const std::vector<MaterialDefinition>& materials);

}  // namespace tervolin::tables
