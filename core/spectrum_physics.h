#pragma once
// The pieces of the X-ray tube spectrum model, each a pure function of its inputs.
// Energies are in keV, lengths in cm, angles in degrees. Every formula is evaluated
// in the order written in its comment (sums and products from left to right, powers
// as repeated products), so that results are reproducible to the last bit.
//
// Functions that can meet an overflow or an invalid operation (a target angle whose
// tangent is 0, exponentials of huge arguments) throw ArithmeticFailure
// (core/failure_rule.h) instead of returning a non-finite value.

#include "core/energy_tables.h"

namespace tervolin {

inline constexpr double kMaxTubeVoltageKv = 150.0;
inline constexpr double kMinTubeVoltageKv = 30.0;
inline constexpr double kMinInherentFiltrationCm = 0.1;  // 1.0 mm aluminium equivalent
// The anode's self-absorption path grows with cot(target angle): from 90° on it
// shrinks below zero and would amplify the beam instead.
inline constexpr double kMaxTargetAngleDeg = 90.0;  // exclusive
inline constexpr double kMillimetresToCm = 0.1;
inline constexpr double kKLineThresholdKv = 70.0;       // K lines only above this voltage
inline constexpr double kTungstenDensity = 19.3;        // g/cm³
inline constexpr double kNegligibleFluence = 1e-100;    // scaled values at or below are 0

// The last bin the model computes for a tube voltage V (kV): the largest whole
// number not above 2V, so that its photon energy does not exceed V. V must lie in
// the accepted range 30…150 kV.
int LastComputedBin(double tubeVoltageKv);

// κ = 1 / tan(θt × 3.14159 / 180): the cotangent of the target angle, which turns an
// electron's depth below the anode surface into the photons' path through the anode
// towards the tube window. Throws when the tangent is 0 or the result is not finite.
double TargetAngleCotangent(double targetAngleDeg);

// Thomson–Whiddington constant C(V), keV²·cm²/g:
// 141766 + 12157·V − 111.046·V² + 0.552536·V³ − 0.000970158·V⁴.
// An electron entering the anode with V keV has slowed to T keV at the mass depth
// (V² − T²) / C.
double ThomsonWhiddingtonConstant(double tubeVoltageKv);

// Tungsten K-line intensity as a percentage of the bremsstrahlung leaving the
// anode: (√(8.79856·V − 595.149) − 4.55528) / 4.39928 above 70 kV, 0 at and below.
double KLinePercentage(double tubeVoltageKv);

// Shape factor B of the thick-target bremsstrahlung cross section at x = E / T
// (photon over electron energy): (0.03658 + 0.000029·V) ×
// (1 − 5.049·x + 10.847·x² − 10.516·x³ + 3.842·x⁴).
double BremsstrahlungShapeFactor(double tubeVoltageKv, double energyRatio);

// Energy-dependent divisor D(T) = 1036.1 · exp(−0.04695·T) + 202.41, T in keV.
double BremsstrahlungDivisor(double electronEnergyKev);

// Path of the photons through the anode, cm, from the depth where an electron of
// V keV has slowed to T keV: (V·V − T·T) / (19.3 · C) × κ. Zero at T = V; negative
// for target angles above 90°, where κ < 0.
double AnodePathLength(double tubeVoltageKv, double electronEnergyKev, double thomsonWhiddington,
                       double cotangent);

// Everything about one computation that depends on the inputs only.
struct SpectrumConstants {
  double tubeVoltageKv;       // V
  double cotangent;           // κ
  double thomsonWhiddington;  // C(V), keV²·cm²/g
};

// Bremsstrahlung of photon bin n leaving the anode: the sum, over the electron
// energies T = E, E + 0.5, … up to the last one not above V, of
// ((1 + 511 / T) × B) / D × exp(−μ_W × d), with d the anode path length. The sum
// carries no factor for the 0.5-keV step. μ_W is tungsten's attenuation coefficient
// (1/cm) at the bin's energy.
double TargetBremsstrahlung(int bin, double tungstenMu, const SpectrumConstants& k);

// The filters between the anode and the patient, thicknesses in cm.
struct Filtration {
  double inherentCm;   // aluminium equivalent
  double aluminiumCm;  // added aluminium filter
  double copperCm;     // added copper filter
};

// Photon fluence of bin n after the filters: energy fluence × exp(−μ_Al × (t_Al + t_inh))
// × exp(−μ_Cu × t_Cu) / (0.5 × n), multiplied and divided from left to right.
double FilteredFluence(int bin, double targetSpectrum, double aluminiumMu, double copperMu,
                       const Filtration& filters);

}  // namespace tervolin
