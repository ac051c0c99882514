#include "graphs/svg_surface.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "graphs/line_styles.h"
#include "graphs/text_measures.h"

namespace tervolin {

namespace {

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

struct Point {
  double x, y;  // logical pixels
};

// The SVG elements of a display list, built by going through its operations.
class SvgWriter {
 public:
  SvgWriter(const UserScale& scale, int pixelWidth, int pixelHeight, const SvgFont& font)
      : scale_(scale), pixelWidth_(pixelWidth), pixelHeight_(pixelHeight), font_(font) {}

  void Take(const DrawingOperation& op);
  // An operation drawn elsewhere already: only the state it sets counts.
  void Skip(const DrawingOperation& op);
  // The elements, one per line.
  std::string Elements() const;

 private:
  // One straight piece drawn by Line or LineTo.
  struct Segment {
    Point from, to;
    Rgb colour;
    int width;
    LineStyle style;
  };
  // Drawn elements in order: finished SVG text, or a run of segments of one colour,
  // which is one curve's line when `curve`.
  struct Element {
    std::string svg;
    std::vector<Segment> run;
    bool curve = false;
  };

  Point At(float x, float y) const;
  void Add(std::string svg) { elements_.push_back({std::move(svg), {}, false}); }
  void AddSegment(Point from, Point to, Rgb colour);
  void Draw(const DrawingOperation& op);
  void Print(const DrawingOperation& op);
  std::string Rectangle(const DrawingOperation& op, const std::string& paint) const;
  std::string LinesSvg(const Element& element) const;
  std::string CurveSvg(const Element& element) const;

