#pragma once
// The graph of the scattering-magnitude window: curves of absolute values against the
// scattering angle θ = 0° … 180°, on a linear or logarithmic value axis, with a
// caption, a legend in the line above the frame, grid, tick labels and axis titles
// with their units. It draws the plot it is handed; a read-out under the pointer, or
// moved along θ by the arrow keys (Ctrl: ten degrees) when the graph has the focus,
// gives each curve's value.

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "core/energy_tables.h"
#include "graphs/value_axis.h"

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
};

// The data-to-pixel mapping of one painting: θ across the frame, the value axis up it.
struct PlotMapping {
  QRectF frame;  // logical pixels
  tervolin::ValueAxis axis;
  QPointF At(double degrees, double value) const;
  double DegreesAt(double x) const;
};

class MagnitudeGraph : public QWidget {
  Q_OBJECT

 public:
  explicit MagnitudeGraph(QWidget* parent = nullptr);

  void SetPlot(MagnitudePlot plot);
  const MagnitudePlot& Plot() const { return plot_; }

  PlotMapping Mapping() const;
  // The picture as shown, at the screen's resolution.
  QImage Picture() const;
  // Paints the graph on any painter over an area of the widget's size (vector files).
  void PaintOn(QPainter& painter) const { Paint(painter); }
  // "θ = 30°" and a line per curve with its value and unit.
  QString ReadOutText(int degrees) const;

  QSize sizeHint() const override { return {640, 440}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Paint(QPainter& painter) const;
  void PaintGrid(QPainter& painter, const PlotMapping& map) const;
  void PaintTitles(QPainter& painter, const PlotMapping& map) const;
  void PaintCurves(QPainter& painter, const PlotMapping& map) const;
  void PaintLegend(QPainter& painter, const PlotMapping& map) const;
  std::optional<int> DegreesUnder(QPointF position) const;
  void ShowReadOut(QPointF position);

  MagnitudePlot plot_;
  int keyDegrees_ = 0;  // where the arrow keys have moved the read-out, 0 before
};

}  // namespace tervolin::ui
