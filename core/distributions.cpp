#include "core/distributions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "core/angle_integral.h"
#include "core/number_text.h"
#include "core/failure_rule.h"
#include "core/scattering_terms.h"
#include "core/table_lookup.h"

namespace tervolin {

namespace {

// sin θ, cos θ and sin(θ/2) of the 180 angles, the same for every energy.
using AngleGrid = std::array<AngleTrigonometry, kAngles + 1>;

AngleGrid MakeAngleGrid() {
  AngleGrid grid{};
  for (int j = 1; j <= kAngles; ++j) grid[j] = TrigonometryAt(j, kProgramPi);
  return grid;
}

// sin θ per unit angle; 1 per unit solid angle (a multiplication by 1 is exact, so
// the order of the other factors is kept).
double AngleFactor(const DistributionView& view, const ScatteringAngle& a) {
  return view.Has(View::kPerSolidAngle) ? 1.0 : a.sinTheta;
}

// The material's F(x) or S(x) from its table, or 1 for a free electron (no lookup,
// so a free electron has no table limits).
class AtomicFactor {
 public:
  AtomicFactor(const XfsTable& grid, const XfsTable& column, const DistributionView& view)
      : table_(grid, column), freeElectron_(view.Has(View::kFreeElectron)) {}
  double At(double x) const { return freeElectron_ ? 1.0 : table_.Lookup(x); }
  double At(double x, int& bracketHint) const { return freeElectron_ ? 1.0 : table_.Lookup(x, bracketHint); }

