#include "graphs/magnitude_graph.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/number_text.h"
#include "core/spreadsheet_cell.h"
#include "core/text_catalogue.h"
#include "graphs/curve_axis.h"
#include "graphs/curve_record.h"
#include "graphs/curves_csv.h"
#include "graphs/palette.h"

namespace tervolin {

namespace {

// Room around the frame for the caption and legend, tick labels and axis titles.
constexpr double kLeft = 86, kTop = 52, kRight = 20, kBottom = 54;
constexpr int kAngleTickStep = 30;  // degrees between labelled angles
constexpr int kAngleGridStep = 10;
constexpr double kLegendSample = 24;  // the short line in a curve's colour
constexpr Rgb kGridGrey{200, 200, 200};
constexpr double kTableLine = 18;    // the pitch of the table's lines under the frame
constexpr double kTableColumnGap = 18;

// The lines of the table (heading, rows, ratio), none without rows.
int TableLines(const MagnitudeTable& table) {
  return table.rows.empty() ? 0 : static_cast<int>(table.rows.size()) + (table.note.empty() ? 2 : 3);
}

double WidestOf(const MagnitudeTable& table, std::string MagnitudeTableRow::*cell, const TextMeasures& text) {
  double widest = 0.0;
  for (const MagnitudeTableRow& row : table.rows) widest = std::max(widest, text.width(row.*cell));
  return widest;
}

ValueAxis AxisFor(const MagnitudePlot& plot) {
  double largest = 0.0, smallest = std::numeric_limits<double>::infinity();
  for (const MagnitudeCurve& curve : plot.curves) {
    for (int j = 1; j <= kAngles; ++j) {
      largest = std::max(largest, curve.values[j]);
      if (curve.values[j] > 0.0) smallest = std::min(smallest, curve.values[j]);
    }
  }
  return plot.logarithmic ? LogarithmicValueAxis(smallest, largest) : LinearValueAxis(largest);
}

void PrintAt(DrawingSurface& surface, double x, double y, const std::string& utf8) {
  surface.Print(static_cast<float>(x), static_cast<float>(y), utf8);
}

// A 1-pixel grey line through the middle of whole pixels, so it stays crisp.
void GridLine(DrawingSurface& surface, double x1, double y1, double x2, double y2) {
  const auto crisp = [](double v) { return static_cast<float>(std::floor(v) + 0.5); };
  surface.Line(crisp(x1), crisp(y1), crisp(x2), crisp(y2), kGridGrey);
}

// Grid lines every 10° and at each value tick, with the angles every 30° and the
// tick values labelled outside the frame.
void DrawGrid(DrawingSurface& surface, const MagnitudeMapping& map, const TextMeasures& text) {
  const PixelRect& f = map.frame;
  surface.DrawWidth(1);
  for (int degrees = 0; degrees <= 180; degrees += kAngleGridStep) {
    const double x = map.At(degrees, map.axis.low).x;
    GridLine(surface, x, f.top, x, f.top + f.height);
    if (degrees % kAngleTickStep != 0) continue;
    const std::string label = std::to_string(degrees);
    PrintAt(surface, x - text.width(label) / 2, f.top + f.height + 3, label);
  }
  for (const double tick : map.axis.ticks) {
    const double y = map.At(0, tick).y;
    GridLine(surface, f.left, y, f.left + f.width, y);
    const std::string label = TickText(map.axis, tick);
    PrintAt(surface, f.left - 5 - text.width(label), y - text.height / 2, label);
  }
}

// The caption above the frame, the angle's title under it, the value's title upright
// at its left.
void DrawTitles(DrawingSurface& surface, const MagnitudePlot& plot, const MagnitudeMapping& map,
                const TextMeasures& text, Language language) {
  const PixelRect& f = map.frame;
  PrintAt(surface, f.left, 6, plot.caption);
  const std::string angleTitle = TextOf(TextId::kAngleAxisTitle, language);
  PrintAt(surface, f.left + (f.width - text.width(angleTitle)) / 2, f.top + f.height + 4 + text.height, angleTitle);
  surface.TextUpright(true);
  PrintAt(surface, 8, f.top + (f.height + text.width(plot.valueTitle)) / 2, plot.valueTitle);
  surface.TextUpright(false);
}

// Each curve from 1° to 180°, held inside the frame.
void DrawCurves(DrawingSurface& surface, const MagnitudePlot& plot, const MagnitudeMapping& map) {
  const PixelRect& f = map.frame;
  const auto point = [&](const MagnitudeCurve& curve, int j) {
    const PixelPoint p = map.At(j, curve.values[j]);
    return PixelPoint{p.x, std::clamp(p.y, f.top, f.top + f.height)};
  };
  surface.DrawWidth(2);
  for (const MagnitudeCurve& curve : plot.curves) {
    surface.StrokeStyle(curve.dashed ? LineStyle::kDashed : LineStyle::kSolid);
    const PixelPoint first = point(curve, 1);
    surface.BeginCurve();
    surface.PSet(static_cast<float>(first.x), static_cast<float>(first.y), curve.colour);
    for (int j = 2; j <= kAngles; ++j) {
      const PixelPoint p = point(curve, j);
      surface.LineTo(static_cast<float>(p.x), static_cast<float>(p.y), curve.colour);
    }
    surface.EndCurve();
  }
  surface.StrokeStyle(LineStyle::kSolid);
}

// One entry per curve, right-aligned in the line between the caption and the frame.
void DrawLegend(DrawingSurface& surface, const MagnitudePlot& plot, const MagnitudeMapping& map,
                const TextMeasures& text) {
  const double middle = map.frame.top - text.height / 2 - 4;
  double right = map.frame.left + map.frame.width;
  for (auto curve = plot.curves.rbegin(); curve != plot.curves.rend(); ++curve) {
    const double textLeft = right - text.width(curve->title);
    PrintAt(surface, textLeft, middle - text.height / 2, curve->title);
    surface.StrokeStyle(curve->dashed ? LineStyle::kDashed : LineStyle::kSolid);
    surface.Line(static_cast<float>(textLeft - 6 - kLegendSample), static_cast<float>(middle),
                 static_cast<float>(textLeft - 6), static_cast<float>(middle), curve->colour);
    right = textLeft - 6 - kLegendSample - 16;
  }
  surface.StrokeStyle(LineStyle::kSolid);
}

// The table under the angle's title: the heading, then the kinds with their σ/ρ and
// share right-aligned in columns, then the ratio.
void DrawTable(DrawingSurface& surface, const MagnitudeTable& table, const MagnitudeMapping& map,
               const TextMeasures& text) {
  if (table.rows.empty()) return;
  const double left = map.frame.left;
  const double crossRight = left + WidestOf(table, &MagnitudeTableRow::title, text) + kTableColumnGap +
                            WidestOf(table, &MagnitudeTableRow::crossSection, text);
  const double shareRight = crossRight + kTableColumnGap + WidestOf(table, &MagnitudeTableRow::share, text);
  double y = map.frame.top + map.frame.height + kBottom - 6;
  PrintAt(surface, left, y, table.heading);
  for (const MagnitudeTableRow& row : table.rows) {
    y += kTableLine;
    PrintAt(surface, left + 12, y, row.title);
    PrintAt(surface, crossRight + 12 - text.width(row.crossSection), y, row.crossSection);
    PrintAt(surface, shareRight + 12 - text.width(row.share), y, row.share);
    PrintAt(surface, shareRight + 12 + kTableColumnGap, y, row.curve);
  }
  PrintAt(surface, left, y + kTableLine, table.ratio);
  if (!table.note.empty()) PrintAt(surface, left, y + 2 * kTableLine, table.note);
}

}  // namespace

std::vector<MagnitudeCurve> MagnitudeCurvesOf(const ScatteringMagnitudes& m, bool perSolidAngle, Language language) {
  struct Kind {
    TextId title;
    int colour;  // palette index
    AngleTable ScatteringMagnitudes::*curve;
  };
  static constexpr Kind kKinds[] = {
      {TextId::kCoherentScattering, kPaletteRed, &ScatteringMagnitudes::coherent},
      {TextId::kIncoherentScattering, kPaletteBlue, &ScatteringMagnitudes::incoherent},
      {TextId::kTotalScattering, kPaletteBlack, &ScatteringMagnitudes::total},
  };
  std::vector<MagnitudeCurve> curves;
  for (const Kind& kind : kKinds) {
    curves.push_back({perSolidAngle ? PerSolidAngle(m.*kind.curve) : m.*kind.curve, PaletteColour(kind.colour),
                      TextOf(kind.title, language), kind.curve == &ScatteringMagnitudes::total});
  }
  return curves;
}

MagnitudeTable MagnitudeTableOf(const ScatteringMagnitudes& m, bool spectral, Language language) {
  const auto row = [&m, language](TextId kind, double crossSection, double share, double integral) {
    const std::string curve =
        m.fromFormFactor
            ? TextOf(TextId::kCurveIntegral, {GeneralText(integral, 4), FixedText(crossSection / integral, 3)}, language)
            : std::string();
    return MagnitudeTableRow{TextOf(kind, language), GeneralText(crossSection, 4) + " cm²/g", FixedText(share, 1) + " %", curve};
  };
  return {TextOf(spectral ? TextId::kMeanCrossSectionShares : TextId::kCrossSectionShares, language),
          {row(TextId::kCoherentScattering, m.coherentCrossSection, m.coherentShare, m.coherentCurveIntegral),
           row(TextId::kIncoherentScattering, m.incoherentCrossSection, m.incoherentShare, m.incoherentCurveIntegral),
           row(TextId::kTotalScattering, m.totalCrossSection, 100.0, m.totalCurveIntegral)},
          TextOf(TextId::kMagnitudeRatio, {GeneralText(IncoherentToCoherentRatio(m), 3)}, language),
          m.fromFormFactor ? std::string() : TextOf(TextId::kScaledToTable, language)};
}

MagnitudePlot MagnitudePlotOf(const std::string& subject, const std::optional<ScatteringMagnitudes>& magnitudes,
                              bool spectral, const ViewSet& views, bool logarithmic, Language language) {
  const bool perSolidAngle = views.Has(View::kPerSolidAngle);
  MagnitudePlot plot{subject, perSolidAngle ? "dσ/dΩ (cm²/g/sr)" : "dσ/dθ (cm²/g/deg)",
                     perSolidAngle ? "cm²/g/sr" : "cm²/g/deg", {}, logarithmic, {}};
  if (!magnitudes) return plot;
  plot.curves = MagnitudeCurvesOf(*magnitudes, perSolidAngle, language);
  plot.table = MagnitudeTableOf(*magnitudes, spectral, language);
  return plot;
}

std::string MagnitudePlotCsv(const MagnitudePlot& plot, Language language) {
  std::vector<CurveRecord> records;
  for (const MagnitudeCurve& curve : plot.curves) {
    records.push_back({std::vector<double>(curve.values.begin() + 1, curve.values.end()), curve.colour,
                       {{curve.title + " (" + plot.unit + ")", ""}}});
  }
  return CurvesCsv(kAngleAxis, records, {language}) + "\r\n" + MagnitudeTableCsv(plot.table);
}

std::string MagnitudeTableCsv(const MagnitudeTable& table) {
  std::string csv = FormulaSafeCell(table.heading) + "\r\n";
  for (const MagnitudeTableRow& row : table.rows) {
    csv += FormulaSafeCell(row.title) + "," + FormulaSafeCell(row.crossSection) + "," + FormulaSafeCell(row.share) +
           (row.curve.empty() ? "" : "," + FormulaSafeCell(row.curve)) + "\r\n";
  }
  csv += FormulaSafeCell(table.ratio) + "\r\n";
  return table.note.empty() ? csv : csv + FormulaSafeCell(table.note) + "\r\n";
}

PixelPoint MagnitudeMapping::At(double degrees, double value) const {
  return {frame.left + frame.width * degrees / 180.0, frame.top + frame.height * (1.0 - AxisFraction(axis, value))};
}

double MagnitudeMapping::DegreesAt(double x) const { return (x - frame.left) / frame.width * 180.0; }

MagnitudeMapping MapMagnitudes(const MagnitudePlot& plot, double width, double height) {
  const double bottom = kBottom + kTableLine * TableLines(plot.table);
  return {{kLeft, kTop, std::max(1.0, width - kLeft - kRight), std::max(1.0, height - kTop - bottom)}, AxisFor(plot)};
}

void DrawMagnitudeGraph(DrawingSurface& surface, const MagnitudePlot& plot, double width, double height,
                        const TextMeasures& text, Language language) {
  const MagnitudeMapping map = MapMagnitudes(plot, width, height);
  surface.Cls();
  DrawGrid(surface, map, text);
  DrawCurves(surface, plot, map);
  surface.DrawWidth(2);
  surface.Box(static_cast<float>(map.frame.left), static_cast<float>(map.frame.top),
              static_cast<float>(map.frame.left + map.frame.width), static_cast<float>(map.frame.top + map.frame.height),
              kBlack);
  DrawTitles(surface, plot, map, text, language);
  DrawLegend(surface, plot, map, text);
  DrawTable(surface, plot.table, map, text);
}

}  // namespace tervolin
