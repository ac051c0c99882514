#include "graphs/shown_spectra.h"

#include <algorithm>

#include "graphs/curve_label.h"
#include "graphs/figures_box.h"
#include "graphs/spectrum_graph.h"

namespace tervolin {

namespace {

double LargestUnscaledMaximum(const std::vector<Spectrum>& spectra) {
  double largest = 0.0;
  for (const Spectrum& s : spectra) largest = std::max(largest, s.unscaledMaximum);
  return largest;
}

}  // namespace

std::vector<EnergyTable> FluencesOnScale(const std::vector<Spectrum>& spectra, SpectrumScale scale) {
  const double largest = LargestUnscaledMaximum(spectra);
  std::vector<EnergyTable> fluences;
  for (const Spectrum& s : spectra) {
    fluences.push_back(scale == SpectrumScale::kCommon ? FluenceOnCommonScale(s, largest) : s.fluence);
  }
  return fluences;
}

void DrawShownSpectra(DrawingSurface& graph, const std::vector<Spectrum>& spectra, SpectrumScale scale,
                      Language language) {
  ClearSpectrumGraph(graph);
  const std::vector<EnergyTable> fluences = FluencesOnScale(spectra, scale);
  std::vector<BeamFigures> figures;
  for (std::size_t i = 0; i < spectra.size(); ++i) {
    DrawSpectrumCurve(graph, fluences[i], SpectrumCurveColour(i));
    figures.push_back(spectra[i].figures);
  }
  DrawFiguresBox(graph, figures, fluences, language);
}

std::vector<CurveRecord> SpectrumRecords(const std::vector<Spectrum>& spectra, SpectrumScale scale) {
  const std::vector<EnergyTable> fluences = FluencesOnScale(spectra, scale);
  std::vector<CurveRecord> records;
  for (std::size_t i = 0; i < spectra.size(); ++i) {
    records.push_back({std::vector<double>(fluences[i].begin() + 1, fluences[i].end()), SpectrumCurveColour(i),
                       SpectrumLabel(spectra[i].settings)});
  }
  return records;
}

}  // namespace tervolin
