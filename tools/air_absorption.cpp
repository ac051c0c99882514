#include "air_absorption.h"

#include <xraylib.h>

#include <cmath>
#include <stdexcept>
#include <string>

namespace tervolin::tables {

namespace {

inline constexpr const char* kDryAir = "Air, Dry (near sea level)";
// The lowest energy of xraylib's energy-absorption table, keV, and the point above
// it that fixes the power law below.
inline constexpr double kTableStartKev = 1.0;
inline constexpr double kSecondPointKev = 1.5;

double TabulatedAbsorption(double energyKev) {
  xrl_error* error = nullptr;
  const double value = CS_Energy_CP(kDryAir, energyKev, &error);
  const std::string call = "CS_Energy_CP(" + std::string(kDryAir) + ", " + std::to_string(energyKev) + ")";
  if (error != nullptr) {
    const std::string message = call + ": " + error->message;
    xrl_error_free(error);
    throw std::runtime_error(message);
  }
  if (!std::isfinite(value) || !(value > 0.0)) throw std::runtime_error(call + ": not positive");
  return value;
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
