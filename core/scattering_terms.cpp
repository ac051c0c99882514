#include "core/scattering_terms.h"

#include <cmath>

#include "core/failure_rule.h"

namespace tervolin {

double WavelengthFromEnergy(double energyKeV) {
  return CheckedDivide(kWavelengthEnergyProduct, energyKeV);
}

AngleTrigonometry TrigonometryAt(int degrees, double pi) {
  const double theta = (static_cast<double>(degrees) / 180.0) * pi;
  return {theta, std::sin(theta), std::cos(theta), std::sin(0.5 * theta)};
}

ScatteringAngle AtWavelength(const AngleTrigonometry& trig, double wavelength) {
  return {trig.theta, trig.sinTheta, trig.cosTheta, CheckedDivide(trig.sinHalfTheta, wavelength)};
}

double ComptonScatteredEnergy(double energyKeV, const ScatteringAngle& a) {
  const double recoilTerm = Checked((energyKeV / kElectronRestEnergy) * (1.0 - a.cosTheta));
  return CheckedDivide(energyKeV, 1.0 + recoilTerm);
}

double KleinNishinaEnergyRatioSquared(double energyKeV, double scatteredKeV) {
  const double ratio = CheckedDivide(scatteredKeV, energyKeV);
  return Checked(ratio * ratio);
}

double KleinNishinaBracket(double energyKeV, double scatteredKeV, const ScatteringAngle& a) {
  const double sum = Checked(CheckedDivide(energyKeV, scatteredKeV) + CheckedDivide(scatteredKeV, energyKeV));
  return Checked(sum - a.sinTheta * a.sinTheta);
}

}  // namespace tervolin
