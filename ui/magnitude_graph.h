#pragma once
// The graph of the scattering-magnitude window, drawn by the library at the widget's
// size (graphs/magnitude_graph.h): curves of absolute values against the scattering
// angle θ = 0° … 180°, on a linear or logarithmic value axis, with a caption, a legend
// in the line above the frame, grid, tick labels and axis titles with their units.
// It shows the plot it is handed; a read-out under the pointer, or
// moved along θ by the arrow keys (Ctrl: ten degrees) when the graph has the focus,
// gives each curve's value. In a window larger than its own size (sizeHint) it is
// drawn at DrawnSize and painted Zoom() times larger, so its texts and lines grow
// with it; Mapping() is in the drawn pixels.

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "core/energy_tables.h"
#include "graphs/drawing_surface.h"
#include "graphs/magnitude_graph.h"

class QPainter;

namespace tervolin::ui {

struct MagnitudeCurve {
  tervolin::AngleTable values{};  // θ = 1° … 180°
  QColor colour;
  QString title;
  bool dashed = false;  // a sum drawn over its parts, which show through its gaps
};

struct MagnitudePlot {
  QString caption;     // what is compared, e.g. "水 60 keV"
  QString valueTitle;  // the value axis's title with its unit
  QString unit;        // the read-out's unit
  std::vector<MagnitudeCurve> curves;
  bool logarithmic = false;
  tervolin::MagnitudeTable table;  // σ/ρ, shares and their ratio, under the frame
  tervolin::Language language = tervolin::Language::kJapanese;  // of the graph's own words
};

class MagnitudeGraph : public QWidget {
  Q_OBJECT

 public:
  explicit MagnitudeGraph(QWidget* parent = nullptr);

  void SetPlot(MagnitudePlot plot);
  const MagnitudePlot& Plot() const { return plot_; }

  // The size the library draws at, and how many widget pixels each of its pixels takes.
  QSize DrawnSize() const;
  qreal Zoom() const;

  tervolin::MagnitudeMapping Mapping() const;
  // The picture as shown, at the screen's resolution.
  QImage Picture() const;
  // Paints the graph on any painter over an area of the widget's size (vector files).
  void PaintOn(QPainter& painter) const;
  // The library's SVG picture of the graph at DrawnSize.
  std::string SvgDocument() const;
  // "θ = 30°" and a line per curve with its value and unit.
  QString ReadOutText(int degrees) const;
  // The angle the read-out gives at a position in the widget, or nothing outside
  // the frame or without curves.
  std::optional<int> DegreesUnder(QPointF position) const;

  QSize sizeHint() const override { return {640, 530}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void DrawOn(tervolin::DrawingSurface& surface) const;
  void ShowReadOut(QPointF position);

  MagnitudePlot plot_;
  int keyDegrees_ = 0;  // where the arrow keys have moved the read-out, 0 before
};

}  // namespace tervolin::ui
