#include "ui/picture_surface.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "ui/fonts.h"
#include "ui/qt_text.h"
#include "ui/qt_drawing.h"

namespace tervolin::ui {

namespace {

// Fonts given in points are laid out as on a 96-dpi screen.
constexpr int kDotsPerMeterAt96Dpi = 3780;


QPoint ContainingPixel(QPointF p) {
  return QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
}

// The classic sunken 3-D edge: two rings of one logical pixel, shadowed at the top
// and left, lit at the bottom and right.
void DrawSunkenBorder(QPainter& painter, const QRect& outer, const QPalette& palette) {
  const auto ring = [&painter](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
  };
  ring(outer, palette.color(QPalette::Dark), palette.color(QPalette::Light));
  ring(outer.adjusted(1, 1, -1, -1), palette.color(QPalette::Shadow),
       palette.color(QPalette::Midlight));
}

}  // namespace

PictureSurface::PictureSurface(const tervolin::UserScale& scale, QSize innerSize, QWidget* parent)
    : PictureSurface(scale, innerSize, parent, 0.0) {}

PictureSurface::PictureSurface(const tervolin::UserScale& scale, QSize innerSize, qreal ratio)
    : PictureSurface(scale, innerSize, nullptr, ratio) {}

PictureSurface::PictureSurface(const tervolin::UserScale& scale, QSize innerSize, QWidget* parent, qreal ratio)
    : QWidget(parent),
      scale_(scale),
      innerSize_(innerSize),
      baseRatio_(ratio > 0 ? ratio : devicePixelRatioF()),
      ratio_(baseRatio_),
      image_(innerSize * ratio_, QImage::Format_RGB32),
      font_(font()),
      vector_(scale, innerSize.width(), innerSize.height(), {}) {
  image_.setDotsPerMeterX(kDotsPerMeterAt96Dpi);
  image_.setDotsPerMeterY(kDotsPerMeterAt96Dpi);
  image_.fill(Qt::white);
  setFixedSize(sizeHint());
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureSurface::SetSurfaceFont(const QFont& font) {
  font_ = font;
  vector_.SetFont(SvgFontOf(font));
}

QImage PictureSurface::RetainedImage() const {
  QImage copy = image_;
  copy.setDevicePixelRatio(ratio_);
  return copy;
}

QImage PictureSurface::ImageAt(qreal ratio) const {
  PictureSurface copy(scale_, innerSize_, ratio);
  copy.SetSurfaceFont(font_);
  tervolin::Replay(Operations(), copy);
  return copy.RetainedImage();
}

QSize PictureSurface::sizeHint() const {
  const QSize zoomed = (QSizeF(innerSize_) * zoom_).toSize();
  return zoomed + QSize(2 * kBorder, 2 * kBorder);
}

void PictureSurface::SetZoom(qreal zoom) {
  zoom = std::max<qreal>(1.0, zoom);
  if (qFuzzyCompare(zoom, zoom_)) return;
  zoom_ = zoom;
  ratio_ = baseRatio_ * zoom_;
  image_ = ImageAt(ratio_);
  image_.setDevicePixelRatio(1.0);  // kept in device pixels, as drawn
  setFixedSize(sizeHint());
  update();
}

void PictureSurface::Cls() {
  image_.fill(Qt::white);
  current_ = QPointF(0.0, 0.0);
  textColour_ = tervolin::kBlack;
  style_ = tervolin::LineStyle::kSolid;
  vector_.Cls();
  ImageChanged();
}

void PictureSurface::DrawWidth(int pixels) {
  vector_.DrawWidth(pixels);
  lineWidth_ = std::max(1, pixels);
}

void PictureSurface::Line(float x1, float y1, float x2, float y2, tervolin::Rgb colour) {
  vector_.Line(x1, y1, x2, y2, colour);
  dashTravelled_ = 0;
  StrokeBetween(x1, y1, x2, y2, colour);
}

void PictureSurface::LineTo(float x2, float y2, tervolin::Rgb colour) {
  vector_.LineTo(x2, y2, colour);
  const auto x1 = static_cast<float>(current_.x());
  const auto y1 = static_cast<float>(current_.y());
  StrokeBetween(x1, y1, x2, y2, colour);
}

void PictureSurface::Box(float x1, float y1, float x2, float y2, tervolin::Rgb colour) {
  vector_.Box(x1, y1, x2, y2, colour);
  const QRect a = DotRect(ToDevicePixel(x1, y1));
  const QRect b = DotRect(ToDevicePixel(x2, y2));
  const QRect sameRowAsA(b.x(), a.y(), a.width(), a.height());
  const QRect sameRowAsB(a.x(), b.y(), a.width(), a.height());
  const QColor c = ToQColor(colour);
  QPainter painter(&image_);
  for (const QRect& corner : {a, b}) {
    Stroke(painter, corner, sameRowAsA, c);
    Stroke(painter, corner, sameRowAsB, c);
  }
  painter.end();
  ImageChanged();
}

// The pixels between the two points' blocks, both blocks included.
void PictureSurface::FillBox(float x1, float y1, float x2, float y2, tervolin::Rgb colour) {
  vector_.FillBox(x1, y1, x2, y2, colour);
  QPainter painter(&image_);
  painter.fillRect(DotRect(ToDevicePixel(x1, y1)).united(DotRect(ToDevicePixel(x2, y2))), ToQColor(colour));
  painter.end();
  ImageChanged();
}

void PictureSurface::PSet(float x, float y, tervolin::Rgb colour) {
  vector_.PSet(x, y, colour);
  dashTravelled_ = 0;
  const QRect dot = DotRect(ToDevicePixel(x, y));
  const QColor c = ToQColor(colour);
  QPainter painter(&image_);
  if (lineWidth_ <= 2) {
    painter.fillRect(dot, c);
  } else {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(c);
    painter.drawEllipse(QRectF(dot));
  }
  painter.end();
  current_ = QPointF(x, y);
  ImageChanged();
}

void PictureSurface::TextColour(tervolin::Rgb colour) {
  textColour_ = colour;
  vector_.TextColour(colour);
}

void PictureSurface::StrokeStyle(tervolin::LineStyle style) {
  style_ = style;
  vector_.StrokeStyle(style);
}

void PictureSurface::TextScale(double factor) {
  textScale_ = factor;
  vector_.TextScale(factor);
}

void PictureSurface::TextUpright(bool upright) {
  upright_ = upright;
  vector_.TextUpright(upright);
}

void PictureSurface::Antialiased(const std::function<void(QPainter&)>& paint) {
  QPainter painter(&image_);
  painter.scale(ratio_, ratio_);
  painter.setRenderHint(QPainter::Antialiasing);
  paint(painter);
  painter.end();
  ImageChanged();
}

void PictureSurface::Circle(float x, float y, float radius, tervolin::Rgb colour) {
  vector_.Circle(x, y, radius, colour);
  const QPointF centre = ToLogicalPixel(x, y);
  const qreal r = ToLogicalPixel(x + radius, y).x() - centre.x();
  Antialiased([&](QPainter& painter) {
    painter.setPen(StyledPen(ToQColor(colour), lineWidth_, style_, Qt::FlatCap, Qt::RoundJoin));
    painter.drawEllipse(centre, r, r);
  });
}

void PictureSurface::FillTriangle(float x1, float y1, float x2, float y2, float x3, float y3, tervolin::Rgb colour) {
  vector_.FillTriangle(x1, y1, x2, y2, x3, y3, colour);
  Antialiased([&](QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(colour));
    painter.drawPolygon(QPolygonF({ToLogicalPixel(x1, y1), ToLogicalPixel(x2, y2), ToLogicalPixel(x3, y3)}));
  });
}

void PictureSurface::Print(float x, float y, const std::string& utf8Text) {
  vector_.Print(x, y, utf8Text);
  // Greyscale antialiasing keeps the retained image free of colour fringes.
  QFont textFont = font_;
  if (textScale_ != 1.0 && font_.pixelSize() > 0) {
    textFont.setPixelSize(std::max(1, qRound(font_.pixelSize() * textScale_)));
  } else if (textScale_ != 1.0) {
    textFont.setPointSizeF(font_.pointSizeF() * textScale_);
  }
  textFont.setStyleStrategy(
      QFont::StyleStrategy(textFont.styleStrategy() | QFont::NoSubpixelAntialias));
  const QPoint corner = ContainingPixel(ToDevicePixel(x, y) / ratio_);
  const QString text = FromUtf8(utf8Text);
  QPainter painter(&image_);
  painter.scale(ratio_, ratio_);
  painter.setFont(textFont);
  painter.setPen(ToQColor(textColour_));
  const qreal ascent = QFontMetricsF(textFont, &image_).ascent();
  painter.translate(corner);
  if (upright_) painter.rotate(-90);
  painter.drawText(QPointF(0, ascent), text);
  painter.end();
  ImageChanged();
}

void PictureSurface::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  DrawSunkenBorder(painter, rect(), palette());
  painter.setClipRegion(event->region());
  // Moved to a screen of another pixel ratio, the image is scaled to fit.
  painter.setRenderHint(QPainter::SmoothPixmapTransform,
                        !qFuzzyCompare(devicePixelRatioF() * zoom_, ratio_));
  painter.drawImage(QRectF(QPointF(kBorder, kBorder), QSizeF(innerSize_) * zoom_), image_);
  if (overlay_) {
    painter.translate(kBorder, kBorder);
    painter.scale(zoom_, zoom_);
    painter.setClipRect(QRect(QPoint(0, 0), innerSize_), Qt::IntersectClip);
    overlay_(painter);
  }
}

