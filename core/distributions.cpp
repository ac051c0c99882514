#include "core/distributions.h"

#include <array>

#include "core/angle_graph.h"
#include "core/failure_rule.h"
#include "core/host.h"
#include "core/leading_number.h"
#include "core/messages.h"
#include "core/scattering_terms.h"
#include "core/shared_state.h"
#include "core/table_lookup.h"

namespace tervolin {

namespace {

inline constexpr int kFirstCoherentBin = 5;     // 2.5 keV
inline constexpr int kFirstIncoherentBin = 16;  // 8.0 keV

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

// ((cos θ)² + 1) × sin θ × F² at one angle.
double CoherentTerm(const LogLogTable& formFactors, const ScatteringAngle& a) {
  const double formFactor = formFactors.Lookup(a.momentumTransfer);
  return Checked(Checked(ThomsonFactor(a) * a.sinTheta) * Checked(formFactor * formFactor));
}

// (E′/E)² × ((E/E′ + E′/E) − sin²θ) × sin θ × S at one angle.
double IncoherentTerm(const LogLogTable& scatterFunctions, double energy, const ScatteringAngle& a) {
  const double scatterFunction = scatterFunctions.Lookup(a.momentumTransfer);
  const ComptonScattering compton = ComptonAt(energy, a);
  const double kleinNishina =
      Checked(KleinNishinaEnergyRatioSquared(compton) * KleinNishinaBracket(compton, a));
  return Checked(Checked(kleinNishina * a.sinTheta) * scatterFunction);
}

// weight × ((cos θ)² + 1) × sin θ × F², multiplied from the left.
double WeightedCoherentTerm(const LogLogTable& formFactors, double weight, const ScatteringAngle& a,
                            int& bracketHint) {
  const double formFactor = formFactors.Lookup(a.momentumTransfer, bracketHint);
  const double product = Checked(Checked(weight * ThomsonFactor(a)) * a.sinTheta);
  return Checked(product * Checked(formFactor * formFactor));
}

// One 0.5-keV bin of the spectrum: its energy and the quantities of it that are the
// same at every angle.
struct SpectralBin {
  double energy;                // E, keV
  double wavelength;            // λ, Å
  double energyOverRestEnergy;  // E / 511
  double weight;                // fluence × cross section
};

// weight × (E′/E)² × ((E/E′ + E′/E) − sin²θ) × sin θ × S, multiplied from the left.
double WeightedIncoherentTerm(const LogLogTable& scatterFunctions, const SpectralBin& bin,
                              const ScatteringAngle& a, int& bracketHint) {
  const double scatterFunction = scatterFunctions.Lookup(a.momentumTransfer, bracketHint);
  const ComptonScattering compton = ComptonAt(bin.energy, bin.energyOverRestEnergy, a);
  double product = Checked(bin.weight * KleinNishinaEnergyRatioSquared(compton));
  product = Checked(product * KleinNishinaBracket(compton, a));
  return Checked(Checked(product * a.sinTheta) * scatterFunction);
}

// The table rows that bracketed each angle's momentum transfer at the previous
// energy: x only grows with the energy, so the next search starts there.
using BracketHints = std::array<int, kAngles + 1>;

// Adds one 0.5-keV bin of the spectrum to every angle of the distribution.
void AddSpectralBin(const LogLogTable& column, const AngleGrid& angles, const SpectralBin& bin,
                    bool coherent, BracketHints& hints) {
  AngleTable& distribution = Shared().AngleDistribution;
  for (int j = 1; j <= kAngles; ++j) {
    const ScatteringAngle a = AtWavelength(angles[j], bin.wavelength);
    const double term = coherent ? WeightedCoherentTerm(column, bin.weight, a, hints[j])
                                 : WeightedIncoherentTerm(column, bin, a, hints[j]);
    distribution[j] = Checked(distribution[j] + term);
  }
}

SpectralBin MakeSpectralBin(int n, const EnergyTable& crossSection) {
  const double energy = BinEnergy(n);
  const double wavelength = WavelengthFromEnergy(energy);
  const double weight = Checked(Shared().AcceptedSpectrum[n] * crossSection[n]);
  return {energy, wavelength, energy / kElectronRestEnergyKev, weight};
}

// The energy loop outside, the angle loop inside, bins firstBin…300.
void SumOverSpectrum(int firstBin, const EnergyTable& crossSection, const XfsTable& column, bool coherent) {
  ClearDistribution();
  const LogLogTable table(Shared().XfsGrid, column);
  const AngleGrid angles = MakeAngleGrid();
  BracketHints hints{};
  for (int n = firstBin; n <= kEnergyBins; ++n) {
    AddSpectralBin(table, angles, MakeSpectralBin(n, crossSection), coherent, hints);
  }
}

void ScaleAndPlot() {
  CurrentHost().DispatchPendingEvents();
  NormaliseToMaximum();
  CurrentHost().DispatchPendingEvents();
  PlotDistribution();
}

}  // namespace

void CoherentMonoenergetic() {
  UnderFailureRule([] {
    ClearDistribution();
    const double wavelength = WavelengthFromEnergy(TypedEnergy());
    const LogLogTable formFactors(Shared().XfsGrid, Shared().XfsFormFactor);
    for (int j = 1; j <= kAngles; ++j) {
      Shared().AngleDistribution[j] = CoherentTerm(formFactors, AngleAt(j, wavelength, Shared().Pi));
    }
    ScaleAndPlot();
  });
}

void IncoherentMonoenergetic() {
  UnderFailureRule([] {
    ClearDistribution();
    const double energy = TypedEnergy();
    const double wavelength = WavelengthFromEnergy(energy);
    const LogLogTable scatterFunctions(Shared().XfsGrid, Shared().XfsScatterFunction);
    for (int j = 1; j <= kAngles; ++j) {
      Shared().AngleDistribution[j] =
          IncoherentTerm(scatterFunctions, energy, AngleAt(j, wavelength, Shared().Pi));
    }
    NormaliseToMaximum();
    CurrentHost().DispatchPendingEvents();
    PlotDistribution();
  });
}

void CoherentSpectral() {
  UnderFailureRule([] {
    SumOverSpectrum(kFirstCoherentBin, Shared().CoherentByEnergy, Shared().XfsFormFactor, true);
    ScaleAndPlot();
  });
}

void IncoherentSpectral() {
  UnderFailureRule([] {
    SumOverSpectrum(kFirstIncoherentBin, Shared().IncoherentByEnergy, Shared().XfsScatterFunction, false);
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
