#pragma once
// The angular factors of the two differential cross sections per unit angle. The
// constant ½ r0² · 2π is left out: every distribution is scaled to its maximum.
// Each function states its order of evaluation, on which the last bits depend.

#include "core/physical_constants.h"

namespace tervolin {

// One scattering angle of the 1° grid at one photon wavelength.
struct ScatteringAngle {
  double theta;     // rad, converted with the program's π
  double sinTheta;
  double cosTheta;
  double momentumTransfer;  // x = sin(θ/2)/λ, Å⁻¹
};

// The trigonometry of one whole-degree angle, the same at every wavelength.
struct AngleTrigonometry {
  double theta;  // rad, (j / 180) × π
  double sinTheta;
  double cosTheta;
  double sinHalfTheta;
};

// Photon wavelength in Å of energy E keV; throws ArithmeticFailure for E = 0.
double WavelengthFromEnergy(double energyKeV);

AngleTrigonometry TrigonometryAt(int degrees, double pi);

// The angle at wavelength λ (Å): x = sin(θ/2) / λ.
ScatteringAngle AtWavelength(const AngleTrigonometry& trig, double wavelength);

// Angle of `degrees` whole degrees at wavelength λ (Å).
inline ScatteringAngle AngleAt(int degrees, double wavelength, double pi) {
  return AtWavelength(TrigonometryAt(degrees, pi), wavelength);
}

// Thomson factor (cos θ)² + 1 of the coherent cross section.
inline double ThomsonFactor(const ScatteringAngle& a) { return a.cosTheta * a.cosTheta + 1.0; }

// A photon of E keV Compton-scattered into θ: E′ = E / (1 + (E / 511) × (1 − cos θ)),
// with the ratios E′/E and E/E′ the Klein–Nishina factor needs.
struct ComptonScattering {
  double scattered;     // E′, keV
  double ratio;         // E′ / E
  double inverseRatio;  // E / E′
};

// energyOverRestEnergy is E / 511, the same at every angle. Throws ArithmeticFailure
// on a zero denominator or an overflow.
ComptonScattering ComptonAt(double energyKeV, double energyOverRestEnergy, const ScatteringAngle& a);

inline ComptonScattering ComptonAt(double energyKeV, const ScatteringAngle& a) {
  return ComptonAt(energyKeV, energyKeV / kElectronRestEnergyKev, a);
}

// (E′/E)² of the Klein–Nishina cross section.
inline double KleinNishinaEnergyRatioSquared(const ComptonScattering& c) { return c.ratio * c.ratio; }

// The Klein–Nishina bracket (E/E′ + E′/E) − (sin θ)².
inline double KleinNishinaBracket(const ComptonScattering& c, const ScatteringAngle& a) {
  return (c.inverseRatio + c.ratio) - a.sinTheta * a.sinTheta;
}

}  // namespace tervolin
