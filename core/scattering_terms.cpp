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

ComptonScattering ComptonAt(double energyKeV, double energyOverRestEnergy, const ScatteringAngle& a) {
  const double recoilTerm = Checked(energyOverRestEnergy * (1.0 - a.cosTheta));
  const double scattered = CheckedDivide(energyKeV, 1.0 + recoilTerm);
  return {scattered, CheckedDivide(scattered, energyKeV), CheckedDivide(energyKeV, scattered)};
}

}  // namespace tervolin
