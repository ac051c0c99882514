#include "ui/drawing_replay.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "ui/qt_drawing.h"
#include "ui/qt_text.h"

namespace tervolin::ui {

namespace {

using tervolin::DrawingKind;
using tervolin::DrawingOperation;
using Operations = tervolin::DrawingOperations;

class Replay {
 public:
  Replay(QPainter& painter, const PaintedArea& area) : painter_(painter), area_(area) {}

  void Run(const Operations& ops) {
    for (std::size_t i = 0; i < ops.size(); ++i) {
      if (ops[i].kind == DrawingKind::kLineTo) {
        i = PolylineFrom(ops, i);
      } else {
        One(ops[i]);
      }
    }
  }

 private:
  QPointF At(float x, float y) const {
    const tervolin::PixelPoint p =
        tervolin::UserToPixel(area_.scale, area_.size.width(), area_.size.height(), x, y);
    return QPointF(p.x, p.y);
  }

  void SetPen(tervolin::Rgb colour, Qt::PenCapStyle cap, Qt::PenJoinStyle join,
              tervolin::LineStyle style = tervolin::LineStyle::kSolid) {
    painter_.setPen(StyledPen(ToQColor(colour), state_.width, style, cap, join));
    painter_.setBrush(Qt::NoBrush);
  }

  // The LineTo run starting at `first`, while each continues the last in the same
  // colour; returns the index of its last operation.
  std::size_t PolylineFrom(const Operations& ops, std::size_t first) {
    QPolygonF line{At(ops[first].x1, ops[first].y1)};
    std::size_t i = first;
    for (; i < ops.size() && ops[i].kind == DrawingKind::kLineTo && ops[i].colour == ops[first].colour; ++i) {
      line << At(ops[i].x2, ops[i].y2);
    }
    SetPen(ops[first].colour, Qt::RoundCap, Qt::RoundJoin, state_.style);
    painter_.drawPolyline(line);
    return i - 1;
  }

  void One(const DrawingOperation& op) {
    if (!state_.Take(op)) Draw(op);
  }

  void Draw(const DrawingOperation& op) {
    switch (op.kind) {
      case DrawingKind::kLine:
        SetPen(op.colour, Qt::SquareCap, Qt::MiterJoin, state_.style);
        painter_.drawLine(At(op.x1, op.y1), At(op.x2, op.y2));
        break;
      case DrawingKind::kBox:
        SetPen(op.colour, Qt::SquareCap, Qt::MiterJoin);
        painter_.drawRect(QRectF(At(op.x1, op.y1), At(op.x2, op.y2)).normalized());
        break;
      case DrawingKind::kFillBox:
        painter_.fillRect(QRectF(At(op.x1, op.y1), At(op.x2, op.y2)).normalized(), ToQColor(op.colour));
        break;
      case DrawingKind::kCircle: {
        const QPointF centre = At(op.x1, op.y1);
        const qreal radius = At(op.x1 + op.x2, op.y1).x() - centre.x();
        SetPen(op.colour, Qt::FlatCap, Qt::RoundJoin, state_.style);
        painter_.drawEllipse(centre, radius, radius);
        break;
      }
      case DrawingKind::kFillTriangle:
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(ToQColor(op.colour));
        painter_.drawPolygon(QPolygonF({At(op.x1, op.y1), At(op.x2, op.y2), At(op.x3, op.y3)}));
        painter_.setBrush(Qt::NoBrush);
        break;
      case DrawingKind::kPSet: Dot(op); break;
      case DrawingKind::kPrint: Text(op); break;
      default: break;
    }
  }

  void Dot(const DrawingOperation& op) {
    const QPointF centre = At(op.x1, op.y1);
    const QRectF dot(centre - QPointF(state_.width / 2.0, state_.width / 2.0), QSizeF(state_.width, state_.width));
    painter_.fillRect(dot, ToQColor(op.colour));
  }

  // Hanging from the logical pixel that holds its point, as on screen.
  void Text(const DrawingOperation& op) {
    const QPointF at = At(op.x1, op.y1);
    QFont font = area_.font;
    if (font.pixelSize() > 0) font.setPixelSize(std::max(1, qRound(font.pixelSize() * state_.textScale)));
    painter_.setFont(font);
    painter_.setPen(ToQColor(state_.textColour));
    const qreal ascent = QFontMetricsF(font, painter_.device()).ascent();
    painter_.save();
    painter_.translate(std::floor(at.x()), std::floor(at.y()));
    if (state_.upright) painter_.rotate(-90);
    painter_.drawText(QPointF(0, ascent), FromUtf8(op.text));
    painter_.restore();
  }

  QPainter& painter_;
  const PaintedArea& area_;
  tervolin::DrawingState state_;
};

}  // namespace

void ReplayDrawing(QPainter& painter, const tervolin::DrawingOperations& operations, const PaintedArea& area) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  Replay(painter, area).Run(operations);
  painter.restore();
}

PaintedArea PixelArea(QSize size, const QFont& font) {
  return {{0.0, 0.0, double(size.width()), double(size.height())}, size, font};
}

}  // namespace tervolin::ui
