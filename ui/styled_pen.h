#pragma once
// A pen for a line in one of the graphs' line styles (graphs/line_styles.h): solid
// with the given ends, or the style's dashes with flat ends.

#include <QColor>
#include <QList>
#include <QPen>

#include "graphs/line_styles.h"

namespace tervolin::ui {

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
