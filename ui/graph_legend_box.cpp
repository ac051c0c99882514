#include "ui/graph_legend_box.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QString>
#include <algorithm>

#include "ui/fonts.h"
#include "ui/qt_text.h"

namespace tervolin::ui {

namespace {

constexpr qreal kPadding = 5;      // between the box's edge and its rows
constexpr qreal kSampleLength = 22;  // the short line in the curve's colour
constexpr qreal kGap = 6;          // between the line, the title and the note
constexpr qreal kNoteGap = 12;


// The widest title and the widest note of the rows.
QPointF ColumnWidths(const QFontMetricsF& metrics, const std::vector<tervolin::LegendRow>& rows) {
  qreal title = 0, note = 0;
  for (const tervolin::LegendRow& row : rows) {
    title = std::max(title, metrics.horizontalAdvance(FromUtf8(row.title)));
    note = std::max(note, metrics.horizontalAdvance(FromUtf8(row.note)));
  }
  return QPointF(title, note);
}

// One row: the sample line in the curve's colour, the title, the note in its column.
void PaintRow(QPainter& painter, const tervolin::LegendRow& row, QPointF topLeft, const QFontMetricsF& metrics,
              qreal titleWidth) {
  const qreal middle = topLeft.y() + metrics.height() / 2;
  const Qt::PenStyle style = row.dashed ? Qt::DashLine : Qt::SolidLine;
  painter.setPen(QPen(QColor(row.colour.r, row.colour.g, row.colour.b), 2, style, Qt::FlatCap));
  painter.drawLine(QPointF(topLeft.x(), middle), QPointF(topLeft.x() + kSampleLength, middle));
  painter.setPen(Qt::black);
  const qreal titleLeft = topLeft.x() + kSampleLength + kGap;
  const qreal baseline = topLeft.y() + metrics.ascent();
  painter.drawText(QPointF(titleLeft, baseline), FromUtf8(row.title));
  painter.drawText(QPointF(titleLeft + titleWidth + kNoteGap, baseline), FromUtf8(row.note));
}

}  // namespace

QFont LegendFont() { return ScreenFont(Utf8("メイリオ"), 9); }

QSizeF LegendSize(const std::vector<tervolin::LegendRow>& rows, const QPaintDevice* device) {
  const QFontMetricsF metrics(LegendFont(), device);
  const QPointF columns = ColumnWidths(metrics, rows);
  const qreal width = 2 * kPadding + kSampleLength + kGap + columns.x() + (columns.y() > 0 ? kNoteGap + columns.y() : 0);
  return QSizeF(width, 2 * kPadding + metrics.height() * rows.size());
}

void PaintLegend(QPainter& painter, const std::vector<tervolin::LegendRow>& rows, QPointF topRight) {
  if (rows.empty()) return;
  painter.save();
  const QFont font = LegendFont();
  painter.setFont(font);
  const QFontMetricsF metrics(font, painter.device());
  const QPointF columns = ColumnWidths(metrics, rows);
  const qreal rowHeight = metrics.height();
  const QSizeF size = LegendSize(rows, painter.device());
  const QRectF box(QPointF(topRight.x() - size.width(), topRight.y()), size);
  painter.setPen(QPen(QColor(128, 128, 128), 1));
  painter.setBrush(Qt::white);
  painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
  painter.setRenderHint(QPainter::Antialiasing);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const QPointF topLeft(box.left() + kPadding, box.top() + kPadding + rowHeight * i);
    PaintRow(painter, rows[i], topLeft, metrics, columns.x());
  }
  painter.restore();
}

}  // namespace tervolin::ui
