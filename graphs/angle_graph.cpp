#include "graphs/angle_graph.h"

#include <algorithm>
#include <array>
#include <string>
#include <cmath>
#include <numeric>
#include <optional>
#include <vector>

#include "core/text_catalogue.h"
#include "graphs/line_styles.h"

namespace tervolin {

namespace {

inline constexpr Rgb kGridGrey{180, 180, 180};

// Scale labels and the angle scale's numbers, each placed by its top-left corner.
inline constexpr std::array<PlacedText, 3> kScaleTexts{{{"1.0", -14, 1.03f}, {"0.5", -14, 0.53f}, {"0.0", -14, 0.05f}}};
inline constexpr std::array<PlacedText, 7> kAngleTexts{{
    {"0", -1, 0}, {"30", 26, 0}, {"60", 56, 0}, {"90", 86, 0}, {"120", 115, 0}, {"150", 145, 0}, {"180", 172, 0},
}};

// The y-axis title left of the frame: Japanese stacks its characters one under the
// other from `top`, a pitch apart (closer, when the title would reach below
// kLowestStacked), a space leaving half a pitch more; other languages run it upward
// from `bottom`.
constexpr float kTitleX = -20, kUprightTitleX = -24;  // upright: at the left edge, clear of the scale
constexpr double kStackPitch = 0.08, kLowestStacked = 0.12;
constexpr double kPerAngleTitleTop = 0.90, kOwnTitleTop = 0.98, kUprightTitleBottom = 0.05;
// The x-axis title, left-aligned under the middle of the scale.
constexpr float kAbscissaTitleX = 91, kAbscissaTitleY = -0.07f;

// The title's characters (UTF-8 sequences), a space as one of them.
std::vector<std::string> Characters(const std::string& title) {
  std::vector<std::string> characters;
  for (std::size_t at = 0; at < title.size();) {
    std::size_t length = 1;
    while (at + length < title.size() && (static_cast<unsigned char>(title[at + length]) & 0xC0) == 0x80) ++length;
    characters.push_back(title.substr(at, length));
    at += length;
  }
  return characters;
}

void PrintStacked(DrawingSurface& surface, const std::string& title, double top) {
  const std::vector<std::string> characters = Characters(title);
  double steps = -1.0;  // in pitches, from the first character to the last
  for (const std::string& c : characters) steps += c == " " ? 0.5 : 1.0;
  const double pitch = steps > 0.0 ? std::min(kStackPitch, (top - kLowestStacked) / steps) : kStackPitch;
  double y = top;
  for (const std::string& c : characters) {
    if (c != " ") surface.Print(kTitleX, static_cast<float>(y), c);
    y -= c == " " ? pitch / 2 : pitch;
  }
}

// The title of the last chosen view that has one of its own, else per unit angle's.
std::optional<TextId> OwnAxisTitle(const ViewSet& views) {
  std::optional<TextId> title;
  for (const ViewEntry& v : kViews) title = views.Has(v.view) && v.axisTitle ? v.axisTitle : title;
  return title;
}

void PrintOrdinateTitle(DrawingSurface& surface, const ViewSet& views, Language language) {
  const std::optional<TextId> own = OwnAxisTitle(views);
  const std::string title = TextOf(own.value_or(TextId::kProbabilityAxisTitle), language);
  if (language == Language::kJapanese) {
    PrintStacked(surface, title, own ? kOwnTitleTop : kPerAngleTitleTop);
    return;
  }
  surface.TextUpright(true);
  surface.Print(kUprightTitleX, static_cast<float>(kUprightTitleBottom), title);
  surface.TextUpright(false);
}

void DrawGrid(DrawingSurface& surface) {
  for (int x = 10; x <= 170; x += 10) {
    surface.Line(static_cast<float>(x), 0.0f, static_cast<float>(x), 1.0f, kGridGrey);
  }
  for (int j = 1; j <= 9; ++j) {
    const auto y = static_cast<float>(j * 0.1);
    surface.Line(0.0f, y, 180.0f, y, kGridGrey);
  }
}

// Whether the degree from `degree` to the next is drawn in a dashed curve of `style`:
// lengths drawn and left out in turn, whole degrees so each dash ends on a value.
bool DashDrawnAt(LineStyle style, int degree) {
  static const std::vector<int> kShort{2, 2}, kLong{6, 2}, kSparse{2, 5};
  const std::vector<int>& pattern =
      style == LineStyle::kLongDashed ? kLong : style == LineStyle::kSparseDashed ? kSparse : kShort;
  int at = degree % std::accumulate(pattern.begin(), pattern.end(), 0);
  std::size_t piece = 0;
  while (at >= pattern[piece]) at -= pattern[piece++];
  return piece % 2 == 0;
}

}  // namespace

void DrawAngleAxes(DrawingSurface& surface, const ViewSet& views, Language language) {
  surface.Cls();
  surface.DrawWidth(1);
  DrawGrid(surface);
  surface.PrintAll(kScaleTexts);
  PrintOrdinateTitle(surface, views, language);
  surface.PrintAll(kAngleTexts);
  surface.Print(kAbscissaTitleX, kAbscissaTitleY, TextOf(TextId::kAngleGraphAbscissa, language));
}

void DrawGraphFrame(DrawingSurface& surface) {
  surface.DrawWidth(2);
  surface.Box(0.0f, 0.0f, 180.0f, 1.0f, kBlack);
}

void PlotAngleCurve(DrawingSurface& surface, const AngleTable& values, Rgb colour, LineStyle style, bool fromOrigin) {
  const int first = fromOrigin ? 0 : 1;
  surface.StrokeStyle(style);
  surface.BeginCurve();
  surface.PSet(static_cast<float>(first), fromOrigin ? 0.0f : static_cast<float>(values[1]), colour);
  for (int i = first + 1; i <= kAngles; ++i) surface.LineTo(static_cast<float>(i), static_cast<float>(values[i]), colour);
  surface.StrokeStyle(LineStyle::kSolid);
  surface.EndCurve();
  DrawGraphFrame(surface);
}

void PlotDashedAngleCurve(DrawingSurface& surface, const AngleTable& values, Rgb colour, LineStyle style,
                          bool fromOrigin) {
  surface.BeginCurve();
  float x = fromOrigin ? 0.0f : 1.0f;
  float y = fromOrigin ? 0.0f : static_cast<float>(values[1]);
  for (int i = fromOrigin ? 1 : 2; i <= kAngles; ++i) {
    const auto yi = static_cast<float>(values[i]);
    if (DashDrawnAt(style, i - 1)) surface.Line(x, y, static_cast<float>(i), yi, colour);
    x = static_cast<float>(i);
    y = yi;
  }
  surface.EndCurve();
  DrawGraphFrame(surface);
}

}  // namespace tervolin
