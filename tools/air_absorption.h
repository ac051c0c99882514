// The mass energy-absorption coefficient of dry air, for the air kerma behind
// which the program measures half-value layers.
#pragma once

namespace tervolin::tables {

// (μen/ρ) of xraylib's NIST compound "Air, Dry (near sea level)" in cm²/g at
// energyKev. xraylib's table starts at 1 keV; below it the value is extended
// from 1.0 and 1.5 keV as a power of the energy. Throws on an xraylib error or a
// value that is not positive.
double AirEnergyAbsorption(double energyKev);

}  // namespace tervolin::tables
