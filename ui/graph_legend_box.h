#pragma once
// The legend of a graph as the screens and their files show it: the library's
// legend box (graphs/legend_box.h) in the graph's own typeface, measured and
// painted with Qt.

#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <vector>

#include "graphs/legend_box.h"

class QPainter;
class QPaintDevice;

namespace tervolin::ui {

// The legend's font: the graph's font at kLegendTextScale of its size.
QFont LegendFont(const QFont& graphFont);

tervolin::LegendMeasures MeasureLegend(const std::vector<tervolin::LegendRow>& rows, const QFont& font,
                                       const QPaintDevice* device);

// The box's size for the rows, logical pixels.
QSizeF LegendBoxSize(const std::vector<tervolin::LegendRow>& rows, const QFont& font, const QPaintDevice* device);

// Paints the rows with the box's top-left corner at `topLeft` (logical pixels);
// nothing for no rows.
void PaintLegend(QPainter& painter, const std::vector<tervolin::LegendRow>& rows, const QFont& font, QPointF topLeft);

}  // namespace tervolin::ui
