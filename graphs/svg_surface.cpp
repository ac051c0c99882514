#include "graphs/svg_surface.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "graphs/line_styles.h"

namespace tervolin {

namespace {

// Where text hangs from its top-left corner: the baseline lies one ascent lower,
// about 0.88 of the size in the CJK fonts the screens use.
inline constexpr double kAscentPerSize = 0.88;

std::string Number(double value) { return FixedText(value, 2); }

std::string Colour(Rgb c) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text = "#";
  for (const std::uint8_t part : {c.r, c.g, c.b}) {
    text += kHex[part >> 4];
    text += kHex[part & 15];
  }
  return text;
}

std::string Escaped(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

std::string Stroke(Rgb colour, int width, const char* cap, LineStyle style = LineStyle::kSolid) {
  std::string dashes;
  for (const double length : DashPattern(style)) dashes += (dashes.empty() ? "" : " ") + Number(length * width);
  if (!dashes.empty()) return Stroke(colour, width, "butt") + " stroke-dasharray=\"" + dashes + "\"";
  return " stroke=\"" + Colour(colour) + "\" stroke-width=\"" + std::to_string(width) + "\" stroke-linecap=\"" +
         cap + "\"";
}

}  // namespace

SvgSurface::SvgSurface(const UserScale& scale, int pixelWidth, int pixelHeight, SvgFont font)
    : scale_(scale), pixelWidth_(pixelWidth), pixelHeight_(pixelHeight), font_(std::move(font)) {}

SvgSurface::Point SvgSurface::At(float x, float y) const {
  const PixelPoint p = UserToPixel(scale_, pixelWidth_, pixelHeight_, x, y);
  return {p.x, p.y};
}

// A remembered curve is the last run of lines drawn before it was remembered; the
// drawing procedures remember it before they draw anything else but boxes.
void SvgSurface::MarkRememberedCurves() {
  for (auto e = elements_.rbegin(); e != elements_.rend() && curvesMarked_ < curves_.Count(); ++e) {
    if (!e->run.empty() && !e->curve) {
      e->curve = true;
      ++curvesMarked_;
    }
  }
  curvesMarked_ = curves_.Count();
}

void SvgSurface::Add(std::string svg) {
  MarkRememberedCurves();
  elements_.push_back({std::move(svg), {}, false});
}

void SvgSurface::AddSegment(Point from, Point to, Rgb colour) {
  MarkRememberedCurves();
  const Segment segment{from, to, colour, width_, style_};
  Element* last = elements_.empty() ? nullptr : &elements_.back();
  const bool continues = last != nullptr && !last->run.empty() && !last->curve &&
                         last->run.back().colour == colour && last->run.back().width == width_ &&
                         last->run.back().style == style_;
  if (continues) {
    last->run.push_back(segment);
  } else {
    elements_.push_back({{}, {segment}, false});
  }
}

void SvgSurface::Cls() {
  elements_.clear();
  curves_.Forget();
  curvesMarked_ = 0;
  current_ = {0.0, 0.0};
  textColour_ = kBlack;
  style_ = LineStyle::kSolid;
}

void SvgSurface::Line(float x1, float y1, float x2, float y2, Rgb colour) {
  AddSegment(At(x1, y1), At(x2, y2), colour);
  current_ = At(x2, y2);
}

void SvgSurface::LineTo(float x2, float y2, Rgb colour) {
  AddSegment(current_, At(x2, y2), colour);
  current_ = At(x2, y2);
}

std::string SvgSurface::Rectangle(float x1, float y1, float x2, float y2, const std::string& paint) const {
  const Point a = At(x1, y1), b = At(x2, y2);
  return "<rect x=\"" + Number(std::min(a.x, b.x)) + "\" y=\"" + Number(std::min(a.y, b.y)) + "\" width=\"" +
         Number(std::fabs(b.x - a.x)) + "\" height=\"" + Number(std::fabs(b.y - a.y)) + "\"" + paint + "/>";
}

void SvgSurface::Box(float x1, float y1, float x2, float y2, Rgb colour) {
  Add(Rectangle(x1, y1, x2, y2, " fill=\"none\"" + Stroke(colour, width_, "square")));
}

void SvgSurface::FillBox(float x1, float y1, float x2, float y2, Rgb colour) {
  Add(Rectangle(x1, y1, x2, y2, " fill=\"" + Colour(colour) + "\""));
}

void SvgSurface::PSet(float x, float y, Rgb colour) {
  current_ = At(x, y);
  const double half = width_ / 2.0;
  Add("<rect x=\"" + Number(current_.x - half) + "\" y=\"" + Number(current_.y - half) + "\" width=\"" +
      std::to_string(width_) + "\" height=\"" + std::to_string(width_) + "\" fill=\"" + Colour(colour) + "\"/>");
}

void SvgSurface::Print(float x, float y, const std::string& utf8Text) {
  const Point at = At(x, y);
  const double size = font_.pixels * textScale_;
  const std::string baseline = Number(at.y + kAscentPerSize * size);
  const std::string place = font_.stretch == 1.0 ? "x=\"" + Number(at.x) + "\" y=\"" + baseline + "\""
                                                 : "transform=\"matrix(" + Number(font_.stretch) + " 0 0 1 " +
                                                       Number(at.x) + " " + baseline + ")\"";
  Add("<text " + place + " font-size=\"" + Number(size) + "\"" + (textColour_ == kBlack ? "" : " fill=\"" + Colour(textColour_) + "\"") + ">" +
      Escaped(utf8Text) + "</text>");
}

CurveMemory& SvgSurface::Curves() {
  MarkRememberedCurves();
  return curves_;
}

std::string SvgSurface::LinesSvg(const Element& element) const {
  std::string lines;
  for (const Segment& s : element.run) {
    lines += "<line x1=\"" + Number(s.from.x) + "\" y1=\"" + Number(s.from.y) + "\" x2=\"" + Number(s.to.x) +
             "\" y2=\"" + Number(s.to.y) + "\"" + Stroke(s.colour, s.width, "square", s.style) + "/>";
  }
  return lines;
}

// A curve drawn in one stroke is a polyline; one drawn in pieces (dashed) a path
// with a move wherever a piece does not start where the last one ended.
std::string SvgSurface::CurveSvg(const Element& element) const {
  const auto pixel = [](Point p) { return Number(p.x) + "," + Number(p.y); };
  const auto joins = [&](std::size_t i) {
    return element.run[i - 1].to.x == element.run[i].from.x && element.run[i - 1].to.y == element.run[i].from.y;
  };
  bool joined = true;
  for (std::size_t i = 1; i < element.run.size(); ++i) joined = joined && joins(i);
  std::string points = joined ? pixel(element.run.front().from) : "";
  for (std::size_t i = 0; i < element.run.size(); ++i) {
    if (!joined && (i == 0 || !joins(i))) points += (i > 0 ? " M" : "M") + pixel(element.run[i].from);
    points += (joined ? " " : " L") + pixel(element.run[i].to);
  }
  const Segment& first = element.run.front();
  const std::string paint =
      "\" fill=\"none\"" + Stroke(first.colour, first.width, "round", first.style) + " stroke-linejoin=\"round\"/>";
  return (joined ? "<polyline points=\"" : "<path d=\"") + points + paint;
}

std::string SvgSurface::ElementSvg(const Element& element, bool curve) const {
  if (element.run.empty()) return element.svg;
  return curve ? CurveSvg(element) : LinesSvg(element);
}

std::string SvgSurface::Elements() const {
  // Curves remembered since the last drawing call are the last unmarked runs.
  std::size_t pending = curves_.Count() - curvesMarked_;
  std::vector<bool> curve(elements_.size());
  for (std::size_t i = elements_.size(); i-- > 0;) {
    curve[i] = elements_[i].curve || (pending > 0 && !elements_[i].run.empty());
    if (!elements_[i].curve && curve[i]) --pending;
  }
  std::string svg;
  for (std::size_t i = 0; i < elements_.size(); ++i) svg += ElementSvg(elements_[i], curve[i]) + "\n";
  return svg;
}

std::string SvgSurface::Picture(const SvgAside& aside) const {
  const std::string w = std::to_string(std::max(pixelWidth_, aside.width));
  const std::string h = std::to_string(std::max(pixelHeight_, aside.height));
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w +
         " " + h + "\" font-family=\"" + Escaped(font_.family) + "\"" + (font_.bold ? " font-weight=\"bold\"" : "") +
         ">\n<rect width=\"" + w + "\" height=\"" + h + "\" fill=\"#ffffff\"/>\n" + Elements() + aside.svg + "</svg>\n";
}

std::string SvgSurface::Document(const SvgAside& aside) const {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + Picture(aside);
}

}  // namespace tervolin
