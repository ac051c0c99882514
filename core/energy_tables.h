#pragma once
// The grids the calculations work on and their tables. Tables are 0-based; element 0
// is never used, so index n of an energy table is the 0.5·n keV bin and index j of
// the angle table is j degrees.

#include <array>

#include "core/physical_constants.h"

namespace tervolin {

inline constexpr int kEnergyBins = 300;  // 0.5 keV .. 150 keV in 0.5-keV steps
inline constexpr int kXfsRows = 45;      // rows of a material's momentum-transfer table
inline constexpr int kAngles = 180;      // 1° .. 180° in 1° steps
inline constexpr double kBinWidthKev = 0.5;  // also the electron-energy step of the spectrum model

// Photon energy of bin n, keV: 0.5 × n.
inline constexpr double BinEnergy(int bin) { return kBinWidthKev * bin; }

using EnergyTable = std::array<double, kEnergyBins + 1>;
using XfsTable = std::array<double, kXfsRows + 1>;
using AngleTable = std::array<double, kAngles + 1>;

enum ScatterKind { kCoherent = 1, kIncoherent = 2 };
enum AirTableStatus { kAirTableNotRead = 0, kAirTableRead = 1, kAirTableMissing = 2, kAirTableUnusable = 3 };
enum EnergyModeKind { kSingleEnergy = 0, kSpectral = 1 };

}  // namespace tervolin
