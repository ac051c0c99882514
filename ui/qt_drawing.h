#pragma once
// The graphs' colours and line styles (graphs/line_styles.h) as Qt paints them.

#include <QColor>
#include <QList>
#include <QPen>

#include "graphs/drawing_surface.h"
#include "graphs/line_styles.h"

namespace tervolin::ui {

inline QColor ToQColor(tervolin::Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

// A pen for a line in a line style: solid with the given ends, or the style's dashes
// with flat ends.
inline QPen StyledPen(const QColor& colour, qreal width, tervolin::LineStyle style,
                      Qt::PenCapStyle solidCap = Qt::SquareCap, Qt::PenJoinStyle join = Qt::MiterJoin) {
  QPen pen(colour, width, Qt::SolidLine, solidCap, join);
  const std::vector<double>& pattern = tervolin::DashPattern(style);
  if (pattern.empty()) return pen;
  pen.setCapStyle(Qt::FlatCap);
  pen.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
  return pen;
}

}  // namespace tervolin::ui
