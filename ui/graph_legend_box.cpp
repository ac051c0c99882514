#include "ui/graph_legend_box.h"

#include <QFontMetricsF>
#include <QtMath>
#include <QPainter>
#include <algorithm>

#include "ui/painter_surface.h"
#include "ui/qt_text.h"

namespace tervolin::ui {

QFont LegendFont(const QFont& graphFont) {
  QFont font = graphFont;
  font.setPixelSize(qCeil(graphFont.pixelSize() * tervolin::kLegendTextScale));
  font.setBold(false);
  return font;
}

MeasuredLegend MeasureLegend(std::vector<tervolin::LegendRow> rows, const QFont& font, const QPaintDevice* device) {
  const QFontMetricsF metrics(font, device);
  tervolin::LegendMeasures measures{metrics.height(), 0, 0};
  for (const tervolin::LegendRow& row : rows) {
    measures.titleWidth = std::max(measures.titleWidth, metrics.horizontalAdvance(FromUtf8(row.title)));
    measures.noteWidth = std::max(measures.noteWidth, metrics.horizontalAdvance(FromUtf8(row.note)));
  }
  return {std::move(rows), font, measures};
}

QSizeF MeasuredLegend::Size() const {
  const tervolin::LegendSize size = tervolin::LegendBoxSize(measures, rows.size());
  return QSizeF(size.width, size.height);
}

void PaintLegend(QPainter& painter, const MeasuredLegend& legend, QPointF topLeft) {
  PainterSurface surface(painter, legend.font);
  tervolin::DrawLegendBox(surface, legend.rows, legend.measures, {topLeft.x(), topLeft.y()});
}

}  // namespace tervolin::ui
