#include "data/material_magnitudes.h"

#include "core/distributions.h"
#include "core/failure_rule.h"
#include "core/shared_state.h"
#include "data/cross_section_file.h"
#include "data/scatterer_data.h"

namespace tervolin {

namespace {

// The size of one kind of scattering: its cross section at the energy, or the
// spectrum's mean over the bins its spectral curve sums.
OrProblem<double> Size(const EnergyTable& crossSection, double energyKev, int firstBin) {
  if (Shared().EnergyMode == kSpectral) return MeanOverSpectrum(crossSection, Shared().AcceptedSpectrum, firstBin);
  return CrossSectionAt(crossSection, energyKev);
}

// The program's curve of one kind as the calculation screen computes it.
AngleTable Shape(ScatterKind scatter, double energyKev) {
  return ComputeDistribution({scatter, static_cast<EnergyModeKind>(Shared().EnergyMode), energyKev}, {});
}

MagnitudesOfMaterial Compare(const CrossSectionTables& tables, double energyKev) {
  const OrProblem<double> coherent = Size(tables.coherent, energyKev, kFirstCoherentBin);
  const OrProblem<double> incoherent = Size(tables.incoherent, energyKev, kFirstIncoherentBin);
  if (const auto* problem = std::get_if<MagnitudeProblem>(&coherent)) return *problem;
  if (const auto* problem = std::get_if<MagnitudeProblem>(&incoherent)) return *problem;
  try {
    const MagnitudeInputs inputs{Shape(kCoherent, energyKev), Shape(kIncoherent, energyKev),
                                 std::get<double>(coherent), std::get<double>(incoherent)};
    const OrProblem<ScatteringMagnitudes> result = CompareMagnitudes(inputs);
    if (const auto* problem = std::get_if<MagnitudeProblem>(&result)) return *problem;
    return std::get<ScatteringMagnitudes>(result);
  } catch (const ArithmeticFailure&) {
    return MagnitudeProblem::kCannotCalculate;
  }
}

}  // namespace

MagnitudesOfMaterial MaterialMagnitudes(const std::string& material, double energyKev) {
  if (const std::optional<ReadFailure> failure = LoadScattererData(material)) return *failure;
  const std::variant<CrossSectionTables, ReadFailure> tables = ReadCrossSectionTables(material);
  if (const auto* failure = std::get_if<ReadFailure>(&tables)) return *failure;
  return Compare(std::get<CrossSectionTables>(tables), energyKev);
}

}  // namespace tervolin
