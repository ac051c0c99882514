// Scattering and attenuation data of materials, taken from xraylib.
// Every function throws a TableError on an xraylib error or a value that is
// not positive.
#pragma once

#include "materials.h"

namespace tables {

// Form factor in the independent-atom approximation: sqrt(Σ n_i F_i(x)²),
// x in 1/Å.  Interference between the atoms of a molecule is left out.
double formFactor(const Material& material, double x);

// Incoherent scattering function Σ n_i S_i(x), x in 1/Å.
double scatteringFunction(const Material& material, double x);

// Coherent (Rayleigh) scattering cross section per unit mass, cm²/g; E in keV.
double coherentPerMass(const Material& material, double energy);

// Incoherent (Compton) scattering cross section per unit mass, cm²/g.
double incoherentPerMass(const Material& material, double energy);

// Total mass attenuation coefficient of element z, cm²/g.
double massAttenuation(int z, double energy);

// Linear attenuation coefficient of element z at its standard density, 1/cm.
double linearAttenuation(int z, double energy);

} // namespace tables
