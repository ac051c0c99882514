#pragma once
// The physical constants and conversion factors of the calculations, one home each.

namespace tervolin {

// The five-decimal value of π the program converts angles with (not full π): every
// angle, of the scattering and of the anode, is converted with it.
inline constexpr double kProgramPi = 3.14159;

inline constexpr double kElectronRestEnergyKev = 511.0;   // m0c², keV
inline constexpr double kWavelengthEnergyProduct = 12.4;  // λ (Å) = 12.4 / E (keV)

}  // namespace tervolin
