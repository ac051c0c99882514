#pragma once
// The angular factors of the two differential cross sections per unit angle. The
// constant ½ r0² · 2π is left out: every distribution is scaled to its maximum.
// Each function states its order of evaluation, on which the last bits depend.

namespace tervolin {

inline constexpr double kWavelengthEnergyProduct = 12.4;  // λ (Å) = 12.4 / E (keV)
inline constexpr double kElectronRestEnergy = 511.0;      // m0c², keV

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

// Energy E′ (keV) of a photon of E keV Compton-scattered into θ:
// E / (1 + (E / 511) × (1 − cos θ)). Throws ArithmeticFailure on a zero denominator.
double ComptonScatteredEnergy(double energyKeV, const ScatteringAngle& a);

// (E′/E)² of the Klein–Nishina cross section.
double KleinNishinaEnergyRatioSquared(double energyKeV, double scatteredKeV);

// The Klein–Nishina bracket (E/E′ + E′/E) − (sin θ)².
double KleinNishinaBracket(double energyKeV, double scatteredKeV, const ScatteringAngle& a);

}  // namespace tervolin
