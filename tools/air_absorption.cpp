#include "air_absorption.h"

#include <cmath>

#include "xrl_call.h"

namespace tervolin::tables {

namespace {

inline constexpr const char* kDryAir = "Air, Dry (near sea level)";
// The lowest energy of xraylib's energy-absorption table, keV, and the point above
// it that fixes the power law below.
inline constexpr double kTableStartKev = 1.0;
inline constexpr double kSecondPointKev = 1.5;

double TabulatedAbsorption(double energyKev) {
  return PositiveValue("CS_Energy_CP", CS_Energy_CP, kDryAir, energyKev);
}

}  // namespace

double AirEnergyAbsorption(double energyKev) {
  if (energyKev >= kTableStartKev) return TabulatedAbsorption(energyKev);
  const double start = TabulatedAbsorption(kTableStartKev);
  const double exponent =
      std::log(TabulatedAbsorption(kSecondPointKev) / start) / std::log(kSecondPointKev / kTableStartKev);
  return start * std::pow(energyKev / kTableStartKev, exponent);
}

}  // namespace tervolin::tables
