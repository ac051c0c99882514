// Scattering and attenuation data of materials, taken from xraylib.
// Every function throws a TableError on an xraylib error or a value that is
// not positive.
#pragma once

#include "materials.h"

namespace tervolin::tables {

// Form factor in the independent-atom approximation: sqrt(Σ n_i F_i(x)²),
// x in 1/Å.  Interference between the atoms of a molecule is left out.
double FormFactor(const Material& material, double x);

// Incoherent scattering function Σ n_i S_i(x), x in 1/Å.
double ScatteringFunction(const Material& material, double x);

// Molar mass of one formula unit, Σ n_i A_i in g/mol with xraylib's AtomicWeight: the
// mass the form-factor table's F² and S belong to.
double MolarMass(const Material& material);

// Coherent (Rayleigh) scattering cross section per unit mass, cm²/g; E in keV.
double CoherentPerMass(const Material& material, double energy);

// Incoherent (Compton) scattering cross section per unit mass, cm²/g.
double IncoherentPerMass(const Material& material, double energy);

// Total mass attenuation coefficient of element z, cm²/g.
double MassAttenuation(int z, double energy);

// Linear attenuation coefficient of element z at its standard density, 1/cm.
double LinearAttenuation(int z, double energy);

}  // namespace tervolin::tables
