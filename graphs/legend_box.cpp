#include "graphs/legend_box.h"

namespace tervolin {

namespace {

inline constexpr double kPadding = 5;        // between the box's edge and its rows
inline constexpr double kSampleLength = 26;  // the short line: the longest pattern and a dash
inline constexpr double kGap = 6;            // between the line and the title
inline constexpr double kNoteGap = 12;       // between the title and the note columns
inline constexpr Rgb kEdgeGrey{128, 128, 128};
inline constexpr int kSampleWidth = 2;       // as the curves are drawn

// The thin dashes of a free-electron curve or a sum: three of them, as on the graph.
void DrawDashedSample(DrawingSurface& surface, double left, double y, Rgb colour) {
  for (int dash = 0; dash < 3; ++dash) {
    const auto x = static_cast<float>(left + dash * kSampleLength / 2.5);
    surface.Line(x, static_cast<float>(y), x + static_cast<float>(kSampleLength / 5), static_cast<float>(y), colour);
  }
}

void DrawSample(DrawingSurface& surface, const LegendRow& row, double left, double y) {
  surface.DrawWidth(kSampleWidth);
  if (row.style == LineStyle::kDashed) {
    DrawDashedSample(surface, left, y, row.colour);
    return;
  }
  surface.StrokeStyle(row.style);
  surface.Line(static_cast<float>(left), static_cast<float>(y), static_cast<float>(left + kSampleLength),
               static_cast<float>(y), row.colour);
  surface.StrokeStyle(LineStyle::kSolid);
}

void DrawRow(DrawingSurface& surface, const LegendRow& row, const LegendMeasures& m, PixelPoint topLeft) {
  DrawSample(surface, row, topLeft.x, topLeft.y + m.rowHeight / 2);
  const double titleLeft = topLeft.x + kSampleLength + kGap;
  surface.Print(static_cast<float>(titleLeft), static_cast<float>(topLeft.y), row.title);
  if (!row.note.empty()) {
    surface.Print(static_cast<float>(titleLeft + m.titleWidth + kNoteGap), static_cast<float>(topLeft.y), row.note);
  }
}

}  // namespace

LegendSize LegendBoxSize(const LegendMeasures& m, std::size_t rows) {
  const double notes = m.noteWidth > 0 ? kNoteGap + m.noteWidth : 0;
  return {2 * kPadding + kSampleLength + kGap + m.titleWidth + notes,
          2 * kPadding + m.rowHeight * static_cast<double>(rows)};
}

void DrawLegendBox(DrawingSurface& surface, const std::vector<LegendRow>& rows, const LegendMeasures& measures,
                   PixelPoint topLeft) {
  if (rows.empty()) return;
  const LegendSize size = LegendBoxSize(measures, rows.size());
  const auto left = static_cast<float>(topLeft.x), top = static_cast<float>(topLeft.y);
  const auto right = static_cast<float>(topLeft.x + size.width), bottom = static_cast<float>(topLeft.y + size.height);
  surface.FillBox(left, top, right, bottom, kWhite);
  surface.DrawWidth(1);
  surface.Box(left, top, right, bottom, kEdgeGrey);
  surface.TextColour(kBlack);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    DrawRow(surface, rows[i], measures,
            {topLeft.x + kPadding, topLeft.y + kPadding + measures.rowHeight * static_cast<double>(i)});
  }
  surface.DrawWidth(1);
}

}  // namespace tervolin
