#include "graphs/figures_box.h"

#include <string>

#include "graphs/drawing_surface.h"
#include "graphs/spectrum_graph.h"

namespace tervolin {

namespace {

// The figures' text against the graph's labels: as large as six lines allow in the
// box (the labels are 21 pixels, this 14).
inline constexpr double kFiguresTextScale = 0.67;

// The box, user units: from just right of 100 keV to just inside the frame's right
// side, from just below its top to above φ = 0.7 (y 700) with six lines.
inline constexpr float kBoxLeft = kFiguresBoxLeft;
inline constexpr float kBoxRight = kFiguresBoxRight;
inline constexpr float kBoxTop = kFiguresBoxTop;
inline constexpr float kLinePitch = kFiguresLinePitch;
inline constexpr float kMargin = kFiguresBoxMargin;
inline constexpr float kNameX = kBoxLeft + 40.0f;
inline constexpr float kValueX = kBoxLeft + 520.0f;

struct FigureLine {
  const char* name;
  std::string value;
};

std::string WithUnit(const std::optional<double>& value, int decimals, const char* unit) {
  return FormatFigure(value, decimals) + (value ? unit : "");
}

void PrintLine(DrawingSurface& graph, int row, const FigureLine& line) {
  const float y = kBoxTop + kMargin + kLinePitch * static_cast<float>(row);
  graph.Print(kNameX, y, line.name);
  graph.Print(kValueX, y, line.value);
}

}  // namespace

void DrawFiguresBox(DrawingSurface& graph, const BeamFigures& f) {
  const FigureLine lines[] = {
      {"平均E", WithUnit(f.meanEnergyKev, 2, " keV")},
      {"実効E", WithUnit(f.effectiveEnergyKev, 2, " keV")},
      {"HVL1", WithUnit(f.hvl1Mm, 3, " mmAl")},
      {"HVL2", WithUnit(f.hvl2Mm, 3, " mmAl")},
      {"均等度", WithUnit(f.homogeneity, 3, "")},
  };
  const int rows = static_cast<int>(std::size(lines)) + (f.problem != nullptr ? 1 : 0);
  const float bottom = kBoxTop + 2 * kMargin + kLinePitch * static_cast<float>(rows);
  graph.FillBox(kBoxLeft, kBoxTop, kBoxRight, bottom, kWhite);
  graph.DrawWidth(1);
  graph.Box(kBoxLeft, kBoxTop, kBoxRight, bottom, kBlack);
  graph.TextScale(kFiguresTextScale);
  for (int row = 0; row < static_cast<int>(std::size(lines)); ++row) PrintLine(graph, row, lines[row]);
  if (f.problem != nullptr) graph.Print(kNameX, kBoxTop + kMargin + kLinePitch * 5, f.problem);
  graph.TextScale(1.0);
}

}  // namespace tervolin