void PictureSurface::SetOverlay(std::function<void(QPainter&)> paintOverlay) {
  overlay_ = std::move(paintOverlay);
  update();
}

QImage PictureSurface::ShownImage() const {
  QImage shown = RetainedImage();
  if (overlay_) {
    QPainter painter(&shown);  // in logical pixels: the image carries its pixel ratio
    overlay_(painter);
  }
  return shown;
}

QPointF PictureSurface::ToLogicalPixel(double x, double y) const {
  const tervolin::PixelPoint p = tervolin::UserToPixel(scale_, innerSize_.width(), innerSize_.height(), x, y);
  return QPointF(p.x, p.y);
}

QPointF PictureSurface::UserPointAt(QPointF widgetPosition) const {
  const QPointF inner = InnerPosition(widgetPosition);
  return QPointF(scale_.left + inner.x() * scale_.width / innerSize_.width(),
                 scale_.top + inner.y() * scale_.height / innerSize_.height());
}

QPointF PictureSurface::ToDevicePixel(float x, float y) const { return ToLogicalPixel(x, y) * ratio_; }

// The line width in device pixels.
int PictureSurface::PenPixels() const { return std::max(1, qRound(lineWidth_ * ratio_)); }

// The block of whole device pixels that a pen draws for point p (in device
// pixels): PenPixels() square, most nearly centred on p.
QRect PictureSurface::DotRect(QPointF p) const {
  const int pen = PenPixels();
  const qreal back = pen / 2.0 - 0.5;
  return QRect(ContainingPixel(p - QPointF(back, back)), QSize(pen, pen));
}

