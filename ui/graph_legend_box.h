#pragma once
// The legend of a graph: a white box with one row per curve (a short line in the
// curve's colour, its title and a note such as "最大 8°").

#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <vector>

#include "graphs/graph_legend.h"

class QPainter;
class QPaintDevice;

namespace tervolin::ui {

// The legend's font: small enough that a spectral label leaves room for the curves.
QFont LegendFont();

// The box's size for the rows, logical pixels, as painted on `device`.
QSizeF LegendSize(const std::vector<tervolin::LegendRow>& rows, const QPaintDevice* device);

// Paints the rows with the box's top-right corner at `topRight` (logical pixels);
// nothing for no rows.
void PaintLegend(QPainter& painter, const std::vector<tervolin::LegendRow>& rows, QPointF topRight);

}  // namespace tervolin::ui
