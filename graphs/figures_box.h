#pragma once
// The beam's figures on the spectrum graph: a white box in the upper right of the
// frame, above φ = 0.7, one column of figures for each spectrum shown (the last two
// when more are shown), reaching left from 100 keV to 72 keV with the second column.
// Right of 70 keV no spectrum of 30–150 kV filtered by up to 1 mm copper and 10 mm
// aluminium rises above φ 0.54. A harder beam's curve may rise there: the box then
// goes to the upper left, with one column if two would meet a curve there too.

#include <vector>

#include "core/beam_figures.h"
#include "core/energy_tables.h"
#include "core/language.h"
#include "graphs/drawing_surface.h"
#include "graphs/spectrum_graph.h"

namespace tervolin {

// The box's top edge and the height of one line of figures, user units (a line is
// 15.7 pixels), with the margin above the first line and below the last.
inline constexpr float kFiguresBoxTop = kSpectrumFrameTop + 10.0f;
inline constexpr float kFiguresLinePitch = 90.0f;
inline constexpr float kFiguresBoxMargin = 20.0f;
// The lowest the box reaches: five figures, the standard's two for a standard quality,
// and a line saying why some are missing.
inline constexpr float kFiguresBoxLowest = kFiguresBoxTop + 2 * kFiguresBoxMargin + 8 * kFiguresLinePitch;

// The box, drawn over whatever lies there (the previous computation's box included),
// with the figures of the spectra shown, in the order they were drawn, kept clear
// of their curves (`fluences`, as drawn), the figures' names in `language`. With one
// spectrum its figures are black; with more, each column is in its spectrum's
// colour (SpectrumCurveColour). Nothing is drawn for no spectrum.
void DrawFiguresBox(DrawingSurface& graph, const std::vector<BeamFigures>& shown,
                    const std::vector<EnergyTable>& fluences, Language language);

}  // namespace tervolin
