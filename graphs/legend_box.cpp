#include "graphs/legend_box.h"

#include <algorithm>
#include <string_view>

namespace tervolin {

namespace {

inline constexpr double kPadding = 5;        // between the box's edge and its rows
inline constexpr double kSampleLength = 26;  // the short line: the longest pattern and a dash
inline constexpr double kGap = 6;            // between the line and the title
inline constexpr double kNoteGap = 12;       // between the title and the note columns
inline constexpr Rgb kEdgeGrey{128, 128, 128};
inline constexpr int kSampleWidth = 2;       // as the curves are drawn
// The narrowest a title's column becomes, in lines of text: two characters.
inline constexpr double kNarrowestTitle = 2;
inline constexpr std::string_view kEllipsis = "…";

// The thin dashes of a free-electron curve or a sum: three of them, as on the graph.
void DrawDashedSample(DrawingSurface& surface, double left, double y, Rgb colour) {
  for (int dash = 0; dash < 3; ++dash) {
    const auto x = static_cast<float>(left + dash * kSampleLength / 2.5);
    surface.Line(x, static_cast<float>(y), x + static_cast<float>(kSampleLength / 5), static_cast<float>(y), colour);
  }
}

void DrawSample(DrawingSurface& surface, const LegendRow& row, double left, double y) {
  surface.DrawWidth(kSampleWidth);
  if (row.style == LineStyle::kDashed) {
    DrawDashedSample(surface, left, y, row.colour);
    return;
  }
  surface.StrokeStyle(row.style);
  surface.Line(static_cast<float>(left), static_cast<float>(y), static_cast<float>(left + kSampleLength),
               static_cast<float>(y), row.colour);
  surface.StrokeStyle(LineStyle::kSolid);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines{{}};
  for (const char c : text) {
    if (c == '\n') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

std::size_t LineCount(const LegendRow& row) { return Lines(row.title).size(); }

// Draws one row; returns how many lines of text it took.
std::size_t DrawRow(DrawingSurface& surface, const LegendRow& row, const LegendMeasures& m, PixelPoint topLeft) {
  DrawSample(surface, row, topLeft.x, topLeft.y + m.rowHeight / 2);
  const double titleLeft = topLeft.x + kSampleLength + kGap;
  const std::vector<std::string> lines = Lines(row.title);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    surface.Print(static_cast<float>(titleLeft), static_cast<float>(topLeft.y + m.rowHeight * double(i)), lines[i]);
  }
  if (!row.note.empty()) {
    surface.Print(static_cast<float>(titleLeft + m.titleWidth + kNoteGap), static_cast<float>(topLeft.y), row.note);
  }
  return lines.size();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The text in pieces that a line may end after: a blank or "・" ends its piece, but
// not the blank between a number and its unit ("60 keV").
std::vector<std::string> BreakPieces(const std::string& text) {
  std::vector<std::string> pieces{{}};
  for (std::size_t at = 0; at < text.size(); ++at) {
    pieces.back() += text[at];
    const bool unitFollows = at > 0 && at + 1 < text.size() && IsDigit(text[at - 1]) && IsLetter(text[at + 1]);
    const bool breaks = (pieces.back().ends_with(' ') && !unitFollows) || pieces.back().ends_with("・");
    if (breaks && at + 1 < text.size()) pieces.emplace_back();
  }
  return pieces;
}

// The piece cut short, whole characters, so that it and "…" take at most `room`.
std::string Shortened(std::string piece, const TextMeasures& font, double room) {
  while (!piece.empty() && font.width(piece + std::string(kEllipsis)) > room) {
    while (!piece.empty() && (static_cast<unsigned char>(piece.back()) & 0xC0) == 0x80) piece.pop_back();
    if (!piece.empty()) piece.pop_back();  // the character's first byte
  }
  return piece + std::string(kEllipsis);
}

std::string WithoutTrailingBlank(std::string line) {
  while (line.ends_with(' ')) line.pop_back();
  return line;
}

// The title broken into lines of at most `room` pixels.
std::string Wrapped(const std::string& title, const TextMeasures& font, double room) {
  if (font.width(title) <= room) return title;
  std::vector<std::string> lines{{}};
  for (std::string piece : BreakPieces(title)) {
    if (!lines.back().empty() && font.width(WithoutTrailingBlank(lines.back() + piece)) > room) lines.emplace_back();
    if (font.width(WithoutTrailingBlank(piece)) > room) piece = Shortened(WithoutTrailingBlank(piece), font, room);
    lines.back() += piece;
  }
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + WithoutTrailingBlank(line);
  return text;
}

}  // namespace

LegendMeasures MeasureLegendRows(const std::vector<LegendRow>& rows, const TextMeasures& font) {
  LegendMeasures measures{font.height, 0, 0};
  for (const LegendRow& row : rows) {
    for (const std::string& line : Lines(row.title)) measures.titleWidth = std::max(measures.titleWidth, font.width(line));
    if (!row.note.empty()) measures.noteWidth = std::max(measures.noteWidth, font.width(row.note));
  }
  return measures;
}

LegendSize LegendBoxSize(const LegendMeasures& m, const std::vector<LegendRow>& rows) {
  const double notes = m.noteWidth > 0 ? kNoteGap + m.noteWidth : 0;
  std::size_t lines = 0;
  for (const LegendRow& row : rows) lines += LineCount(row);
  return {2 * kPadding + kSampleLength + kGap + m.titleWidth + notes, 2 * kPadding + m.rowHeight * double(lines)};
}

std::vector<LegendRow> FitLegendRows(const std::vector<LegendRow>& rows, const TextMeasures& font, double maxWidth) {
  const LegendMeasures whole = MeasureLegendRows(rows, font);
  const double notes = whole.noteWidth > 0 ? kNoteGap + whole.noteWidth : 0;
  const double room = std::max(maxWidth - 2 * kPadding - kSampleLength - kGap - notes, kNarrowestTitle * font.height);
  std::vector<LegendRow> fitted = rows;
  for (LegendRow& row : fitted) row.title = Wrapped(row.title, font, room);
  return fitted;
}

void DrawLegendBox(DrawingSurface& surface, const std::vector<LegendRow>& rows, const LegendMeasures& measures,
                   PixelPoint topLeft) {
  if (rows.empty()) return;
  const LegendSize size = LegendBoxSize(measures, rows);
  const auto left = static_cast<float>(topLeft.x), top = static_cast<float>(topLeft.y);
  const auto right = static_cast<float>(topLeft.x + size.width), bottom = static_cast<float>(topLeft.y + size.height);
  surface.FillBox(left, top, right, bottom, kWhite);
  surface.DrawWidth(1);
  surface.Box(left, top, right, bottom, kEdgeGrey);
  surface.TextColour(kBlack);
  double y = topLeft.y + kPadding;
  for (const LegendRow& row : rows) {
    y += measures.rowHeight * double(DrawRow(surface, row, measures, {topLeft.x + kPadding, y}));
  }
  surface.DrawWidth(1);
}

}  // namespace tervolin
