#pragma once
// The tables the calculations read, as values: a scatterer material's, the anode and
// filter metals' attenuation, and dry air's energy absorption. data/ reads them from
// their files; the calculations take them as arguments.

#include <optional>

#include "core/energy_tables.h"

namespace tervolin {

// The molar masses a formula unit may have, g/mol: from one hydrogen atom (1.008) to
// one far heavier than any scatterer tabled. Beyond these a value is a slip, and the
// cross sections per gram it gives would overflow or vanish.
inline constexpr double kSmallestMolarMass = 1.0;
inline constexpr double kLargestMolarMass = 1e5;

// A scatterer material's tables.
struct MaterialTables {
  // Against x = sin(θ/2)/λ (Å⁻¹), the momentum-transfer variable of the form factor
  // tables (the momentum transfer itself is q = 4πx, with ħ = 1).
  XfsTable grid{};             // x
  XfsTable formFactor{};       // atomic form factor F(x)
  XfsTable scatterFunction{};  // incoherent scattering function S(x)
  // Molar mass of the formula unit F² and S belong to, g/mol; absent from tables
  // written before it was kept, whose curves then take their size from the cross
  // sections alone.
  std::optional<double> molarMass;  // within kSmallestMolarMass … kLargestMolarMass
  // Scattering cross sections per unit mass (cm²/g) per 0.5-keV bin; read for the
  // spectral distributions only, zero otherwise.
  EnergyTable coherent{};
  EnergyTable incoherent{};
};

// Linear attenuation coefficients, 1/cm, per 0.5-keV bin.
struct AttenuationTables {
  EnergyTable tungsten{};
  EnergyTable aluminium{};
  EnergyTable copper{};
};

// Mass energy-absorption coefficient of dry air, cm²/g, per 0.5-keV bin, and whether
// it could be read: only a read table is used.
struct AirTable {
  AirTableStatus status = kAirTableNotRead;
  EnergyTable muen{};
};

}  // namespace tervolin
