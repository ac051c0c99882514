#pragma once
// The graph of the scattering-magnitude window (graphs/magnitude_graph.h), the plot
// it is handed drawn by the library at the widget's size (ui/window_graph.h): curves
// of absolute values against the scattering angle θ = 0° … 180°, on a linear or
// logarithmic value axis, with a caption, a legend in the line above the frame,
// grid, tick labels and axis titles with their units. A read-out under the pointer,
// or moved along θ by the arrow keys (Ctrl: ten degrees) when the graph has the
// focus, gives each curve's value. Mapping() is in the drawn pixels.

#include <QString>
#include <optional>

#include "graphs/magnitude_graph.h"
#include "ui/window_graph.h"

namespace tervolin::ui {

class MagnitudeGraph : public WindowGraph {
  Q_OBJECT

 public:
  explicit MagnitudeGraph(QWidget* parent = nullptr);

  // The plot and the language of the graph's own words.
  void SetPlot(tervolin::MagnitudePlot plot, tervolin::Language language);
  const tervolin::MagnitudePlot& Plot() const { return plot_; }

  tervolin::MagnitudeMapping Mapping() const;
  // "θ = 30°" and a line per curve with its value and unit.
  QString ReadOutText(int degrees) const;
  // The angle the read-out gives at a position in the widget, or nothing outside
  // the frame or without curves.
  std::optional<int> DegreesUnder(QPointF position) const;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ShowReadOut(QPointF position);

  tervolin::MagnitudePlot plot_;
  int keyDegrees_ = 0;  // where the arrow keys have moved the read-out, 0 before
};

}  // namespace tervolin::ui
