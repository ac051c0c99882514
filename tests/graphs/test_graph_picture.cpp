// The pictures of a graph: its legend fitted inside the frame on screen, beside or
// below the frame in files, and the 16:9 slides; over graph sizes and legends of one
// to ten rows, short, long and with a name too long for any line; and the plot made
// smaller on screen to make room for its legend.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "graphs/graph_layout.h"
#include "graphs/graph_picture.h"
#include "graphs/user_coordinates.h"

namespace tervolin {
namespace {

struct LegendCase {
  double width, height;  // the graph's area, pixels
  double textPixels;     // its text, which grows with it
  UserScale scale;
  PlotArea frame;
  int rows = 0;
  int titles = 0;  // kShortTitles, kLongTitles or kLongName
  bool slide = false;
};

constexpr int kShortTitles = 0, kLongTitles = 1, kLongName = 2;

PixelRect FrameOf(const LegendCase& c) {
  const PixelPoint a = UserToPixel(c.scale, c.width, c.height, c.frame.left, c.frame.top);
  const PixelPoint b = UserToPixel(c.scale, c.width, c.height, c.frame.right, c.frame.bottom);
  return {a.x, a.y, b.x - a.x, b.y - a.y};
}

// Long names: the first row's material has a name with no place to break, wider than
// any frame's legend; the others are short.
std::vector<LegendRow> Rows(int count, int titles) {
  const char* const kTitles[] = {"干渉性散乱 鉄 100 keV",
                                 "非干渉性散乱 水 100 kV・12°・固有 2.5 mmAl・Al 3 mm・Cu 0.2 mm 立体角あたり",
                                 "干渉性散乱 ポリオキシエチレンポリオキシプロピレンブロックコポリマー 60 keV"};
  std::vector<LegendRow> rows;
  for (int i = 0; i < count; ++i) {
    const int title = titles == kLongName && i > 0 ? kShortTitles : titles;
    rows.push_back({kBlack, kTitles[title], "ピーク " + std::to_string(10 + i) + "°"});
  }
  return rows;
}

bool AnyCut(const std::vector<LegendRow>& rows) {
  return std::any_of(rows.begin(), rows.end(), [](const LegendRow& row) { return row.title.find("…") != std::string::npos; });
}

bool Overlap(PixelRect a, PixelRect b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;
}

bool Inside(PixelRect r, double width, double height) {
  return r.left >= 0 && r.top >= 0 && r.left + r.width <= width && r.top + r.height <= height;
}

void ExpectNotesKept(const std::vector<LegendRow>& fitted, const std::vector<LegendRow>& rows) {
  ASSERT_EQ(fitted.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(fitted[i].note, rows[i].note) << i;
}

std::vector<LegendCase> Cases() {
  const PlotArea angleFrame = kAngleGraphLayout.frame, spectrumFrame = kSpectrumGraphLayout.frame;
  const std::vector<LegendCase> graphs{{589, 413, 19, kAngleGraphScale, angleFrame},
                                       {605, 437, 21, kSpectrumGraphScale, spectrumFrame},
                                       {1200, 841, 38.7, kAngleGraphScale, angleFrame}};  // maximised
  std::vector<LegendCase> cases;
  for (const LegendCase& g : graphs) {
    for (const int rows : {1, 4, 10}) {
      for (const int kind : {0, 1, 2, 3, 4, 5}) {  // slides: 3 to 5
        cases.push_back({g.width, g.height, g.textPixels, g.scale, g.frame, rows, kind % 3, kind > 2});
      }
    }
  }
  return cases;
}

// On screen the legend is no wider than the frame, a name too long for it cut short
// with "…"; in a file or on a slide it lies whole inside the picture and off the
// frame, where the curves are; every row keeps its peak; a slide is 1920 × 1080 with
// text of at least 1/40 of its height.
TEST(PictureLayout, LegendFitsTheFrameOnScreenAndCoversNoCurveInPictures) {
  for (const LegendCase& c : Cases()) {
    const double legendPixels = c.textPixels * kLegendTextScale;
    const TextMeasures legendFont = EstimatedTextMeasures(legendPixels), graphFont = EstimatedTextMeasures(c.textPixels);
    SCOPED_TRACE(std::to_string(c.width) + "," + std::to_string(c.rows) + std::to_string(c.titles) + std::to_string(c.slide));
    const std::vector<LegendRow> rows = Rows(c.rows, c.titles);
    const PixelRect frame = FrameOf(c);
    const std::vector<LegendRow> onScreen = FitLegendRows(rows, legendFont, frame.width);
    EXPECT_LE(LegendBoxSize(MeasureLegendRows(onScreen, legendFont), onScreen).width, frame.width);
    EXPECT_EQ(AnyCut(onScreen), c.titles == kLongName) << "a name too long for the legend cut with …, or another title cut";
    ExpectNotesKept(onScreen, rows);

    const PictureLayout p = LayOutPicture({{c.width, c.height, frame, c.textPixels}, rows, legendFont, legendPixels,
                                           c.slide ? "散乱角度の確率密度分布　干渉性散乱" : "", graphFont, c.textPixels,
                                           c.slide});
    ExpectNotesKept(p.legendRows, rows);
    const LegendSize size = PlacedLegendSize(p);
    const PixelRect legend{p.legendAt.x, p.legendAt.y, size.width, size.height};
    const PixelRect placedFrame{p.graphAt.x + frame.left * p.graphScale, p.graphAt.y + frame.top * p.graphScale,
                                frame.width * p.graphScale, frame.height * p.graphScale};
    EXPECT_FALSE(Overlap(legend, placedFrame));
    EXPECT_TRUE(Inside(legend, p.width, p.height) && Inside(placedFrame, p.width, p.height));
    if (!c.slide) continue;
    EXPECT_TRUE(p.width == 1920 && p.height == 1080);
    EXPECT_GE(legendPixels * p.legendScale, 1080.0 / 40 - 1e-9);
    EXPECT_GE(c.textPixels * p.graphScale, 1080.0 / 40 - 1e-9);
  }
}

// On screen the plot is drawn smaller to make room for its legend only while it keeps
// 60 % of its size: six short rows leave it 61 %, seven 56 %, eight long ones a stamp
// of 8 %; a legend that would leave it smaller gets no room.
TEST(PictureLayout, PlotMakesRoomOnScreenOnlyWhileItKeepsSixtyPercentOfItsSize) {
  const LegendCase graph{589, 413, 19, kAngleGraphScale, kAngleGraphLayout.frame};
  const PixelRect frame = FrameOf(graph);
  const struct {
    int rows, titles;
    bool room;
  } cases[] = {{6, kShortTitles, true}, {7, kShortTitles, false}, {8, kLongTitles, false}};
  for (const auto& c : cases) {
    const auto room = LayOutPictureMakingRoom({{graph.width, graph.height, frame, graph.textPixels}, Rows(c.rows, c.titles),
                                               EstimatedTextMeasures(19 * kLegendTextScale), 19 * kLegendTextScale, "",
                                               EstimatedTextMeasures(19), 19});
    EXPECT_EQ(room.has_value(), c.room)
        << c.rows << " rows: " << (c.room ? "no room though the plot keeps 60 %" : "room though the plot keeps less than 60 %");
    if (room) {
      EXPECT_TRUE(room->graphScale >= 0.6 && room->graphScale < 1) << room->graphScale;
    }
  }
}

}  // namespace
}  // namespace tervolin
