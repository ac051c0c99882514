#include "ui/drawing_painter.h"

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

// Logical pixels laid out at 96 per inch, as on the screens.
constexpr int kDotsPerMeterAt96Dpi = 3780;

QPoint ContainingPixel(QPointF p) {
  return QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
}

class Replay {
 public:
  Replay(QPainter& painter, const PaintedArea& area, Placement placement)
      : painter_(painter), area_(area), at_(placement) {}

  void Take(const DrawingOperation& op, bool drawn) {
    if (op.kind == DrawingKind::kCls && drawn) {
      painter_.fillRect(QRectF(at_.offset, QSizeF(area_.size) * at_.ratio), Qt::white);
    }
    if (state_.Take(op)) return;
    if (op.kind == DrawingKind::kLine || op.kind == DrawingKind::kPSet) dashTravelled_ = 0;
    if (!drawn) {
      if (op.kind == DrawingKind::kLineTo && state_.style != tervolin::LineStyle::kSolid) {
        dashTravelled_ += QLineF(Centre(op.x1, op.y1), Centre(op.x2, op.y2)).length();
      }
      return;
    }
    Draw(op);
  }

 private:
  // A user point in logical pixels of the area, and in the painter's units.
  QPointF Logical(float x, float y) const {
    const tervolin::PixelPoint p = tervolin::UserToPixel(area_.scale, area_.size.width(), area_.size.height(), x, y);
    return QPointF(p.x, p.y);
  }
  QPointF Unit(float x, float y) const { return at_.offset + Logical(x, y) * at_.ratio; }

  // The line width in the painter's units.
  int PenUnits() const { return std::max(1, qRound(std::max(1, state_.width) * at_.ratio)); }

  // The block of whole units that a pen draws for a point: PenUnits() square, most
  // nearly centred on it.
  QRect DotRect(QPointF p) const {
    const int pen = PenUnits();
    const qreal back = pen / 2.0 - 0.5;
    return QRect(ContainingPixel(p - QPointF(back, back)), QSize(pen, pen));
  }
  QPointF Centre(float x, float y) const { return QRectF(DotRect(Unit(x, y))).center(); }

  void Draw(const DrawingOperation& op) {
    switch (op.kind) {
      case DrawingKind::kLine:
      case DrawingKind::kLineTo: StrokeBetween(op); break;
      case DrawingKind::kBox: Box(op); break;
      case DrawingKind::kFillBox:
        painter_.fillRect(DotRect(Unit(op.x1, op.y1)).united(DotRect(Unit(op.x2, op.y2))), ToQColor(op.colour));
        break;
      case DrawingKind::kPSet: Dot(op); break;
      case DrawingKind::kPrint: Text(op); break;
      case DrawingKind::kCircle: Circle(op); break;
      case DrawingKind::kFillTriangle: Triangle(op); break;
      default: break;
    }
  }

