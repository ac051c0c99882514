#include "cli/commands.h"
#include "core/message_language.h"

#include <cmath>
#include <filesystem>
#include <iostream>

#include "cli/calculation.h"
#include "cli/data_folder.h"
#include "cli/magnitudes.h"
#include "cli/plot.h"
#include "cli/table_text.h"
#include "core/beam_qualities.h"
#include "data/shown_item.h"
#include "data/spectrum_file.h"
#include "data/utf8_text.h"

namespace tervolin::cli {

namespace {

namespace fs = std::filesystem;

fs::path DataFolder(const Invocation& invocation) {
  return UsableDataFolder(FindDataFolder(invocation.Value("--data")));
}

// The value column names the views (core/views.h): "relative_density",
// "…_per_solid_angle", "…_free_electron".
std::string DensityColumn(const DistributionView& view) {
  std::string column = "relative_density";
  for (const ViewEntry& v : kViews) column += view.Has(v.view) ? v.column : "";
  return column;
}

std::string Angles(const Invocation& invocation) {
  const AnglesRequest request = MakeAnglesRequest(invocation);
  const Format format = OutputFormat(invocation, false);
  Workbench bench = OpenBench(DataFolder(invocation));
  const std::string material = ListName(bench, request.material);
  ReadTables(bench);
  const AngleTable distribution = CalculateAngles(bench, request, material);
  std::vector<Row> rows;
  for (int j = 1; j <= kAngles; ++j) rows.push_back({std::to_string(j), ShortestText(distribution[j])});
  return TableText(format, {"theta_deg", DensityColumn(request.view)}, rows);
}

// The figures of the beam and, for a quality, the standard's beside them with the
// standard's own two decimals (IEC 61267 gives h as 0.68), as the spectrum graph's box
// and the qualities' table show them.
std::vector<BeamFigureLine> FigureLines(const BeamFigures& figures, const std::optional<BeamQuality>& quality) {
  const std::array<BeamFigureLine, 5> beam = BeamFigureLines(figures);
  std::vector<BeamFigureLine> lines(beam.begin(), beam.end());
  if (!quality) return lines;
  lines.push_back({"standard HVL1", quality->standardHvl1Mm, 2, "mm Al"});
  if (quality->standardHomogeneity) lines.push_back({"standard homogeneity coefficient", quality->standardHomogeneity, 2, ""});
  return lines;
}

// Why the figures named could not be given: the air table they need, or the
// aluminium column beyond whose energies the beam's lies.
std::optional<std::string> FiguresShortfall(const FiguresRun& run, const std::vector<BeamFigureLine>& lines) {
  std::string missing;
  for (const BeamFigureLine& line : lines) {
    if (!line.value || !std::isfinite(*line.value)) missing += (missing.empty() ? "" : ", ") + std::string(line.name);
  }
  if (missing.empty()) return std::nullopt;
  const bool air = run.figures.problem && run.airFailure;
  const std::string why = air ? *run.airFailure : Message(TextId::kCliFiguresBeyondTables);
  return Message(TextId::kCliFiguresNotGiven, {missing, why});
}

// The beam figures as lines "name: value unit", or with --format as a table of
// name, value (empty when missing) and unit; a figure missing is the run's shortfall.
CommandOutput Figures(const Invocation& invocation, const TubeSettings& settings) {
  const bool asTable = invocation.Has("--format");
  const Format format = OutputFormat(invocation, false);
  Workbench bench = OpenBench(DataFolder(invocation));
  const FiguresRun run = CalculateBeamFigures(bench, settings);
  const std::string* quality = invocation.Value("--quality");
  const std::vector<BeamFigureLine> lines =
      FigureLines(run.figures, quality ? FindBeamQuality(*quality) : std::nullopt);
  std::vector<Row> rows;
  std::string text;
  for (const BeamFigureLine& line : lines) {
    text += FormatBeamFigureLine(line);
    const bool known = line.value && std::isfinite(*line.value);
    rows.push_back({line.name, known ? FormatFigure(line.value, line.decimals) : "", line.unit});
  }
  return {asTable ? TableText(format, {"figure", "value", "unit"}, rows) : text, FiguresShortfall(run, lines)};
}

CommandOutput Spectrum(const Invocation& invocation) {
  const TubeSettings settings = SpectrumRequest(invocation);
  if (invocation.Has("--figures")) return Figures(invocation, settings);
  const Format format = OutputFormat(invocation, true);
  Workbench bench = OpenBench(DataFolder(invocation));
  ReadTables(bench);
  const EnergyTable fluence = CalculateSpectrum(bench, settings).fluence;
  if (format == Format::Dat) return {SpectrumFileText(fluence)};
  std::vector<Row> rows;
  for (int n = 1; n <= kEnergyBins; ++n) rows.push_back({ShortestText(BinEnergy(n)), ShortestText(fluence[n])});
  return {TableText(format, {"energy_keV", "relative_fluence"}, rows)};
}

std::string Materials(const Invocation& invocation) {
  const Format format = OutputFormat(invocation, false);
  std::vector<Row> rows;
  for (const ShownMaterial& m : OpenBench(DataFolder(invocation)).Materials()) {
    rows.push_back({EscapedName(m.key), EscapedName(m.alias)});
  }
  return TableText(format, {"name", "alias"}, rows);
}

// The standard qualities: name, the tube settings they give, the standard's figures.
std::string Qualities(const Invocation& invocation) {
  const Format format = OutputFormat(invocation, false);
  std::vector<Row> rows;
  for (const BeamQuality& q : BeamQualities()) {
    const TubeSettings s = QualitySettings(q);
    rows.push_back({QualityName(q), s.tubeVoltage, s.targetAngle, s.inherentFiltration, s.aluminiumFilter,
                    FixedText(q.standardHvl1Mm, 2), q.standardHomogeneity ? FixedText(*q.standardHomogeneity, 2) : ""});
  }
  return TableText(format, {"quality", "kv", "target_angle_deg", "inherent_mm_al", "added_al_mm", "standard_hvl1_mm_al",
                            "standard_homogeneity"}, rows);
}

// The curves, the totals on standard error; with --totals the totals alone, as a
// table when a --format is given.
std::string Compare(const Invocation& invocation) {
  const std::string& material = Required(invocation, "--material");
  const EnergyRequest energy = MakeEnergyRequest(invocation);
  const Format format = OutputFormat(invocation, false);
  Workbench bench = OpenBench(DataFolder(invocation));
  const ScatteringMagnitudes magnitudes = CalculateMagnitudes(bench, energy, ListName(bench, material));
  if (invocation.Has("--totals")) {
    return invocation.Has("--format") ? MagnitudeTotalsTable(magnitudes, format) : MagnitudeTotalsText(magnitudes);
  }
  std::cerr << MagnitudeTotalsText(magnitudes);
  return MagnitudeCurvesText(magnitudes, format, ChosenViews(invocation).Has(View::kPerSolidAngle));
}

// The angular graph of the curves as SVG: each curve's options after its --scattering.
std::string Plot(const Invocation& invocation) {
  if (invocation.curves.empty()) throw UsageError("plot needs a curve: --scattering, --material and --energy or --kv");
  Workbench bench = OpenBench(DataFolder(invocation));
  std::vector<PlotCurve> curves;
  for (const Invocation& curve : invocation.curves) {
    const AnglesRequest request = MakeAnglesRequest(curve);
    curves.push_back({request, ListName(bench, request.material), CurveColourIndex(curve)});
  }
  const AngleGraphChoices views{ChosenViews(invocation), invocation.Has("--colour-vision-safe")
                                                             ? CurvePalette::kColourVisionSafe
                                                             : CurvePalette::kScreen};
  return PlotPicture(bench, curves, views,
                     {invocation.Has("--legend"), invocation.Has("--title"), invocation.Has("--slide")});
}

}  // namespace

CommandOutput RunCommand(const Invocation& invocation) {
  switch (invocation.command) {
    case Command::Angles: return {Angles(invocation)};
    case Command::Spectrum: return Spectrum(invocation);
    case Command::Materials: return {Materials(invocation)};
    case Command::Compare: return {Compare(invocation)};
    case Command::Qualities: return {Qualities(invocation)};
    case Command::Plot: return {Plot(invocation)};
  }
  return {};
}

}  // namespace tervolin::cli
