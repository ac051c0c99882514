#pragma once
// The spectra the spectrum graph shows, drawn together: each scaled to its own
// maximum, or all on one scale, where a tube of higher voltage (the same current
// and time) shows more photons; then the box of their figures.

#include <vector>

#include "core/energy_tables.h"
#include "core/language.h"
#include "core/spectrum_model.h"
#include "graphs/curve_record.h"
#include "graphs/drawing_surface.h"

namespace tervolin {

enum class SpectrumScale {
  kEachToItsMaximum,  // every spectrum peaks at φ = 1, as the spectrum file holds it
  kCommon,            // relative to the largest unscaled fluence among those shown
};

// The fluence of each spectrum as the graph shows it on the scale.
std::vector<EnergyTable> FluencesOnScale(const std::vector<Spectrum>& spectra, SpectrumScale scale);

// The graph cleared to its axes, then the spectra in order, each in its turn's
// colour (SpectrumCurveColour), then their figures with their names in `language`.
void DrawShownSpectra(DrawingSurface& graph, const std::vector<Spectrum>& spectra, SpectrumScale scale,
                      Language language);

// The spectra as the graph shows them, each labelled with its settings.
std::vector<CurveRecord> SpectrumRecords(const std::vector<Spectrum>& spectra, SpectrumScale scale);

}  // namespace tervolin
