#include "core/scattering_terms.h"

#include <cmath>

#include "core/failure_rule.h"

namespace tervolin {

double WavelengthFromEnergy(double energyKeV) {
  return CheckedDivide(kWavelengthEnergyProduct, energyKeV);
}

ScatteringAngle AngleAt(int degrees, double wavelength, double pi) {
  ScatteringAngle a{};
  a.theta = (static_cast<double>(degrees) / 180.0) * pi;
  a.sinTheta = std::sin(a.theta);
  a.cosTheta = std::cos(a.theta);
  a.momentumTransfer = CheckedDivide(std::sin(0.5 * a.theta), wavelength);
  return a;
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
