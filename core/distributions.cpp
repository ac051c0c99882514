#include "core/distributions.h"

#include <array>
#include <cmath>

#include "core/angle_graph.h"
#include "core/angle_integral.h"
#include "core/failure_rule.h"
#include "core/host.h"
#include "core/leading_number.h"
#include "core/messages.h"
#include "core/scattering_terms.h"
#include "core/shared_state.h"
#include "core/table_lookup.h"

namespace tervolin {

namespace {

// sin θ, cos θ and sin(θ/2) of the 180 angles, the same for every energy.
using AngleGrid = std::array<AngleTrigonometry, kAngles + 1>;

AngleGrid MakeAngleGrid() {
  AngleGrid grid{};
  for (int j = 1; j <= kAngles; ++j) grid[j] = TrigonometryAt(j, Shared().Pi);
  return grid;
}

void ClearDistribution() {
  for (int j = 1; j <= kAngles; ++j) Shared().AngleDistribution[j] = 0.0;
}

double TypedEnergy() { return ReadLeadingNumber(CurrentHost().EnergyFieldText()); }

// Runs one distribution; an arithmetic failure ends it with the message box.
template <typename Body>
void UnderFailureRule(Body body) {
  try {
    body();
  } catch (const ArithmeticFailure&) {
    CurrentHost().ShowWarning(msg::kCannotCalculate);
  }
}

// sin θ per unit angle; 1 per unit solid angle (a multiplication by 1 is exact, so
// the order of the other factors is kept).
double AngleFactor(const DistributionView& view, const ScatteringAngle& a) {
  return view.perSolidAngle ? 1.0 : a.sinTheta;
}

// The material's F(x) or S(x) from its table, or 1 for a free electron (no lookup,
// so a free electron has no table limits).
class AtomicFactor {
 public:
  AtomicFactor(const XfsTable& column, const DistributionView& view)
      : table_(Shared().XfsGrid, column), freeElectron_(view.freeElectron) {}
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
  double weight;                // fluence × cross section (cm²/g)
};

// The table rows that bracketed each angle's momentum transfer at the previous
// energy: x only grows with the energy, so the next search starts there.
using BracketHints = std::array<int, kAngles + 1>;

// One spectral sum in progress: the distribution it adds to and what every bin needs.
struct SpectralSum {
  AngleTable& distribution;
  const AtomicFactor& column;
  const DistributionView& view;
  bool coherent;
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
  if (view.perSolidAngle) {
    for (int j = 1; j <= kAngles; ++j) perAngle[j] = Checked(terms[j] * angles[j].sinTheta);
  }
  const double integral = IntegralOverAngles(perAngle, Shared().Pi);
  if (!(integral > 0.0) || !std::isfinite(integral)) throw ArithmeticFailure("angular term without area");
  return integral;
}

// Adds one 0.5-keV bin of the spectrum to every angle of the distribution: its
// probability density of the angle, weighted by fluence × cross section. The term
// alone is proportional to the cross section already; weighting it again would
// count the cross section twice.
void AddSpectralBin(const SpectralSum& sum, const AngleGrid& angles, const SpectralBin& bin, BracketHints& hints) {
  AngleTable terms{};
  for (int j = 1; j <= kAngles; ++j) {
    terms[j] = BinTerm(sum, bin, AtWavelength(angles[j], bin.wavelength), hints[j]);
  }
  const double scale = CheckedDivide(bin.weight, PerAngleIntegral(terms, angles, sum.view));
  for (int j = 1; j <= kAngles; ++j) sum.distribution[j] = Checked(sum.distribution[j] + scale * terms[j]);
}

SpectralBin MakeSpectralBin(int n, const EnergyTable& crossSection) {
  const double energy = BinEnergy(n);
  const double wavelength = WavelengthFromEnergy(energy);
  const double weight = Checked(Shared().AcceptedSpectrum[n] * crossSection[n]);
  return {energy, wavelength, energy / kElectronRestEnergyKev, weight};
}

// The energy loop outside, the angle loop inside: coherent over bins 5…300,
// incoherent over 16…300. `distribution` must start at 0.
void SumOverSpectrum(AngleTable& distribution, ScatterKind scatter, const DistributionView& view) {
  const bool coherent = scatter == kCoherent;
  const int firstBin = coherent ? kFirstCoherentBin : kFirstIncoherentBin;
  const EnergyTable& crossSection = coherent ? Shared().CoherentByEnergy : Shared().IncoherentByEnergy;
  const AtomicFactor column(coherent ? Shared().XfsFormFactor : Shared().XfsScatterFunction, view);
  const SpectralSum sum{distribution, column, view, coherent};
  const AngleGrid angles = MakeAngleGrid();
  BracketHints hints{};
  for (int n = firstBin; n <= kEnergyBins; ++n) AddSpectralBin(sum, angles, MakeSpectralBin(n, crossSection), hints);
}

void FillCoherent(AngleTable& distribution, double energy, const DistributionView& view) {
  const double wavelength = WavelengthFromEnergy(energy);
  const AtomicFactor formFactors(Shared().XfsFormFactor, view);
  for (int j = 1; j <= kAngles; ++j) {
    const ScatteringAngle a = AngleAt(j, wavelength, Shared().Pi);
    distribution[j] = CoherentTerm(formFactors.At(a.momentumTransfer), view, a);
  }
}

void FillIncoherent(AngleTable& distribution, double energy, const DistributionView& view) {
  const double wavelength = WavelengthFromEnergy(energy);
  const AtomicFactor scatterFunctions(Shared().XfsScatterFunction, view);
  for (int j = 1; j <= kAngles; ++j) {
    const ScatteringAngle a = AngleAt(j, wavelength, Shared().Pi);
    distribution[j] = IncoherentTerm(scatterFunctions.At(a.momentumTransfer), view, ComptonAt(energy, a), a);
  }
}

void ScaleAndPlot() {
  CurrentHost().DispatchPendingEvents();
  NormaliseToMaximum();
  CurrentHost().DispatchPendingEvents();
  PlotDistribution();
}

}  // namespace

AngleTable ComputeDistribution(const DistributionRequest& request, const DistributionView& view) {
  AngleTable distribution{};
  if (request.energyMode == kSpectral) {
    SumOverSpectrum(distribution, request.scatter, view);
  } else if (request.scatter == kCoherent) {
    FillCoherent(distribution, request.energyKeV, view);
  } else {
    FillIncoherent(distribution, request.energyKeV, view);
  }
  NormaliseToMaximum(distribution);
  return distribution;
}

void CoherentMonoenergetic() {
  UnderFailureRule([] {
    ClearDistribution();
    FillCoherent(Shared().AngleDistribution, TypedEnergy(), DistributionView{});
    ScaleAndPlot();
  });
}

void IncoherentMonoenergetic() {
  UnderFailureRule([] {
    ClearDistribution();
    FillIncoherent(Shared().AngleDistribution, TypedEnergy(), DistributionView{});
    NormaliseToMaximum();
    CurrentHost().DispatchPendingEvents();
    PlotDistribution();
  });
}

void CoherentSpectral() {
  UnderFailureRule([] {
    ClearDistribution();
    SumOverSpectrum(Shared().AngleDistribution, kCoherent, DistributionView{});
    ScaleAndPlot();
  });
}

void IncoherentSpectral() {
  UnderFailureRule([] {
    ClearDistribution();
    SumOverSpectrum(Shared().AngleDistribution, kIncoherent, DistributionView{});
    ScaleAndPlot();
  });
}

namespace {

struct Distribution {
  int scatterType;
  int energyMode;
  void (*run)();
};

// Tested in this order.
constexpr Distribution kDistributions[] = {
    {kCoherent, kSingleEnergy, CoherentMonoenergetic},
    {kCoherent, kSpectral, CoherentSpectral},
    {kIncoherent, kSingleEnergy, IncoherentMonoenergetic},
    {kIncoherent, kSpectral, IncoherentSpectral},
};

}  // namespace

bool RunChosenDistribution() {
  for (const Distribution& d : kDistributions) {
    if (Shared().ScatterType == d.scatterType && Shared().EnergyMode == d.energyMode) {
      d.run();
      return true;
    }
  }
  return false;
}

}  // namespace tervolin
