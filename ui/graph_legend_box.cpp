#include "ui/graph_legend_box.h"

#include <QFontMetricsF>
#include <QtMath>
#include <QPainter>
#include <algorithm>

#include "ui/fonts.h"
#include "graphs/display_list.h"
#include "ui/drawing_painter.h"
#include "ui/qt_text.h"

namespace tervolin::ui {

QFont LegendFont(const QFont& graphFont) {
  QFont font = graphFont;
  font.setPixelSize(qCeil(graphFont.pixelSize() * tervolin::kLegendTextScale));
  font.setBold(false);
  return font;
}

MeasuredLegend MeasureLegend(const std::vector<tervolin::LegendRow>& rows, const QFont& font, double maxWidth) {
  const tervolin::TextMeasures measures = TextMeasuresOf(font);
  std::vector<tervolin::LegendRow> fitted = tervolin::FitLegendRows(rows, measures, maxWidth);
  const tervolin::LegendMeasures m = tervolin::MeasureLegendRows(fitted, measures);
  return {std::move(fitted), font, m};
}

QSizeF MeasuredLegend::Size() const {
  const tervolin::LegendSize size = tervolin::LegendBoxSize(measures, rows);
  return QSizeF(size.width, size.height);
}

void PaintLegend(QPainter& painter, const MeasuredLegend& legend, QPointF topLeft, qreal ratio) {
  tervolin::DisplayList box;
  tervolin::DrawLegendBox(box, legend.rows, legend.measures, {topLeft.x(), topLeft.y()});
  PaintDrawing(painter, box.Operations(), PixelArea(QSize(1, 1), legend.font), {{0, 0}, ratio});
}

}  // namespace tervolin::ui
