#include "scattering.h"

#include "xrl_call.h"

#include <cmath>

namespace tervolin::tables {

double FormFactor(const Material& material, double x) {
  double sumOfSquares = 0.0;
  for (const AtomCount& atom : material.atoms) {
    const double f = PositiveValue("FF_Rayl", FF_Rayl, atom.z, x);
    sumOfSquares += atom.n * f * f;
  }
  return std::sqrt(sumOfSquares);
}

double ScatteringFunction(const Material& material, double x) {
  double sum = 0.0;
  for (const AtomCount& atom : material.atoms)
    sum += atom.n * PositiveValue("SF_Compt", SF_Compt, atom.z, x);
  return sum;
}

double MolarMass(const Material& material) {
  double sum = 0.0;
  for (const AtomCount& atom : material.atoms)
    sum += atom.n * PositiveValue("AtomicWeight", AtomicWeight, atom.z);
  return sum;
}

double CoherentPerMass(const Material& material, double energy) {
  if (material.compound.empty())
    return PositiveValue("CS_Rayl", CS_Rayl, material.atoms.front().z, energy);
  return PositiveValue("CS_Rayl_CP", CS_Rayl_CP, material.compound.c_str(), energy);
}

double IncoherentPerMass(const Material& material, double energy) {
  if (material.compound.empty())
    return PositiveValue("CS_Compt", CS_Compt, material.atoms.front().z, energy);
  return PositiveValue("CS_Compt_CP", CS_Compt_CP, material.compound.c_str(), energy);
}

double MassAttenuation(int z, double energy) {
  return PositiveValue("CS_Total", CS_Total, z, energy);
}

double LinearAttenuation(int z, double energy) {
  return MassAttenuation(z, energy) * PositiveValue("ElementDensity", ElementDensity, z);
}

}  // namespace tervolin::tables
