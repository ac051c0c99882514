#include "cli/plot.h"

#include "cli/calculation.h"
#include "cli/run_failure.h"
#include "core/message_language.h"
#include "core/messages.h"
#include "graphs/graph_layout.h"
#include "graphs/graph_picture.h"
#include "workbench/workbench.h"

namespace tervolin::cli {

namespace {

// The spectrum a spectral curve is weighted by, computed and accepted as on the
// spectrum screen.
void AcceptSpectrum(Workbench& bench, TubeSettings settings) {
  bench.shownSpectra.clear();
  const Outcome<Spectrum> spectrum = bench.ComputeSpectrum(settings);
  if (!spectrum) ThrowProblem(spectrum.Fault());
  if (auto problem = bench.AcceptSpectrum()) ThrowProblem(*problem);
}

void AddCurve(Workbench& bench, const PlotCurve& curve) {
  bench.scatter = curve.request.scatter;
  bench.colour = curve.colour;
  bench.energyMode = curve.request.spectrum ? kSpectral : kSingleEnergy;
  if (curve.request.spectrum) AcceptSpectrum(bench, *curve.request.spectrum);
  const auto computed = bench.ComputeCurve({curve.material, curve.request.energyText.value_or("")});
  if (!computed) ThrowProblem(computed.Fault());
}

}  // namespace

std::string PlotPicture(const std::filesystem::path& dataFolder, const std::vector<PlotCurve>& curves,
                        const PlotChoices& choices) {
  Workbench bench(dataFolder);
  bench.language = MessageLanguage();
  if (const auto failure = bench.ReadTables()) ThrowReadFailure(*failure);
  for (const PlotCurve& curve : curves) AddCurve(bench, curve);
  bench.views.choices = choices.views;
  SvgSurface graph(kAngleGraphScale, kAngleGraphPixelWidth, kAngleGraphPixelHeight, AngleGraphSvgFont());
  graph.SetTextLanguage(bench.language);
  RedrawAngleGraph(graph, bench.views);
  return EstimatedPictureSvg(graph, kAngleGraphLayout, kAngleGraphScale, choices.legend,
                             choices.title ? AngleGraphTitle(bench.views, bench.language) : std::string(), choices.slide);
}

}  // namespace tervolin::cli
