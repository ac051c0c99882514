// The sampling points of the program's data files.
#pragma once

#include <array>

#include "core/energy_tables.h"

namespace tervolin::tables {

// The momentum-transfer variable x = sin(θ/2)/λ (the momentum transfer is 4πx) in 1/Å of the 45 records of a form-factor
// file: the points at which xraylib tabulates both F and S for every element,
// so that no value of those files is interpolated.  The last point lies far
// beyond 12.1 1/Å, the largest x reached at 150 keV and θ = 180°.
inline constexpr std::array<double, 45> kMomentumTransfer{
    0.001, 0.005, 0.01, 0.015, 0.02, 0.025, 0.03, 0.04, 0.05, 0.07, 0.09, 0.1,   0.125, 0.15, 0.175,
    0.2,   0.25,  0.3,  0.4,   0.5,  0.6,   0.7,  0.8,  0.9,  1.0,  1.25, 1.5,   2.0,   2.5,  3.0,
    3.5,   4.0,   5.0,  6.0,   7.0,  8.0,   10.0, 15.0, 20.0, 50.0, 80.0, 100.0, 1e3,   1e6,  1e9};

// Records of the per-energy files: one per 0.5-keV bin, 0.5 keV to 150 keV.
inline constexpr int kEnergyRecords = kEnergyBins;

// Photon energy in keV of energy record n (1-based): the program's bin energy.
constexpr double EnergyOfRecord(int n) { return BinEnergy(n); }

}  // namespace tervolin::tables
