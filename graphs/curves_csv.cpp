#include "graphs/curves_csv.h"

#include <string_view>

#include "core/text_catalogue.h"
#include "core/spreadsheet_cell.h"

namespace tervolin {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

// A field as it must stand in the table: kept from being read as a formula, then
// quoted, with its quotes doubled, when it holds a comma, a quote or a line break.
std::string Field(const std::string& cell) {
  const std::string text = FormulaSafeCell(cell);
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + '"';
}

std::string HeaderRow(const CurveAxis& axis, const std::vector<CurveRecord>& curves, const LabelWording& wording) {
  std::string row = Field(TextOf(axis.heading, wording.language));
  for (std::size_t i = 0; i < curves.size(); ++i) row += ',' + Field(CurveTitle(curves, i, wording));
  return row;
}

// A curve shorter than the axis leaves its cells empty.
std::string ValueRow(const CurveAxis& axis, int index, const std::vector<CurveRecord>& curves) {
  std::string row = ShortestText(AbscissaAt(axis, index));
  for (const CurveRecord& curve : curves) {
    row += ',';
    if (static_cast<std::size_t>(index) < curve.values.size()) row += ShortestText(curve.values[index]);
  }
  return row;
}

}  // namespace

std::string CurvesCsv(const CurveAxis& axis, const std::vector<CurveRecord>& curves, const LabelWording& wording) {
  std::string csv(kByteOrderMark);
  csv += HeaderRow(axis, curves, wording);
  csv += kLineEnd;
  for (int i = 0; i < axis.points; ++i) {
    csv += ValueRow(axis, i, curves);
    csv += kLineEnd;
  }
  return csv;
}

}  // namespace tervolin
