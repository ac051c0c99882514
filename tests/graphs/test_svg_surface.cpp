// The SVG drawing surface under the angular graph's own procedures: each curve one
// polyline (a dashed one a path) with its points where the screen puts them, nothing
// else a path; a curve's own elements apart from those drawn before it.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>

#include "core/number_text.h"
#include "graphs/angle_graph.h"
#include "graphs/line_styles.h"
#include "graphs/svg_surface.h"

namespace tervolin {
namespace {

// The points of each polyline and the commands of each path, in order.
std::vector<std::string> Curves(const std::string& svg) {
  std::vector<std::string> paths;
  const std::regex path("<(?:polyline points|path d)=\"([^\"]*)\"");
  for (std::sregex_iterator i(svg.begin(), svg.end(), path), end; i != end; ++i) paths.push_back((*i)[1]);
  return paths;
}

std::string Point(double x, double y) {
  const PixelPoint p = UserToPixel(kAngleGraphScale, kAngleGraphPixelWidth, kAngleGraphPixelHeight, x, y);
  return FixedText(p.x, 2) + "," + FixedText(p.y, 2);
}

TEST(SvgSurface, DrawsEachCurveAsOnePathOfItsPoints) {
  SvgSurface graph{kAngleGraphScale, kAngleGraphPixelWidth, kAngleGraphPixelHeight, {"serif", 19.0}};
  AngleTable values{};
  for (int j = 1; j <= kAngles; ++j) values[j] = j / 180.0;
  DrawAngleAxes(graph, {}, Language::kJapanese);
  DrawGraphFrame(graph);
  PlotAngleCurve(graph, values, {255, 0, 0}, LineStyle::kSolid, true);
  const std::string before = graph.Elements();
  const std::size_t drawn = graph.Operations().size();
  PlotDashedAngleCurve(graph, values, {0, 0, 255}, LineStyle::kDashed, true);
  const std::string svg = graph.Document();
  // The page adds the elements of a new curve to those it shows: together the whole.
  EXPECT_EQ(before + graph.ElementsFrom(drawn), graph.Elements());
  EXPECT_EQ(Curves(graph.ElementsFrom(drawn)), std::vector<std::string>{Curves(svg)[1]});

  const std::vector<std::string> curves = Curves(svg);
  ASSERT_EQ(curves.size(), 2u);
  EXPECT_EQ(curves[0].rfind(Point(0, 0) + " " + Point(1, values[1]) + " ", 0), 0u);
  EXPECT_EQ(curves[0].substr(curves[0].size() - Point(180, 1).size()), Point(180, 1));
  EXPECT_EQ(std::count(curves[0].begin(), curves[0].end(), ' '), kAngles);  // 181 points
  EXPECT_EQ(std::count(curves[1].begin(), curves[1].end(), 'M'), kAngles / 4);  // 2° drawn, 2° left out
  EXPECT_EQ(svg.find("<path", svg.find("<path") + 1), std::string::npos);
  EXPECT_NE(svg.find(">散乱角度</text>"), std::string::npos);
}

// A second curve of one colour is dash-dot (6, 2, 1.5, 2 line widths); a condensed
// screen font keeps its width through a scale of each text, which stays whole.
TEST(SvgSurface, LineStylesAsDashArraysAndCondensedTextScaled) {
  SvgSurface graph{kAngleGraphScale, kAngleGraphPixelWidth, kAngleGraphPixelHeight, {"serif", 20.0, false, 0.88}};
  AngleTable values{};
  PlotAngleCurve(graph, values, {255, 0, 0}, LineStyleAfter(0), true);
  PlotAngleCurve(graph, values, {255, 0, 0}, LineStyleAfter(1), true);
  graph.Print(0, 1, "100 kV・12°");
  const std::string svg = graph.Document();
  EXPECT_EQ(svg.find("stroke-dasharray"), svg.rfind("stroke-dasharray=\"12.00 4.00 3.00 4.00\""));
  const std::string x = Point(0, 1).substr(0, Point(0, 1).find(','));
  EXPECT_NE(svg.find("<text transform=\"matrix(0.88 0 0 1 " + x + " "), std::string::npos);
  EXPECT_NE(svg.find(">100 kV・12°</text>"), std::string::npos);
}

}  // namespace
}  // namespace tervolin
