#include "scattering.h"

#include "xrl_call.h"

#include <cmath>

namespace tables {

double formFactor(const Material& material, double x)
{
    double sumOfSquares = 0.0;
    for (const AtomCount& atom : material.atoms) {
        const double f = positiveValue("FF_Rayl", FF_Rayl, atom.z, x);
        sumOfSquares += atom.n * f * f;
    }
    return std::sqrt(sumOfSquares);
}

double scatteringFunction(const Material& material, double x)
{
    double sum = 0.0;
    for (const AtomCount& atom : material.atoms)
        sum += atom.n * positiveValue("SF_Compt", SF_Compt, atom.z, x);
    return sum;
}

double coherentPerMass(const Material& material, double energy)
{
    if (material.compound.empty())
        return positiveValue("CS_Rayl", CS_Rayl, material.atoms.front().z, energy);
    return positiveValue("CS_Rayl_CP", CS_Rayl_CP, material.compound.c_str(), energy);
}

double incoherentPerMass(const Material& material, double energy)
{
    if (material.compound.empty())
        return positiveValue("CS_Compt", CS_Compt, material.atoms.front().z, energy);
    return positiveValue("CS_Compt_CP", CS_Compt_CP, material.compound.c_str(), energy);
}

double massAttenuation(int z, double energy)
{
    return positiveValue("CS_Total", CS_Total, z, energy);
}

double linearAttenuation(int z, double energy)
{
    return massAttenuation(z, energy) * positiveValue("ElementDensity", ElementDensity, z);
}

} // namespace tables
