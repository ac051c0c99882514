#pragma once
// The legend of a graph as the screens and their files show it: the library's
// legend box (graphs/legend_box.h) in the graph's own typeface, measured and
// painted with Qt.

#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <utility>
#include <vector>

#include "graphs/legend_box.h"

class QPainter;

namespace tervolin::ui {

// The legend's font: the graph's font at kLegendTextScale of its size.
QFont LegendFont(const QFont& graphFont);

// A graph's legend rows in the legend's font, measured once for painting, placing
// and the SVG file alike.
struct MeasuredLegend {
  std::vector<tervolin::LegendRow> rows;
  QFont font;
  tervolin::LegendMeasures measures{};
  // The box's size, logical pixels.
  QSizeF Size() const;
};

// The rows broken to be at most `maxWidth` logical pixels wide, and measured.
MeasuredLegend MeasureLegend(const std::vector<tervolin::LegendRow>& rows, const QFont& font, double maxWidth);

// Paints the box with its top-left corner at `topLeft` (logical pixels) on a painter
// of `ratio` units to a logical pixel; nothing for no rows.
void PaintLegend(QPainter& painter, const MeasuredLegend& legend, QPointF topLeft, qreal ratio);

}  // namespace tervolin::ui