  // A line between the blocks of its end points: a horizontal or vertical run fills
  // both blocks and everything between; anything else is an antialiased stroke.
  void Stroke(QRect from, QRect to, const QColor& colour) {
    if (from.x() == to.x() || from.y() == to.y()) {
      painter_.fillRect(from.united(to), colour);
      return;
    }
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(QPen(colour, PenUnits(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_.drawLine(QRectF(from).center(), QRectF(to).center());
  }

  // A styled line keeps its pattern going from one piece to the next, so a curve of
  // one-degree pieces shows whole dashes and dots.
  void StrokeStyled(QRect from, QRect to, const QColor& colour) {
    const qreal pen = PenUnits();
    QPen styled = StyledPen(colour, pen, state_.style, Qt::FlatCap, Qt::RoundJoin);
    styled.setDashOffset(dashTravelled_ / pen);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(styled);
    const QLineF line(QRectF(from).center(), QRectF(to).center());
    painter_.drawLine(line);
    dashTravelled_ += line.length();
  }

  void StrokeBetween(const DrawingOperation& op) {
    const QRect from = DotRect(Unit(op.x1, op.y1)), to = DotRect(Unit(op.x2, op.y2));
    if (state_.style == tervolin::LineStyle::kSolid) {
      Stroke(from, to, ToQColor(op.colour));
    } else {
      StrokeStyled(from, to, ToQColor(op.colour));
    }
  }

  void Box(const DrawingOperation& op) {
    const QRect a = DotRect(Unit(op.x1, op.y1)), b = DotRect(Unit(op.x2, op.y2));
    const QRect sameRowAsA(b.x(), a.y(), a.width(), a.height());
    const QRect sameRowAsB(a.x(), b.y(), a.width(), a.height());
    for (const QRect& corner : {a, b}) {
      Stroke(corner, sameRowAsA, ToQColor(op.colour));
      Stroke(corner, sameRowAsB, ToQColor(op.colour));
    }
  }

  void Dot(const DrawingOperation& op) {
    const QRect dot = DotRect(Unit(op.x1, op.y1));
    if (state_.width <= 2) {
      painter_.fillRect(dot, ToQColor(op.colour));
      return;
    }
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(ToQColor(op.colour));
    painter_.drawEllipse(QRectF(dot));
    painter_.restore();
  }

  // Drawn in logical pixels on the painter scaled to them, antialiased.
  template <typename Paint>
  void InLogicalPixels(const Paint& paint) {
    painter_.save();
    painter_.translate(at_.offset);
    painter_.scale(at_.ratio, at_.ratio);
    painter_.setRenderHint(QPainter::Antialiasing);
    paint();
    painter_.restore();
  }

  void Circle(const DrawingOperation& op) {
    const QPointF centre = Logical(op.x1, op.y1);
    const qreal radius = Logical(op.x1 + op.x2, op.y1).x() - centre.x();
    InLogicalPixels([&] {
      painter_.setPen(StyledPen(ToQColor(op.colour), std::max(1, state_.width), state_.style, Qt::FlatCap, Qt::RoundJoin));
      painter_.setBrush(Qt::NoBrush);
      painter_.drawEllipse(centre, radius, radius);
    });
  }

  void Triangle(const DrawingOperation& op) {
    InLogicalPixels([&] {
      painter_.setPen(Qt::NoPen);
      painter_.setBrush(ToQColor(op.colour));
      painter_.drawPolygon(QPolygonF({Logical(op.x1, op.y1), Logical(op.x2, op.y2), Logical(op.x3, op.y3)}));
    });
  }

  // Greyscale antialiasing keeps an image free of colour fringes.
  void Text(const DrawingOperation& op) {
    QFont font = area_.font;
    if (state_.textScale != 1.0 && font.pixelSize() > 0) {
      font.setPixelSize(std::max(1, qRound(font.pixelSize() * state_.textScale)));
    } else if (state_.textScale != 1.0) {
      font.setPointSizeF(font.pointSizeF() * state_.textScale);
    }
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoSubpixelAntialias));
    painter_.save();
    painter_.translate(at_.offset);
    painter_.scale(at_.ratio, at_.ratio);
    painter_.translate(ContainingPixel(Logical(op.x1, op.y1)));
    if (state_.upright) painter_.rotate(-90);
    painter_.setFont(font);
    painter_.setPen(ToQColor(state_.textColour));
    painter_.drawText(QPointF(0, QFontMetricsF(font, painter_.device()).ascent()), FromUtf8(op.text));
    painter_.restore();
  }

  QPainter& painter_;
  const PaintedArea& area_;
  Placement at_;
  tervolin::DrawingState state_;
  qreal dashTravelled_ = 0;  // units along the styled line since its start
};

}  // namespace

PaintedArea PixelArea(QSize size, const QFont& font) {
  return {{0.0, 0.0, double(size.width()), double(size.height())}, size, font};
}

void PaintDrawing(QPainter& painter, const tervolin::DrawingOperations& operations, const PaintedArea& area,
                  Placement placement, std::size_t first) {
  painter.save();
  Replay replay(painter, area, placement);
  for (std::size_t i = 0; i < operations.size(); ++i) replay.Take(operations[i], i >= first);
  painter.restore();
}

QImage PaintedImage(const tervolin::DrawingOperations& operations, const PaintedArea& area, qreal ratio) {
  QImage image(area.size * ratio, QImage::Format_RGB32);
  image.setDotsPerMeterX(kDotsPerMeterAt96Dpi);
  image.setDotsPerMeterY(kDotsPerMeterAt96Dpi);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintDrawing(painter, operations, area, {{0, 0}, ratio});
  painter.end();
  image.setDevicePixelRatio(ratio);
  return image;
}

QFont FontOfPixels(QFont font, double pixels) {
  if (pixels == std::round(pixels)) {
    font.setPixelSize(static_cast<int>(pixels));
  } else {
    font.setPointSizeF(pixels * 72.0 / 96.0);
  }
  return font;
}

}  // namespace tervolin::ui
