#pragma once
// The model's results as the page's values: numbers, the curves' views, legend rows,
// the beam's figures, the comparison and the standard qualities.

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "core/beam_figures.h"
#include "core/scattering_magnitudes.h"
#include "graphs/angle_graph_views.h"
#include "graphs/graph_legend.h"

namespace tervolin::web {

// Values 1… of a table (0 is not a value) as an array.
template <typename Table>
emscripten::val Values(const Table& table) {
  emscripten::val values = emscripten::val::array();
  for (std::size_t i = 1; i < table.size(); ++i) values.call<void>("push", table[i]);
  return values;
}

// The curve in the teaching views: {perSolidAngle, freeElectron, freeElectronPerSolidAngle},
// each 180 values or null where it cannot be calculated.
emscripten::val Views(const ViewedCurve& curve);

// A copy of the bytes in a Uint8Array.
emscripten::val Bytes(const std::string& bytes);

// {colour, title, note, dashed, dashes}: dashes the stroke-dasharray of the curve's
// line style ("" for solid).
emscripten::val RowValue(const LegendRow& row);

// The figures' texts: {meanEnergy, effectiveEnergy, hvl1, hvl2, homogeneity, problem,
// standardHvl1, standardHomogeneity}.
emscripten::val FigureTexts(const BeamFigures& figures, Language language);

// The figures of a beam in one line: mean and effective energies (keV), the half-value
// layers (mm Al) and the homogeneity coefficient.
std::string FiguresLine(const BeamFigures& figures, Language language);

// dσ/dθ (cm²/g per degree) of coherent, incoherent scattering and their sum, σ/ρ
// (cm²/g), the shares (%) and the ratio as the desktop's table words it.
emscripten::val MagnitudeValues(const ScatteringMagnitudes& magnitudes, Language language);

// The standard qualities: {value "RQR8", name "RQR 8", fields {kv, inherent, …}}.
emscripten::val QualityList();

}  // namespace tervolin::web