// A line between the blocks of its end points: a horizontal or vertical run fills
// both blocks and everything between; anything else is an antialiased stroke.
void PictureSurface::Stroke(QPainter& painter, QRect from, QRect to, const QColor& colour) const {
  if (from.x() == to.x() || from.y() == to.y()) {
    painter.fillRect(from.united(to), colour);
    return;
  }
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(colour, PenPixels(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawLine(QRectF(from).center(), QRectF(to).center());
}

// A styled line keeps its pattern going from one piece to the next, so a curve of
// one-degree pieces shows whole dashes and dots.
void PictureSurface::StrokeStyled(QPainter& painter, QRect from, QRect to, const QColor& colour) {
  const qreal pen = PenPixels();
  QPen styled = StyledPen(colour, pen, style_, Qt::FlatCap, Qt::RoundJoin);
  styled.setDashOffset(dashTravelled_ / pen);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(styled);
  const QLineF line(QRectF(from).center(), QRectF(to).center());
  painter.drawLine(line);
  dashTravelled_ += line.length();
}

void PictureSurface::StrokeBetween(float x1, float y1, float x2, float y2, tervolin::Rgb colour) {
  QPainter painter(&image_);
  const QRect from = DotRect(ToDevicePixel(x1, y1)), to = DotRect(ToDevicePixel(x2, y2));
  if (style_ == tervolin::LineStyle::kSolid) {
    Stroke(painter, from, to, ToQColor(colour));
  } else {
    StrokeStyled(painter, from, to, ToQColor(colour));
  }
  painter.end();
  current_ = QPointF(x2, y2);
  ImageChanged();
}

void PictureSurface::ImageChanged() { update(); }

// The meta-object code lives with this file, so a program that uses only the
// surface does not pull in every screen of the library.
#include "moc_picture_surface.cpp"

}  // namespace tervolin::ui