 private:
  LogLogTable table_;
  bool freeElectron_;
};

// ((cos θ)² + 1) × sin θ × F² at one angle.
double CoherentTerm(double formFactor, const DistributionView& view, const ScatteringAngle& a) {
  return Checked(Checked(ThomsonFactor(a) * AngleFactor(view, a)) * Checked(formFactor * formFactor));
}

// (E′/E)² × ((E/E′ + E′/E) − sin²θ) × sin θ × S at one angle.
double IncoherentTerm(double scatterFunction, const DistributionView& view, const ComptonScattering& compton,
                      const ScatteringAngle& a) {
  const double kleinNishina =
      Checked(KleinNishinaEnergyRatioSquared(compton) * KleinNishinaBracket(compton, a));
  return Checked(Checked(kleinNishina * AngleFactor(view, a)) * scatterFunction);
}

// One 0.5-keV bin of the spectrum: its energy and the quantities of it that are the
// same at every angle.
struct SpectralBin {
  double energy;                // E, keV
  double wavelength;            // λ, Å
  double energyOverRestEnergy;  // E / 511
  double fluence;               // relative photons in the bin
  double weight;                // fluence × cross section (cm²/g)
};

// The table rows that bracketed each angle's x = sin(θ/2)/λ at the previous
// energy: x only grows with the energy, so the next search starts there.
using BracketHints = std::array<int, kAngles + 1>;

// One spectral sum in progress: the distribution it adds to and what every bin needs.
struct SpectralSum {
  AngleTable& distribution;
  const AtomicFactor& column;
  const DistributionView& view;
  bool coherent;
  const EnergyTable& fluence;
  const EnergyTable& crossSection;  // cm²/g
};

// The term of the view at one angle of one bin, unweighted.
double BinTerm(const SpectralSum& sum, const SpectralBin& bin, const ScatteringAngle& a, int& bracketHint) {
  const double factor = sum.column.At(a.momentumTransfer, bracketHint);
  if (sum.coherent) return CoherentTerm(factor, sum.view, a);
  return IncoherentTerm(factor, sum.view, ComptonAt(bin.energy, bin.energyOverRestEnergy, a), a);
}

// The bin's term per unit angle has the integral that makes it a probability density:
// per unit solid angle, the same term without sin θ is divided by it too.
double PerAngleIntegral(const AngleTable& terms, const AngleGrid& angles, const DistributionView& view) {
  AngleTable perAngle = terms;
  if (view.Has(View::kPerSolidAngle)) {
    for (int j = 1; j <= kAngles; ++j) perAngle[j] = Checked(terms[j] * angles[j].sinTheta);
  }
  const double integral = IntegralOverAngles(perAngle, kProgramPi);
  if (!(integral > 0.0) || !std::isfinite(integral)) throw ArithmeticFailure("angular term without area");
  return integral;
}

// Adds one 0.5-keV bin of the spectrum to every angle of the distribution: its
// probability density of the angle, weighted by fluence × cross section. The term
// alone is proportional to the cross section already; weighting it again would
// count the cross section twice. A free electron's term is its own differential
// cross section (Thomson, Klein–Nishina), so weighted by the fluence alone it
// counts the free electron's cross section once, with the atom's factors set to 1
// in the weight as in the term: the same curve for every material.
void AddSpectralBin(const SpectralSum& sum, const AngleGrid& angles, const SpectralBin& bin, BracketHints& hints) {
  AngleTable terms{};
  for (int j = 1; j <= kAngles; ++j) {
    terms[j] = BinTerm(sum, bin, AtWavelength(angles[j], bin.wavelength), hints[j]);
  }
  const double scale =
      sum.view.Has(View::kFreeElectron) ? bin.fluence : CheckedDivide(bin.weight, PerAngleIntegral(terms, angles, sum.view));
  for (int j = 1; j <= kAngles; ++j) sum.distribution[j] = Checked(sum.distribution[j] + scale * terms[j]);
}

SpectralBin MakeSpectralBin(int n, const SpectralSum& sum) {
  const double energy = BinEnergy(n);
  const double wavelength = WavelengthFromEnergy(energy);
  const double weight = Checked(sum.fluence[n] * sum.crossSection[n]);
  return {energy, wavelength, energy / kElectronRestEnergyKev, sum.fluence[n], weight};
}

SpectralSum SpectralSumOf(AngleTable& distribution, const AtomicFactor& column, ScatterKind scatter,
                          const DistributionView& view, const MaterialTables& m, const EnergyTable& fluence) {
  const bool coherent = scatter == kCoherent;
  return {distribution, column, view, coherent, fluence, coherent ? m.coherent : m.incoherent};
}

// One bin's probability density of the angle, as AddSpectralBin weights it.
SpectralPart PartOf(const SpectralSum& sum, const AngleGrid& angles, const SpectralBin& bin, BracketHints& hints) {
  SpectralPart part{bin.energy, bin.weight, {}};
  for (int j = 1; j <= kAngles; ++j) {
    part.density[j] = BinTerm(sum, bin, AtWavelength(angles[j], bin.wavelength), hints[j]);
  }
  const double integral = PerAngleIntegral(part.density, angles, sum.view);
  for (int j = 1; j <= kAngles; ++j) part.density[j] /= integral;
  return part;
}

// The energy loop outside, the angle loop inside: coherent over bins 5…300,
// incoherent over 16…300. `distribution` must start at 0.
void SumOverSpectrum(AngleTable& distribution, ScatterKind scatter, const DistributionView& view,
                     const MaterialTables& m, const EnergyTable& fluence) {
  const bool coherent = scatter == kCoherent;
  const int firstBin = coherent ? kFirstCoherentBin : kFirstIncoherentBin;
  const AtomicFactor column(m.grid, coherent ? m.formFactor : m.scatterFunction, view);
  const SpectralSum sum = SpectralSumOf(distribution, column, scatter, view, m, fluence);
  const AngleGrid angles = MakeAngleGrid();
  BracketHints hints{};
  for (int n = firstBin; n <= kEnergyBins; ++n) AddSpectralBin(sum, angles, MakeSpectralBin(n, sum), hints);
}

void FillCoherent(AngleTable& distribution, double energy, const DistributionView& view, const MaterialTables& m) {
  const double wavelength = WavelengthFromEnergy(energy);
  const AtomicFactor formFactors(m.grid, m.formFactor, view);
  for (int j = 1; j <= kAngles; ++j) {
    const ScatteringAngle a = AngleAt(j, wavelength, kProgramPi);
    distribution[j] = CoherentTerm(formFactors.At(a.momentumTransfer), view, a);
  }
}

void FillIncoherent(AngleTable& distribution, double energy, const DistributionView& view,
                    const MaterialTables& m) {
  const double wavelength = WavelengthFromEnergy(energy);
  const AtomicFactor scatterFunctions(m.grid, m.scatterFunction, view);
  for (int j = 1; j <= kAngles; ++j) {
    const ScatteringAngle a = AngleAt(j, wavelength, kProgramPi);
    distribution[j] = IncoherentTerm(scatterFunctions.At(a.momentumTransfer), view, ComptonAt(energy, a), a);
  }
}

// The single-energy term per unit angle at θ rad, between the whole degrees too.
double TermAt(double theta, double energy, ScatterKind scatter, const AtomicFactor& column) {
  const AngleTrigonometry trig{theta, std::sin(theta), std::cos(theta), std::sin(0.5 * theta)};
  const ScatteringAngle a = AtWavelength(trig, WavelengthFromEnergy(energy));
  const double factor = column.At(a.momentumTransfer);
  if (scatter == kCoherent) return CoherentTerm(factor, {}, a);
  return IncoherentTerm(factor, {}, ComptonAt(energy, a), a);
}

// The steps of 1° that the integral of a curve between its points divides into ten.
inline constexpr int kIntegralStepsPerDegree = 10;

// A range's end with three significant digits, rounded up (the lower end) or down (the
// upper end) so that the end as shown lies in the range.
std::string RoundedText(double value, bool up) {
  if (!(value > 0.0) || !std::isfinite(value)) return ShortestText(value);
  const double scale = std::pow(10.0, 2 - static_cast<int>(std::floor(std::log10(value))));
  return GeneralText((up ? std::ceil(value * scale) : std::floor(value * scale)) / scale, 3);
}

}  // namespace

AngleTable ComputeDistribution(const DistributionRequest& request, const DistributionView& view,
                               const MaterialTables& material, const EnergyTable& fluence) {
  AngleTable distribution = UnscaledDistribution(request, view, material, fluence);
  NormaliseToMaximum(distribution);
  return distribution;
}

AngleTable UnscaledDistribution(const DistributionRequest& request, const DistributionView& view,
                                const MaterialTables& material, const EnergyTable& fluence) {
  AngleTable distribution{};
  if (request.energyMode == kSpectral) {
    SumOverSpectrum(distribution, request.scatter, view, material, fluence);
  } else if (request.scatter == kCoherent) {
    FillCoherent(distribution, request.energyKeV, view, material);
  } else {
    FillIncoherent(distribution, request.energyKeV, view, material);
  }
  return distribution;
}

std::vector<SpectralPart> SpectralParts(ScatterKind scatter, const MaterialTables& m, const EnergyTable& fluence) {
  const DistributionView perAngle{};
  const bool coherent = scatter == kCoherent;
  const AtomicFactor column(m.grid, coherent ? m.formFactor : m.scatterFunction, perAngle);
  AngleTable noSum{};  // the parts are kept apart, not summed
  const SpectralSum sum = SpectralSumOf(noSum, column, scatter, perAngle, m, fluence);
  const AngleGrid angles = MakeAngleGrid();
  BracketHints hints{};
  std::vector<SpectralPart> parts;
  for (int n = coherent ? kFirstCoherentBin : kFirstIncoherentBin; n <= kEnergyBins; ++n) {
    parts.push_back(PartOf(sum, angles, MakeSpectralBin(n, sum), hints));
  }
  return parts;
}

Outcome<AngleTable> Distribution(const DistributionRequest& request, const DistributionView& view,
                                 const MaterialTables& material, const EnergyTable& fluence) {
  if (request.energyMode == kSingleEnergy) {
    if (std::optional<Problem> refused = CheckSingleEnergy(request.energyKeV, material)) return *refused;
  }
  try {
    return ComputeDistribution(request, view, material, fluence);
  } catch (const ArithmeticFailure&) {
    if (request.energyMode == kSpectral) return Problem{TextId::kCannotCalculate};
    return EnergyNotCalculable(request.energyKeV, material);
  }
}

EnergyRange SingleEnergyRange(const MaterialTables& material) {
  // E = 12.4 · x / sin(θ/2): the energy at which an angle's x reaches a row.
  const double atFirstAngle = kWavelengthEnergyProduct / TrigonometryAt(1, kProgramPi).sinHalfTheta;
  const double atLastAngle = kWavelengthEnergyProduct / TrigonometryAt(kAngles, kProgramPi).sinHalfTheta;
  return {material.grid[1] * atFirstAngle, std::min(BinEnergy(kEnergyBins), material.grid[kXfsRows] * atLastAngle)};
}

Problem EnergyNotCalculable(double energyKeV, const MaterialTables& material) {
  const EnergyRange range = SingleEnergyRange(material);
  return Problem{TextId::kEnergyNotCalculable, std::nullopt,
                 {ShortestText(energyKeV), RoundedText(range.lowestKev, true),
                  RoundedText(range.highestKev, false)}};
}

double UnscaledIntegral(ScatterKind scatter, double energyKeV, const MaterialTables& material) {
  const AtomicFactor column(material.grid, scatter == kCoherent ? material.formFactor : material.scatterFunction, {});
  const int steps = kAngles * kIntegralStepsPerDegree;
  const double h = kProgramPi / steps;
  double sum = TermAt(kProgramPi, energyKeV, scatter, column);  // the term at 0 is 0: it carries sin θ
  for (int i = 1; i < steps; ++i) sum += (i % 2 == 1 ? 4.0 : 2.0) * TermAt(i * h, energyKeV, scatter, column);
  return Checked(sum * h / 3.0);
}

std::optional<Problem> CheckSingleEnergy(double energyKeV, const MaterialTables& material) {
  const EnergyRange range = SingleEnergyRange(material);
  if (energyKeV >= range.lowestKev && energyKeV <= range.highestKev) return std::nullopt;
  return EnergyNotCalculable(energyKeV, material);
}

}  // namespace tervolin
