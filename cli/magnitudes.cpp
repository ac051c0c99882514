#include "cli/magnitudes.h"

#include "cli/calculation.h"
#include "cli/run_failure.h"
#include "cli/table_text.h"
#include "core/field_number.h"
#include "data/material_magnitudes.h"
#include "data/shown_item.h"

namespace tervolin::cli {

namespace {

std::string OutsideTable(const std::string& energyText) {
  return "--energy " + ShownArgument(energyText) + " is outside the cross-section table, " + ShortestText(BinEnergy(1)) + " to " +
         ShortestText(BinEnergy(kEnergyBins)) + " keV";
}

// The comparison, or the failure that ends the run.
ScatteringMagnitudes Unpacked(const MagnitudesOfMaterial& result, const EnergyRequest& energy) {
  if (const auto* failure = std::get_if<ReadFailure>(&result)) ThrowReadFailure(*failure);
  if (const auto* problem = std::get_if<MagnitudeProblem>(&result)) {
    if (*problem == MagnitudeProblem::kEnergyOutsideTable) throw UsageError(OutsideTable(*energy.energyText));
    if (*problem == MagnitudeProblem::kNoFluence) throw RunFailure("the spectrum has no photons");
    throw RunFailure(kCannotCalculate);
  }
  return std::get<ScatteringMagnitudes>(result);
}

std::string Percent(double share) { return FixedText(share, 2); }

}  // namespace

ScatteringMagnitudes CalculateMagnitudes(const std::filesystem::path& dataFolder, const EnergyRequest& energy,
                                         const std::string& material) {
  const EnergyTable fluence = PrepareCalculation(dataFolder, energy.spectrum);
  const double energyKev = energy.energyText ? FieldNumberOrZero(*energy.energyText) : 0.0;
  const EnergyModeKind mode = energy.spectrum ? kSpectral : kSingleEnergy;
  return Unpacked(MaterialMagnitudes(dataFolder, material, mode, energyKev, fluence), energy);
}

std::string MagnitudeCurvesText(const ScatteringMagnitudes& m, Format format, bool perSolidAngle) {
  const std::string unit = perSolidAngle ? "_cm2_per_g_per_sr" : "_cm2_per_g_per_deg";
  const auto shown = [perSolidAngle](const AngleTable& curve) { return perSolidAngle ? PerSolidAngle(curve) : curve; };
  const AngleTable coherent = shown(m.coherent), incoherent = shown(m.incoherent), total = shown(m.total);
  std::vector<Row> rows;
  for (int j = 1; j <= kAngles; ++j) {
    rows.push_back({std::to_string(j), ShortestText(coherent[j]), ShortestText(incoherent[j]), ShortestText(total[j])});
  }
  return TableText(format, {"theta_deg", "coherent" + unit, "incoherent" + unit, "total" + unit}, rows);
}

std::string MagnitudeTotalsText(const ScatteringMagnitudes& m) {
  return "coherent: " + ShortestText(m.coherentCrossSection) + " cm2/g, " + Percent(m.coherentShare) + " %\n" +
         "incoherent: " + ShortestText(m.incoherentCrossSection) + " cm2/g, " + Percent(m.incoherentShare) + " %\n" +
         "total: " + ShortestText(m.totalCrossSection) + " cm2/g\n" +
         "incoherent/coherent: " + ShortestText(IncoherentToCoherentRatio(m)) + "\n";
}

std::string MagnitudeTotalsTable(const ScatteringMagnitudes& m, Format format) {
  const std::vector<Row> rows{
      {"coherent", ShortestText(m.coherentCrossSection), ShortestText(m.coherentShare)},
      {"incoherent", ShortestText(m.incoherentCrossSection), ShortestText(m.incoherentShare)},
      {"total", ShortestText(m.totalCrossSection), "100"},
      {"incoherent_per_coherent", ShortestText(IncoherentToCoherentRatio(m)), ""}};
  return TableText(format, {"scattering", "cross_section_cm2_per_g", "share_percent"}, rows);
}

}  // namespace tervolin::cli
