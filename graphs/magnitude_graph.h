#pragma once
// The graph of scattering magnitudes: curves of absolute values against the
// scattering angle θ = 0° … 180°, on a linear or logarithmic value axis, with a
// caption, a legend in the line above the frame, grid, tick labels and axis titles
// with their units.

#include <optional>
#include <string>
#include <vector>

#include "core/energy_tables.h"
#include "core/language.h"
#include "core/scattering_magnitudes.h"
#include "core/views.h"
#include "graphs/drawing_surface.h"
#include "graphs/legend_place.h"
#include "graphs/text_measures.h"
#include "graphs/user_coordinates.h"
#include "graphs/value_axis.h"

namespace tervolin {

struct MagnitudeCurve {
  AngleTable values{};  // θ = 1° … 180°
  Rgb colour;
  std::string title;
  bool dashed = false;  // a sum drawn over its parts, which show through its gaps
};

// The σ/ρ table under the frame, its numbers as texts: a heading, a line per kind
// with its cross section and share, and how many times incoherent scattering is the
// coherent. Without rows no table is drawn.
struct MagnitudeTableRow {
  std::string title;
  std::string crossSection;  // "0.005348 cm²/g"
  std::string share;         // "3.2 %"
  std::string curve;         // the curve's own σ/ρ and the table's over it; empty without the molar mass
};

struct MagnitudeTable {
  std::string heading;
  std::vector<MagnitudeTableRow> rows;
  std::string ratio;  // "非干渉性／干渉性 ＝ 30.4 倍"
  std::string note;   // why the curves are scaled to the table, or empty
};

struct MagnitudePlot {
  std::string caption;     // what is compared, e.g. "水 60 keV"
  std::string valueTitle;  // the value axis's title with its unit
  std::string unit;        // the values' unit, "cm²/g/deg"
  std::vector<MagnitudeCurve> curves;
  bool logarithmic = false;
  MagnitudeTable table;
};

// The comparison's three curves in their colours, the sum dashed over its parts:
// per degree, or per steradian.
std::vector<MagnitudeCurve> MagnitudeCurvesOf(const ScatteringMagnitudes& magnitudes, bool perSolidAngle,
                                              Language language);

// The table of a comparison: σ/ρ to four significant digits, the shares to 0.1 %,
// the ratio to three digits; `spectral` says the values are a spectrum's means.
MagnitudeTable MagnitudeTableOf(const ScatteringMagnitudes& magnitudes, bool spectral, Language language);

// The plot of the comparison of `subject` (as shown): dσ/dθ in cm²/g per degree, or
// dσ/dΩ in cm²/g/sr per unit solid angle (`views`), on a linear or logarithmic axis,
// with its table; without magnitudes, its caption and axes alone.
MagnitudePlot MagnitudePlotOf(const std::string& subject, const std::optional<ScatteringMagnitudes>& magnitudes,
                              bool spectral, const ViewSet& views, bool logarithmic, Language language);

// The table as lines of comma-separated cells (CR LF ends), each cell kept from being
// read as a formula, for appending to the curves' CSV.
std::string MagnitudeTableCsv(const MagnitudeTable& table);

// The plot's curves as a table (graphs/curves_csv.h), each titled with its unit, then
// its σ/ρ table.
std::string MagnitudePlotCsv(const MagnitudePlot& plot, Language language);

// The data-to-pixel mapping of a picture of the graph: θ across the frame, the value
// axis up it.
struct MagnitudeMapping {
  PixelRect frame;  // pixels
  ValueAxis axis;
  PixelPoint At(double degrees, double value) const;
  double DegreesAt(double x) const;
};

// The mapping on a picture of width × height pixels.
MagnitudeMapping MapMagnitudes(const MagnitudePlot& plot, double width, double height);

// The whole picture on a surface whose user units are pixels, the angle's title in
// `language`.
void DrawMagnitudeGraph(DrawingSurface& surface, const MagnitudePlot& plot, double width, double height,
                        const TextMeasures& text, Language language);

}  // namespace tervolin
