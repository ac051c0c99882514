#pragma once
// The window's picture of the polar diagram (graphs/polar_diagram.h) of the angular
// graph's curves, drawn by the library at the widget's size: the beam coming in from
// the left, θ from its direction, each curve mirrored above and below the axis, with
// circles at 0.25, 0.5, 0.75 and 1, the angles 0°, 30°, …, 180° marked, and a legend
// below. In a window larger than its own size (sizeHint) it is drawn at DrawnSize
// and painted Zoom() times larger, so its texts and lines grow with it.

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "core/energy_tables.h"
#include "graphs/drawing_surface.h"
#include "graphs/polar_diagram.h"

class QPainter;

namespace tervolin::ui {

// One curve of the diagram: the values at θ = 1° … 180° (largest 1).
struct PolarCurve {
  tervolin::AngleTable values{};
  QColor colour;
  QString label;
  bool dashed = false;
  tervolin::LineStyle style = tervolin::LineStyle::kSolid;  // a dashed one's too (graphs/line_styles.h)
};

class PolarDiagramWidget : public QWidget {
  Q_OBJECT

 public:
  explicit PolarDiagramWidget(QWidget* parent = nullptr);

  void SetCurves(std::vector<PolarCurve> curves);
  // The line above the diagram, e.g. what the radius means.
  void SetCaption(const QString& caption);
  // The language of the diagram's own words.
  void SetLanguage(tervolin::Language language) { language_ = language; }
  const std::vector<PolarCurve>& Curves() const { return curves_; }

  // The size the library draws at, and how many widget pixels each of its pixels takes.
  QSize DrawnSize() const;
  qreal Zoom() const;

  // Where the diagram lies in the widget (logical pixels).
  tervolin::PolarFrame Frame() const;
  // The picture as shown, at the screen's resolution.
  QImage Picture() const;
  // Paints the diagram on any painter over an area of the widget's size (vector files).
  // The SVG picture is the same drawing at DrawnSize.
  void PaintOn(QPainter& painter) const;
  // The library's SVG picture of the diagram at the widget's size.
  std::string SvgDocument() const;

  QSize sizeHint() const override { return {520, 600}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawOn(tervolin::DrawingSurface& surface) const;

  std::vector<PolarCurve> curves_;
  QString caption_;
  tervolin::Language language_ = tervolin::Language::kJapanese;
};

}  // namespace tervolin::ui