  UserScale scale_;
  int pixelWidth_, pixelHeight_;
  const SvgFont& font_;
  DrawingState state_;
  std::vector<Element> elements_;
  bool inCurve_ = false;      // between a curve's begin and end
  bool curveStarted_ = false;  // and its line begun
};

Point SvgWriter::At(float x, float y) const {
  const PixelPoint p = UserToPixel(scale_, pixelWidth_, pixelHeight_, x, y);
  return {p.x, p.y};
}

// A curve's segments are one element; other segments of one colour, width and style
// drawn one after the other are one element of lines.
void SvgWriter::AddSegment(Point from, Point to, Rgb colour) {
  const Segment segment{from, to, colour, state_.width, state_.style};
  Element* last = elements_.empty() ? nullptr : &elements_.back();
  const bool continuesCurve = inCurve_ && curveStarted_;
  const bool continuesLines = !inCurve_ && last != nullptr && !last->run.empty() && !last->curve &&
                              last->run.back().colour == colour && last->run.back().width == state_.width &&
                              last->run.back().style == state_.style;
  if (continuesCurve || continuesLines) {
    last->run.push_back(segment);
  } else {
    elements_.push_back({{}, {segment}, inCurve_});
    curveStarted_ = inCurve_;
  }
}

void SvgWriter::Take(const DrawingOperation& op) {
  if (op.kind == DrawingKind::kCls) elements_.clear();
  if (!state_.Take(op)) Draw(op);
}

void SvgWriter::Skip(const DrawingOperation& op) {
  state_.Take(op);
  if (op.kind == DrawingKind::kBeginCurve || op.kind == DrawingKind::kEndCurve) Draw(op);
}

std::string SvgWriter::Rectangle(const DrawingOperation& op, const std::string& paint) const {
  const Point a = At(op.x1, op.y1), b = At(op.x2, op.y2);
  return "<rect x=\"" + Number(std::min(a.x, b.x)) + "\" y=\"" + Number(std::min(a.y, b.y)) + "\" width=\"" +
         Number(std::fabs(b.x - a.x)) + "\" height=\"" + Number(std::fabs(b.y - a.y)) + "\"" + paint + "/>";
}

void SvgWriter::Draw(const DrawingOperation& op) {
  const auto pixel = [this](float x, float y) {
    const Point p = At(x, y);
    return Number(p.x) + "," + Number(p.y);
  };
  switch (op.kind) {
    case DrawingKind::kLine:
    case DrawingKind::kLineTo: AddSegment(At(op.x1, op.y1), At(op.x2, op.y2), op.colour); break;
    case DrawingKind::kBox: Add(Rectangle(op, " fill=\"none\"" + Stroke(op.colour, state_.width, "square"))); break;
    case DrawingKind::kFillBox: Add(Rectangle(op, " fill=\"" + Colour(op.colour) + "\"")); break;
    case DrawingKind::kPSet: {
      const Point at = At(op.x1, op.y1);
      const double half = state_.width / 2.0;
      Add("<rect x=\"" + Number(at.x - half) + "\" y=\"" + Number(at.y - half) + "\" width=\"" +
          std::to_string(state_.width) + "\" height=\"" + std::to_string(state_.width) + "\" fill=\"" + Colour(op.colour) + "\"/>");
      break;
    }
    case DrawingKind::kCircle: {
      const Point centre = At(op.x1, op.y1);
      Add("<circle cx=\"" + Number(centre.x) + "\" cy=\"" + Number(centre.y) + "\" r=\"" +
          Number(At(op.x1 + op.x2, op.y1).x - centre.x) + "\" fill=\"none\"" +
          Stroke(op.colour, state_.width, "butt", state_.style) + "/>");
      break;
    }
    case DrawingKind::kFillTriangle:
      Add("<polygon points=\"" + pixel(op.x1, op.y1) + " " + pixel(op.x2, op.y2) + " " + pixel(op.x3, op.y3) +
          "\" fill=\"" + Colour(op.colour) + "\"/>");
      break;
    case DrawingKind::kPrint: Print(op); break;
    case DrawingKind::kBeginCurve: inCurve_ = true, curveStarted_ = false; break;
    case DrawingKind::kEndCurve: inCurve_ = false; break;
    default: break;
  }
}

// Upright text turns about the start of its top edge: its baseline runs one ascent
// to the right of that point.
void SvgWriter::Print(const DrawingOperation& op) {
  const Point at = At(op.x1, op.y1);
  const double size = font_.pixels * state_.textScale;
  const double ascent = kAscentPerSize * size;
  std::string place;
  if (state_.upright) {
    place = "transform=\"matrix(0 " + Number(-font_.stretch) + " 1 0 " + Number(at.x + ascent) + " " + Number(at.y) + ")\"";
  } else if (font_.stretch == 1.0) {
    place = "x=\"" + Number(at.x) + "\" y=\"" + Number(at.y + ascent) + "\"";
  } else {
    place = "transform=\"matrix(" + Number(font_.stretch) + " 0 0 1 " + Number(at.x) + " " + Number(at.y + ascent) + ")\"";
  }
  Add("<text " + place + " font-size=\"" + Number(size) + "\"" +
      (state_.textColour == kBlack ? "" : " fill=\"" + Colour(state_.textColour) + "\"") + ">" + Escaped(op.text) + "</text>");
}

std::string SvgWriter::LinesSvg(const Element& element) const {
  std::string lines;
  for (const Segment& s : element.run) {
    lines += "<line x1=\"" + Number(s.from.x) + "\" y1=\"" + Number(s.from.y) + "\" x2=\"" + Number(s.to.x) +
             "\" y2=\"" + Number(s.to.y) + "\"" + Stroke(s.colour, s.width, "square", s.style) + "/>";
  }
  return lines;
}

// A curve drawn in one stroke is a polyline; one drawn in pieces (dashed) a path
// with a move wherever a piece does not start where the last one ended.
std::string SvgWriter::CurveSvg(const Element& element) const {
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

std::string SvgWriter::Elements() const {
  std::string svg;
  for (const Element& e : elements_) svg += (e.run.empty() ? e.svg : e.curve ? CurveSvg(e) : LinesSvg(e)) + "\n";
  return svg;
}

}  // namespace

SvgSurface::SvgSurface(const UserScale& scale, int pixelWidth, int pixelHeight, SvgFont font)
    : scale_(scale), pixelWidth_(pixelWidth), pixelHeight_(pixelHeight), font_(std::move(font)) {}

std::string SvgSurface::Elements() const {
  SvgWriter writer(scale_, pixelWidth_, pixelHeight_, font_);
  for (const DrawingOperation& op : Operations()) writer.Take(op);
  return writer.Elements();
}

std::string SvgSurface::ElementsFrom(std::size_t first) const {
  SvgWriter writer(scale_, pixelWidth_, pixelHeight_, font_);
  const DrawingOperations& ops = Operations();
  for (std::size_t i = 0; i < ops.size(); ++i) i < first ? writer.Skip(ops[i]) : writer.Take(ops[i]);
  return writer.Elements();
}

std::string SvgFontAttributes(const SvgFont& font) {
  return " font-family=\"" + Escaped(font.family) + "\"" + (font.bold ? " font-weight=\"bold\"" : "");
}

std::string SvgSurface::Picture(const SvgAside& aside) const {
  const std::string w = std::to_string(std::max(pixelWidth_, aside.width));
  const std::string h = std::to_string(std::max(pixelHeight_, aside.height));
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w +
         " " + h + "\"" + SvgFontAttributes(font_) + ">\n<rect width=\"" + w + "\" height=\"" + h +
         "\" fill=\"#ffffff\"/>\n" + Elements() + aside.svg + "</svg>\n";
}

std::string SvgSurface::Document(const SvgAside& aside) const {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + Picture(aside);
}

}  // namespace tervolin
