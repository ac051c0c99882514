#include "core/spectrum_physics.h"

#include <cmath>

#include "core/failure_rule.h"

namespace tervolin {

namespace {

// Degrees per π, for the target angle.
inline constexpr double kDegreesPerPi = 180.0;

}  // namespace

int LastComputedBin(double tubeVoltageKv) {
  return static_cast<int>(std::floor(2.0 * tubeVoltageKv));
}

double TargetAngleCotangent(double targetAngleDeg) {
  const double radians = Checked(targetAngleDeg * kProgramPi) / kDegreesPerPi;
  return CheckedDivide(1.0, Checked(std::tan(radians)));
}

double ThomsonWhiddingtonConstant(double tubeVoltageKv) {
  const double v = tubeVoltageKv;
  return 141766.0 + 12157.0 * v - 111.046 * (v * v) + 0.552536 * (v * v * v) -
         0.000970158 * (v * v * v * v);
}

double KLinePercentage(double tubeVoltageKv) {
  if (!(tubeVoltageKv > kKLineThresholdKv)) return 0.0;
  return (std::sqrt(8.79856 * tubeVoltageKv - 595.149) - 4.55528) / 4.39928;
}

double BremsstrahlungShapeFactor(double tubeVoltageKv, double energyRatio) {
  const double x = energyRatio;
  const double amplitude = 0.03658 + 0.000029 * tubeVoltageKv;
  return amplitude *
         (1.0 - 5.049 * x + 10.847 * (x * x) - 10.516 * (x * x * x) + 3.842 * (x * x * x * x));
}

double BremsstrahlungDivisor(double electronEnergyKev) {
  return 1036.1 * std::exp(-0.04695 * electronEnergyKev) + 202.41;
}

double AnodePathLength(double tubeVoltageKv, double electronEnergyKev, double thomsonWhiddington,
                       double cotangent) {
  const double v = tubeVoltageKv;
  const double t = electronEnergyKev;
  return Checked((v * v - t * t) / (kTungstenDensity * thomsonWhiddington) * cotangent);
}

double TargetBremsstrahlung(int bin, double tungstenMu, const SpectrumConstants& k) {
  const double energy = BinEnergy(bin);
  double sum = 0.0;
  for (double t = energy; t <= k.tubeVoltageKv; t += kBinWidthKev) {
    const double shape = BremsstrahlungShapeFactor(k.tubeVoltageKv, energy / t);
    const double divisor = BremsstrahlungDivisor(t);
    const double path = AnodePathLength(k.tubeVoltageKv, t, k.thomsonWhiddington, k.cotangent);
    const double absorption = CheckedExp(-tungstenMu * path);
    sum = Checked(sum + ((1.0 + kElectronRestEnergyKev / t) * shape) / divisor * absorption);
  }
  return sum;
}

double FilteredFluence(int bin, double targetSpectrum, double aluminiumMu, double copperMu,
                       const Filtration& filters) {
  const double aluminium = CheckedExp(-aluminiumMu * (filters.aluminiumCm + filters.inherentCm));
  const double copper = CheckedExp(-copperMu * filters.copperCm);
  return Checked(Checked(targetSpectrum * aluminium) * copper / BinEnergy(bin));
}

}  // namespace tervolin
