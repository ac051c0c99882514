// The polar diagram and the magnitudes graph as the library draws them, seen through
// their SVG: each curve one polyline, the polar outlines closed and mirrored about
// the beam's axis, the magnitude curves inside their frame, the value axis's title
// upright.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "graphs/magnitude_graph.h"
#include "graphs/polar_diagram.h"
#include "graphs/svg_surface.h"

namespace tervolin {
namespace {

constexpr int kWidth = 520, kHeight = 600;
const TextMeasures kMeasures{12.0, 16.0, [](const std::string& text) { return 7.0 * text.size(); }};

struct Point {
  double x, y;
};

// The points of each polyline, in order.
std::vector<std::vector<Point>> Polylines(const std::string& svg) {
  std::vector<std::vector<Point>> lines;
  const std::regex polyline("<polyline points=\"([^\"]*)\"");
  for (std::sregex_iterator i(svg.begin(), svg.end(), polyline), end; i != end; ++i) {
    std::istringstream points((*i)[1].str());
    std::vector<Point>& line = lines.emplace_back();
    for (Point p; points >> p.x && points.ignore(1) && points >> p.y;) line.push_back(p);
  }
  return lines;
}

AngleTable Rising(double low) {
  AngleTable values{};
  for (int j = 1; j <= kAngles; ++j) values[j] = low + j / 180.0;
  return values;
}

struct Picture {
  const char* name;
  std::function<void(SvgSurface&)> draw;
  std::size_t curves;
  std::size_t pointsPerCurve;
  const char* text;  // a text the picture shows
};

const Picture kPictures[] = {
    {"polar", [](SvgSurface& s) {
       DrawPolarDiagram(s, kWidth, kHeight, "散乱確率", {{Rising(0), {255, 0, 0}, "鉄"}, {Rising(0.2), {0, 0, 255}, "水", LineStyle::kDashed}},
                        kMeasures, Language::kJapanese);
     }, 2, 2 * kAngles + 1, ">入射X線</text>"},
    {"magnitudes linear", [](SvgSurface& s) {
       DrawMagnitudeGraph(s, {"水 60 keV", "dσ/dθ (cm²/g/deg)", "cm²/g/deg", {{Rising(0), {255, 0, 0}, "干渉性散乱"}}, false, {}},
                          kWidth, kHeight, kMeasures, Language::kJapanese);
     }, 1, kAngles, ">散乱角度 θ (deg)</text>"},
    {"magnitudes logarithmic", [](SvgSurface& s) {
       AngleTable withZero = Rising(0);
       withZero[90] = 0.0;  // far below a logarithmic axis: held on the frame's bottom
       DrawMagnitudeGraph(s, {"鉛 30 keV", "dσ/dΩ (cm²/g/sr)", "cm²/g/sr", {{withZero, {0, 0, 0}, "合計", true}}, true, {}},
                          kWidth, kHeight, kMeasures, Language::kJapanese);
     }, 1, kAngles, ">合計</text>"},
};

TEST(LibraryPictures, EachCurveOnePolylineClosedOrInsideItsFrame) {
  for (const Picture& picture : kPictures) {
    SCOPED_TRACE(picture.name);
    SvgSurface svg({0, 0, double(kWidth), double(kHeight)}, kWidth, kHeight, {"sans-serif", 12.0});
    picture.draw(svg);
    const std::string document = svg.Document();
    const std::vector<std::vector<Point>> lines = Polylines(document);
    ASSERT_EQ(lines.size(), picture.curves);
    EXPECT_EQ(svg.OfKind(DrawingKind::kBeginCurve).size(), picture.curves);
    EXPECT_NE(document.find(picture.text), std::string::npos);
    const bool polar = lines[0].size() == 2 * kAngles + 1;
    const MagnitudeMapping map = MapMagnitudes({}, kWidth, kHeight);
    for (const std::vector<Point>& line : lines) {
      ASSERT_EQ(line.size(), picture.pointsPerCurve);
      if (polar) {
        // Closed, and each point above the axis mirrored by one below it.
        EXPECT_EQ(line.front().x, line.back().x);
        EXPECT_EQ(line.front().y, line.back().y);
        const double axis2 = line[kAngles - 1].y + line[kAngles].y;
        for (std::size_t i = 0; i < 2 * kAngles; ++i) {
          EXPECT_NEAR(line[i].x, line[2 * kAngles - 1 - i].x, 0.011) << i;
          EXPECT_NEAR(line[i].y + line[2 * kAngles - 1 - i].y, axis2, 0.02) << i;
        }
        continue;
      }
      for (const Point& p : line) {
        EXPECT_GE(p.y, map.frame.top - 0.005);
        EXPECT_LE(p.y, map.frame.top + map.frame.height + 0.005);
      }
    }
  }
}

TEST(LibraryPictures, TheValueTitleRunsUpwardBesideTheFrame) {
  SvgSurface svg({0, 0, double(kWidth), double(kHeight)}, kWidth, kHeight, {"sans-serif", 10.0});
  DrawMagnitudeGraph(svg, {"水", "dσ/dθ", "", {}, false, {}}, kWidth, kHeight, kMeasures, Language::kJapanese);
  // Turned a quarter to the left: x' = y, y' = -x; its baseline an ascent (0.88 of
  // the size) right of the left edge at 8 pixels.
  EXPECT_NE(svg.Document().find("<text transform=\"matrix(0 -1.00 1 0 16.80 "), std::string::npos);
  EXPECT_NE(svg.Document().find(">dσ/dθ</text>"), std::string::npos);
}

}  // namespace
}  // namespace tervolin
