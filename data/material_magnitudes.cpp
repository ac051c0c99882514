#include "data/material_magnitudes.h"

#include "core/distributions.h"
#include "core/failure_rule.h"
#include "core/form_factor_curves.h"
#include "core/number_text.h"
#include "data/scatterer_data.h"

namespace tervolin {

namespace {

// What one comparison works with: the material's tables (the cross sections read
// whatever the energy mode), the mode, the energy and the accepted spectrum.
struct Comparison {
  const MaterialTables& material;
  EnergyModeKind mode;
  double energyKev;
  const EnergyTable& fluence;
};

// The size of one kind of scattering: its cross section at the energy, or the
// spectrum's mean over the bins its spectral curve sums.
OrProblem<double> Size(const Comparison& c, const EnergyTable& crossSection, int firstBin) {
  if (c.mode == kSpectral) return MeanOverSpectrum(crossSection, c.fluence, firstBin);
  return CrossSectionAt(crossSection, c.energyKev);
}

// The program's curve of one kind as the calculation screen computes it.
AngleTable Shape(const Comparison& c, ScatterKind scatter) {
  return ComputeDistribution({scatter, c.mode, c.energyKev}, {}, c.material, c.fluence);
}

// The form factor's own curve of one kind, dσ/dθ per gram per degree, at the
// energy or as the spectrum's mean bin by bin.
OrProblem<AngleTable> Curve(const Comparison& c, ScatterKind scatter) {
  const double molarMass = *c.material.molarMass;
  if (c.mode == kSpectral) return FormFactorCurveOverSpectrum(scatter, c.material, molarMass, c.fluence);
  return FormFactorCurve(scatter, c.energyKev, c.material, molarMass);
}

// The integral of that curve over 0 … 180°, or its spectrum's mean.
OrProblem<double> Integral(const Comparison& c, ScatterKind scatter) {
  const double molarMass = *c.material.molarMass;
  if (c.mode == kSpectral) return FormFactorIntegralOverSpectrum(scatter, c.material, molarMass, c.fluence);
  return FormFactorCurveIntegral(scatter, c.energyKev, c.material, molarMass);
}

OrProblem<ScatteringMagnitudes> Absolute(const Comparison& c, double coherentSize, double incoherentSize) {
  const OrProblem<AngleTable> coherent = Curve(c, kCoherent);
  const OrProblem<AngleTable> incoherent = Curve(c, kIncoherent);
  const OrProblem<double> coherentIntegral = Integral(c, kCoherent);
  const OrProblem<double> incoherentIntegral = Integral(c, kIncoherent);
  if (const auto* problem = std::get_if<MagnitudeProblem>(&coherent)) return *problem;
  if (const auto* problem = std::get_if<MagnitudeProblem>(&incoherent)) return *problem;
  if (const auto* problem = std::get_if<MagnitudeProblem>(&coherentIntegral)) return *problem;
  if (const auto* problem = std::get_if<MagnitudeProblem>(&incoherentIntegral)) return *problem;
  return CompareAbsoluteMagnitudes({std::get<AngleTable>(coherent), std::get<AngleTable>(incoherent), coherentSize,
                                    incoherentSize, std::get<double>(coherentIntegral),
                                    std::get<double>(incoherentIntegral)});
}

// A table without the molar mass: the program's shapes scaled to the tabulated σ/ρ.
OrProblem<ScatteringMagnitudes> Scaled(const Comparison& c, double coherentSize, double incoherentSize) {
  return CompareMagnitudes({Shape(c, kCoherent), Shape(c, kIncoherent), coherentSize, incoherentSize});
}

MagnitudesOfMaterial Compare(const Comparison& c) {
  const OrProblem<double> coherent = Size(c, c.material.coherent, kFirstCoherentBin);
  const OrProblem<double> incoherent = Size(c, c.material.incoherent, kFirstIncoherentBin);
  if (const auto* problem = std::get_if<MagnitudeProblem>(&coherent)) return *problem;
  if (const auto* problem = std::get_if<MagnitudeProblem>(&incoherent)) return *problem;
  try {
    const double coherentSize = std::get<double>(coherent), incoherentSize = std::get<double>(incoherent);
    const OrProblem<ScatteringMagnitudes> result = c.material.molarMass
                                                       ? Absolute(c, coherentSize, incoherentSize)
                                                       : Scaled(c, coherentSize, incoherentSize);
    if (const auto* problem = std::get_if<MagnitudeProblem>(&result)) return *problem;
    return std::get<ScatteringMagnitudes>(result);
  } catch (const ArithmeticFailure&) {
    return MagnitudeProblem::kCannotCalculate;
  }
}

}  // namespace

MagnitudesOfMaterial MaterialMagnitudes(const std::filesystem::path& dataFolder, const std::string& material,
                                        EnergyModeKind mode, double energyKev, const EnergyTable& fluence) {
  const auto tables = LoadMaterialTables(dataFolder, material, true);
  if (!tables) return tables.Fault();
  if (mode == kSingleEnergy) {
    if (std::optional<Problem> refused = CheckSingleEnergy(energyKev, tables.Value())) return *refused;
  }
  return Compare({tables.Value(), mode, energyKev, fluence});
}

Problem ProblemOf(MagnitudeProblem problem, double energyKev, Language language) {
  const std::string tableRange =
      TextOf(TextId::kValueRange, {ShortestText(BinEnergy(1)), ShortestText(BinEnergy(kEnergyBins))}, language) + " keV";
  switch (problem) {
    case MagnitudeProblem::kEnergyOutsideTable:
      return Problem{TextId::kEnergyOutsideTable, {}, {ShortestText(energyKev), tableRange}};
    case MagnitudeProblem::kNoFluence: return Problem{TextId::kNoFluence};
    case MagnitudeProblem::kCannotCalculate: break;
  }
  return Problem{TextId::kCannotCalculate};
}

}  // namespace tervolin
