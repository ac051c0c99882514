#pragma once
// The physical constants and conversion factors of the calculations, one home each.

namespace tervolin {

// The five-decimal value of π the program converts angles with (not full π): every
// angle, of the scattering and of the anode, is converted with it.
inline constexpr double kProgramPi = 3.14159;
// One degree in the program's radians: a density per radian times this is one per
// degree.
inline constexpr double kRadiansPerDegree = kProgramPi / 180.0;

inline constexpr double kElectronRestEnergyKev = 511.0;   // m0c², keV
inline constexpr double kWavelengthEnergyProduct = 12.4;  // λ (Å) = 12.4 / E (keV)

// The absolute cross sections (CODATA 2018).
inline constexpr double kClassicalElectronRadiusCm = 2.8179403262e-13;  // r₀, cm
inline constexpr double kAvogadroConstant = 6.02214076e23;             // N_A, 1/mol

}  // namespace tervolin
