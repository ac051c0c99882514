#pragma once
// The beam's figures on the spectrum graph: a white box in the upper right of the
// frame, above φ = 0.7 and right of 100 keV, where no spectrum of 30–150 kV rises.

#include "core/beam_figures.h"
#include "graphs/drawing_surface.h"
#include "graphs/spectrum_graph.h"

namespace tervolin {

// The box's top edge and the height of one line of figures, user units (a line is
// 15.7 pixels), with the margin above the first line and below the last.
inline constexpr float kFiguresBoxTop = kSpectrumFrameTop + 10.0f;
// Its sides: from just right of 100 keV to just inside the frame's right side.
inline constexpr float kFiguresBoxLeft = static_cast<float>(SpectrumGraphX(100.0)) + 30.0f;
inline constexpr float kFiguresBoxRight = kSpectrumFrameRight - 20.0f;
inline constexpr float kFiguresLinePitch = 90.0f;
inline constexpr float kFiguresBoxMargin = 20.0f;
// The lowest the box reaches: five figures and a line saying why some are missing.
inline constexpr float kFiguresBoxLowest = kFiguresBoxTop + 2 * kFiguresBoxMargin + 6 * kFiguresLinePitch;

// The box, drawn over whatever lies there (the previous computation's box included).
void DrawFiguresBox(DrawingSurface& graph, const BeamFigures& figures);

}  // namespace tervolin
