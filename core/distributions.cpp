#include "core/distributions.h"

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
double CoherentTerm(const ScatteringAngle& a) {
  const double formFactor = LogLogLookup(a.momentumTransfer, Shared().XfsFormFactor);
  return Checked(Checked(ThomsonFactor(a) * a.sinTheta) * Checked(formFactor * formFactor));
}

// (E′/E)² × ((E/E′ + E′/E) − sin²θ) × sin θ × S at one angle.
double IncoherentTerm(double energy, const ScatteringAngle& a) {
  const double scatterFunction = LogLogLookup(a.momentumTransfer, Shared().XfsScatterFunction);
  const double scattered = ComptonScatteredEnergy(energy, a);
  const double kleinNishina = Checked(KleinNishinaEnergyRatioSquared(energy, scattered) *
                                      KleinNishinaBracket(energy, scattered, a));
  return Checked(Checked(kleinNishina * a.sinTheta) * scatterFunction);
}

// weight × ((cos θ)² + 1) × sin θ × F², multiplied from the left.
double WeightedCoherentTerm(double weight, const ScatteringAngle& a) {
  const double formFactor = LogLogLookup(a.momentumTransfer, Shared().XfsFormFactor);
  const double product = Checked(Checked(weight * ThomsonFactor(a)) * a.sinTheta);
  return Checked(product * Checked(formFactor * formFactor));
}

// weight × (E′/E)² × ((E/E′ + E′/E) − sin²θ) × sin θ × S, multiplied from the left.
double WeightedIncoherentTerm(double weight, double energy, const ScatteringAngle& a) {
  const double scatterFunction = LogLogLookup(a.momentumTransfer, Shared().XfsScatterFunction);
  const double scattered = ComptonScatteredEnergy(energy, a);
  double product = Checked(weight * KleinNishinaEnergyRatioSquared(energy, scattered));
  product = Checked(product * KleinNishinaBracket(energy, scattered, a));
  return Checked(Checked(product * a.sinTheta) * scatterFunction);
}

void AddSpectralBin(int bin, double weight, bool coherent) {
  const double energy = bin * 0.5;
  const double wavelength = WavelengthFromEnergy(energy);
  AngleTable& distribution = Shared().AngleDistribution;
  for (int j = 1; j <= kAngles; ++j) {
    const ScatteringAngle a = AngleAt(j, wavelength, Shared().Pi);
    const double term = coherent ? WeightedCoherentTerm(weight, a)
                                 : WeightedIncoherentTerm(weight, energy, a);
    distribution[j] = Checked(distribution[j] + term);
  }
}

void SumOverSpectrum(int firstBin, const EnergyTable& crossSection, bool coherent) {
  ClearDistribution();
  for (int n = firstBin; n <= kEnergyBins; ++n) {
    const double weight = Checked(Shared().SpectrumFluence[n] * crossSection[n]);
    AddSpectralBin(n, weight, coherent);
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
    for (int j = 1; j <= kAngles; ++j) {
      Shared().AngleDistribution[j] = CoherentTerm(AngleAt(j, wavelength, Shared().Pi));
    }
    ScaleAndPlot();
  });
}

void IncoherentMonoenergetic() {
  UnderFailureRule([] {
    ClearDistribution();
    const double energy = TypedEnergy();
    const double wavelength = WavelengthFromEnergy(energy);
    for (int j = 1; j <= kAngles; ++j) {
      Shared().AngleDistribution[j] = IncoherentTerm(energy, AngleAt(j, wavelength, Shared().Pi));
    }
    NormaliseToMaximum();
    CurrentHost().DispatchPendingEvents();
    PlotDistribution();
  });
}

void CoherentSpectral() {
  UnderFailureRule([] {
    SumOverSpectrum(kFirstCoherentBin, Shared().CoherentByEnergy, true);
    ScaleAndPlot();
  });
}

void IncoherentSpectral() {
  UnderFailureRule([] {
    SumOverSpectrum(kFirstIncoherentBin, Shared().IncoherentByEnergy, false);
    ScaleAndPlot();
  });
}

}  // namespace tervolin
