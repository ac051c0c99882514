#pragma once
// The picture of a graph window (the polar diagram's, the magnitudes'), drawn by the
// library at the widget's size and painted by the one replay (ui/drawing_painter.h).
// In a window larger than its own size (sizeHint) it is drawn at DrawnSize and
// painted Zoom() times larger, so its texts and lines grow with it.

#include <QImage>
#include <QSize>
#include <QWidget>
#include <functional>
#include <string>

#include "graphs/display_list.h"
#include "graphs/text_measures.h"

class QPainter;

namespace tervolin::ui {

class WindowGraph : public QWidget {
  Q_OBJECT

 public:
  // How the picture is drawn on a surface whose user units are pixels, at a size, in
  // a font of these measures.
  using Drawing = std::function<void(tervolin::DrawingSurface& surface, QSize size, const tervolin::TextMeasures& text)>;

  // The graph's own size, and the least it may be.
  WindowGraph(QSize own, QSize least, QWidget* parent = nullptr);

  void SetDrawing(Drawing drawing);

  // The size the library draws at, and how many widget pixels each of its pixels takes.
  QSize DrawnSize() const;
  qreal Zoom() const;
  // The drawing at DrawnSize.
  tervolin::DrawingOperations Operations() const;

  // The picture as shown, at `ratio` pixels to the widget's (the screen's when 0).
  QImage Picture(qreal ratio = 0) const;
  // Paints the picture on any painter over an area of the widget's size (PDF).
  void PaintOn(QPainter& painter) const;
  // The library's SVG picture of the drawing at DrawnSize.
  std::string SvgDocument() const;

  QSize sizeHint() const override { return own_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSize own_;
  Drawing drawing_;
};

}  // namespace tervolin::ui
