#include "ui/painter_surface.h"

#include <QFontMetricsF>
#include <QPolygonF>
#include <algorithm>

#include "ui/qt_text.h"
#include "ui/qt_drawing.h"

namespace tervolin::ui {

PainterSurface::PainterSurface(QPainter& painter, const QFont& font) : painter_(painter), font_(font) {
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing);
}

PainterSurface::~PainterSurface() { painter_.restore(); }

QPen PainterSurface::Pen(tervolin::Rgb colour) const { return StyledPen(ToQColor(colour), width_, style_, Qt::FlatCap); }

void PainterSurface::Line(float x1, float y1, float x2, float y2, tervolin::Rgb colour) {
  painter_.setPen(Pen(colour));
  painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
  current_ = QPointF(x2, y2);
}

void PainterSurface::LineTo(float x2, float y2, tervolin::Rgb colour) {
  Line(static_cast<float>(current_.x()), static_cast<float>(current_.y()), x2, y2, colour);
}

// An outline of odd width lies on the middle of whole pixels, so it stays crisp.
void PainterSurface::Box(float x1, float y1, float x2, float y2, tervolin::Rgb colour) {
  const qreal inset = width_ / 2.0;
  painter_.setPen(QPen(ToQColor(colour), width_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized().adjusted(inset, inset, -inset, -inset));
}

void PainterSurface::FillBox(float x1, float y1, float x2, float y2, tervolin::Rgb colour) {
  painter_.fillRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), ToQColor(colour));
}

void PainterSurface::PSet(float x, float y, tervolin::Rgb colour) {
  painter_.fillRect(QRectF(x - width_ / 2.0, y - width_ / 2.0, width_, width_), ToQColor(colour));
  current_ = QPointF(x, y);
}

void PainterSurface::Print(float x, float y, const std::string& utf8Text) {
  QFont font = font_;
  if (textScale_ != 1.0) font.setPixelSize(std::max(1, qRound(font_.pixelSize() * textScale_)));
  painter_.setFont(font);
  painter_.setPen(ToQColor(textColour_));
  const qreal ascent = QFontMetricsF(font, painter_.device()).ascent();
  painter_.save();
  painter_.translate(x, y);
  if (upright_) painter_.rotate(-90);
  painter_.drawText(QPointF(0, ascent), FromUtf8(utf8Text));
  painter_.restore();
}

void PainterSurface::Circle(float x, float y, float radius, tervolin::Rgb colour) {
  painter_.setPen(Pen(colour));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawEllipse(QPointF(x, y), radius, radius);
}

void PainterSurface::FillTriangle(float x1, float y1, float x2, float y2, float x3, float y3, tervolin::Rgb colour) {
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(ToQColor(colour));
  painter_.drawPolygon(QPolygonF({QPointF(x1, y1), QPointF(x2, y2), QPointF(x3, y3)}));
  painter_.setBrush(Qt::NoBrush);
}

}  // namespace tervolin::ui
