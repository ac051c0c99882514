#include "cli/magnitudes.h"
#include "core/message_language.h"

#include "cli/calculation.h"
#include "cli/run_failure.h"
#include "cli/table_text.h"
#include "data/shown_item.h"

namespace tervolin::cli {

namespace {

std::string OutsideTable(const std::string& energyText) {
  const std::string range =
      TextOf(TextId::kValueRange, {ShortestText(BinEnergy(1)), ShortestText(BinEnergy(kEnergyBins))}, MessageLanguage());
  return Message(TextId::kCliOutsideTable, {ShownArgument(energyText), range});
}


std::string Percent(double share) { return FixedText(share, 2); }

constexpr const char* kScaledToTable =
    "note: the material's .xfs holds no molar mass; the curves are its shapes scaled to the table's cross sections";

}  // namespace

ScatteringMagnitudes CalculateMagnitudes(Workbench& bench, const EnergyRequest& energy, const std::string& material) {
  ReadTables(bench);
  ChooseEnergy(bench, kCoherent, energy);
  const Outcome<ScatteringMagnitudes> compared = bench.Compare({material, energy.energyText.value_or("")});
  if (compared) return compared.Value();
  if (compared.Fault().kind == TextId::kEnergyOutsideTable) throw UsageError(OutsideTable(*energy.energyText));
  if (compared.Fault().kind == TextId::kNoFluence) throw RunFailure(Message(TextId::kCliNoPhotons));
  ThrowProblem(compared.Fault());
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

// " (curve drawn 0.1078 cm2/g, table/curve 1.1000)": the integral of the curve drawn
// (F and S interpolated in the 45-row table) beside the table's σ/ρ.
std::string CurveNote(double integral, double ratio) {
  return " (curve drawn " + ShortestText(integral) + " cm2/g, table/curve " + FixedText(ratio, 4) + ")";
}

std::string MagnitudeTotalsText(const ScatteringMagnitudes& m) {
  const bool curve = m.fromFormFactor;
  return "coherent: " + ShortestText(m.coherentCrossSection) + " cm2/g, " + Percent(m.coherentShare) + " %" +
         (curve ? CurveNote(m.coherentCurveIntegral, m.coherentRatio) : "") + "\n" +
         "incoherent: " + ShortestText(m.incoherentCrossSection) + " cm2/g, " + Percent(m.incoherentShare) + " %" +
         (curve ? CurveNote(m.incoherentCurveIntegral, m.incoherentRatio) : "") + "\n" +
         "total: " + ShortestText(m.totalCrossSection) + " cm2/g" +
         (curve ? " (curves " + ShortestText(m.totalCurveIntegral) + " cm2/g)" : "") + "\n" +
         "incoherent/coherent: " + ShortestText(IncoherentToCoherentRatio(m)) + "\n" +
         (curve ? "" : std::string(kScaledToTable) + "\n");
}

std::string MagnitudeTotalsTable(const ScatteringMagnitudes& m, Format format) {
  const auto curve = [&m](double value) { return m.fromFormFactor ? ShortestText(value) : std::string(); };
  const std::vector<Row> rows{
      {"coherent", ShortestText(m.coherentCrossSection), ShortestText(m.coherentShare), curve(m.coherentCurveIntegral),
       curve(m.coherentRatio)},
      {"incoherent", ShortestText(m.incoherentCrossSection), ShortestText(m.incoherentShare),
       curve(m.incoherentCurveIntegral), curve(m.incoherentRatio)},
      {"total", ShortestText(m.totalCrossSection), "100", curve(m.totalCurveIntegral),
       curve(m.totalCrossSection / m.totalCurveIntegral)},
      {"incoherent_per_coherent", ShortestText(IncoherentToCoherentRatio(m)), "", "", ""}};
  return TableText(format,
                   {"scattering", "cross_section_cm2_per_g", "share_percent", "curve_integral_cm2_per_g",
                    "table_to_curve_ratio"},
                   rows);
}

}  // namespace tervolin::cli
