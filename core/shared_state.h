#pragma once
// The program's shared state: one record of mode variables and tables that every
// procedure reads and writes. Tables are 0-based; element 0 is never used, so index n
// of an energy table is the 0.5·n keV bin and index j of the angle table is j degrees.

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

struct SharedState {
  // Mode variables.
  int ScatterType = 0;    // 0 none yet, 1 coherent, 2 incoherent
  int EnergyMode = 0;     // 0 one photon energy, 1 X-ray spectrum
  int SpectrumReady = 0;  // 1 once a spectrum was accepted since the calculation screen opened
  int SpectrumShown = 0;  // 1 while the spectrum graph shows the curve of SpectrumFluence
  int MuenAirStatus = 0;  // an AirTableStatus: whether "MuenAir.dat" was read
  int PlotColor = 0;      // index into the 16-colour palette: 12 red, 2 dark green, 9 blue

  double Pi = 0.0;  // set to kProgramPi after the attenuation table was read

  // Linear attenuation coefficients, 1/cm, per 0.5-keV bin.
  EnergyTable MuTungsten{};
  EnergyTable MuAluminium{};
  EnergyTable MuCopper{};
  EnergyTable TargetSpectrum{};   // spectrum leaving the anode, before filtration
  // Relative photon fluence, largest value 1: the spectrum screen's latest successful
  // computation, and the one accepted with its OK (written to "P_Spectrum.dat"),
  // which the spectral distributions weight with.
  EnergyTable SpectrumFluence{};
  EnergyTable AcceptedSpectrum{};

  // Mass energy-absorption coefficient of dry air, cm²/g, per 0.5-keV bin.
  EnergyTable MuenAir{};

  // The material's table against momentum transfer x = sin(θ/2)/λ (Å⁻¹).
  XfsTable XfsGrid{};
  XfsTable XfsFormFactor{};       // atomic form factor F(x)
  XfsTable XfsScatterFunction{};  // incoherent scattering function S(x)

  // The material's scattering cross sections per unit mass, per 0.5-keV bin.
  EnergyTable CoherentByEnergy{};
  EnergyTable IncoherentByEnergy{};

  AngleTable AngleDistribution{};  // probability density per degree, largest value 1
};

// The single instance every part of the program reaches.
SharedState& Shared();

// Puts every variable and table back to 0 (start of a run; tests).
void ResetSharedState();

}  // namespace tervolin
