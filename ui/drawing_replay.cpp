#include "ui/drawing_replay.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/picture_surface.h"
#include "ui/qt_drawing.h"

namespace tervolin::ui {

namespace {

using Operations = std::vector<SurfaceOperation>;


class Replay {
 public:
  Replay(QPainter& painter, const PictureSurface& surface) : painter_(painter), surface_(surface) {}

  void Run(const Operations& ops) {
    for (std::size_t i = 0; i < ops.size(); ++i) {
      if (ops[i].kind == SurfaceOperation::kLineTo) {
        i = PolylineFrom(ops, i);
      } else {
        One(ops[i]);
      }
    }
  }

 private:
  QPointF At(float x, float y) const { return surface_.ToLogicalPixel(x, y); }

  void SetPen(tervolin::Rgb colour, Qt::PenCapStyle cap, Qt::PenJoinStyle join,
              tervolin::LineStyle style = tervolin::LineStyle::kSolid) {
    painter_.setPen(StyledPen(ToQColor(colour), width_, style, cap, join));
    painter_.setBrush(Qt::NoBrush);
  }

  // The LineTo run starting at `first`, while each continues the last in the same
  // colour; returns the index of its last operation.
  std::size_t PolylineFrom(const Operations& ops, std::size_t first) {
    QPolygonF line{At(ops[first].x1, ops[first].y1)};
    std::size_t i = first;
    for (; i < ops.size() && ops[i].kind == SurfaceOperation::kLineTo && ops[i].colour == ops[first].colour &&
           ops[i].style == ops[first].style;
         ++i) {
      line << At(ops[i].x2, ops[i].y2);
    }
    SetPen(ops[first].colour, Qt::RoundCap, Qt::RoundJoin, ops[first].style);
    painter_.drawPolyline(line);
    return i - 1;
  }

  void One(const SurfaceOperation& op) {
    switch (op.kind) {
      case SurfaceOperation::kDrawWidth: width_ = op.width; break;
      case SurfaceOperation::kLine:
        SetPen(op.colour, Qt::SquareCap, Qt::MiterJoin, op.style);
        painter_.drawLine(At(op.x1, op.y1), At(op.x2, op.y2));
        break;
      case SurfaceOperation::kLineTo: break;  // drawn as polylines
      case SurfaceOperation::kBox:
        SetPen(op.colour, Qt::SquareCap, Qt::MiterJoin);
        painter_.drawRect(QRectF(At(op.x1, op.y1), At(op.x2, op.y2)).normalized());
        break;
      case SurfaceOperation::kFillBox:
        painter_.fillRect(QRectF(At(op.x1, op.y1), At(op.x2, op.y2)).normalized(), ToQColor(op.colour));
        break;
      case SurfaceOperation::kPSet: Dot(op); break;
      case SurfaceOperation::kPrint: Text(op); break;
      case SurfaceOperation::kTextScale: textScale_ = op.textScale; break;
    }
  }

  void Dot(const SurfaceOperation& op) {
    const QPointF centre = At(op.x1, op.y1);
    const QRectF dot(centre - QPointF(width_ / 2.0, width_ / 2.0), QSizeF(width_, width_));
    painter_.fillRect(dot, ToQColor(op.colour));
  }

  // Hanging from the logical pixel that holds its point, as on screen.
  void Text(const SurfaceOperation& op) {
    const QPointF at = At(op.x1, op.y1);
    QFont font = surface_.SurfaceFont();
    if (font.pixelSize() > 0) font.setPixelSize(std::max(1, qRound(font.pixelSize() * textScale_)));
    painter_.setFont(font);
    painter_.setPen(ToQColor(op.colour));
    const qreal ascent = QFontMetricsF(font, painter_.device()).ascent();
    painter_.drawText(QPointF(std::floor(at.x()), std::floor(at.y()) + ascent), QString::fromStdString(op.text));
  }

  QPainter& painter_;
  const PictureSurface& surface_;
  int width_ = 1;
  double textScale_ = 1.0;
};

void ReplayOne(const SurfaceOperation& op, tervolin::DrawingSurface& target) {
  switch (op.kind) {
    case SurfaceOperation::kDrawWidth: target.DrawWidth(op.width); break;
    case SurfaceOperation::kLine: target.Line(op.x1, op.y1, op.x2, op.y2, op.colour); break;
    case SurfaceOperation::kLineTo: target.LineTo(op.x2, op.y2, op.colour); break;
    case SurfaceOperation::kBox: target.Box(op.x1, op.y1, op.x2, op.y2, op.colour); break;
    case SurfaceOperation::kFillBox: target.FillBox(op.x1, op.y1, op.x2, op.y2, op.colour); break;
    case SurfaceOperation::kPSet: target.PSet(op.x1, op.y1, op.colour); break;
    case SurfaceOperation::kTextScale: target.TextScale(op.textScale); break;
    case SurfaceOperation::kPrint:
      target.TextColour(op.colour);
      target.Print(op.x1, op.y1, op.text);
      break;
  }
}

}  // namespace

void ReplayDrawing(QPainter& painter, const PictureSurface& surface) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  Replay(painter, surface).Run(surface.Operations());
  painter.restore();
}

void ReplayOnto(const std::vector<SurfaceOperation>& operations, tervolin::DrawingSurface& target) {
  for (const SurfaceOperation& op : operations) {
    if (op.kind == SurfaceOperation::kLine || op.kind == SurfaceOperation::kLineTo) target.StrokeStyle(op.style);
    ReplayOne(op, target);
  }
  target.StrokeStyle(tervolin::LineStyle::kSolid);
  target.TextColour(tervolin::kBlack);
}

}  // namespace tervolin::ui
