#include "cli/table_text.h"

#include "core/spreadsheet_cell.h"

namespace tervolin::cli {

namespace {

std::string CsvField(const std::string& cell) {
  const std::string text = FormulaSafeCell(cell);
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

// A tab or line break inside a tsv field would split it; it becomes a space.
std::string TsvField(const std::string& cell) {
  std::string text = FormulaSafeCell(cell);
  for (char& c : text) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

std::string Line(Format format, const Row& row) {
  std::string line;
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (i > 0) line += format == Format::Tsv ? '\t' : ',';
    line += format == Format::Tsv ? TsvField(row[i]) : CsvField(row[i]);
  }
  return line + "\n";
}

}  // namespace

std::string TableText(Format format, const Row& header, const std::vector<Row>& rows) {
  std::string text = Line(format, header);
  for (const Row& row : rows) text += Line(format, row);
  return text;
}

}  // namespace tervolin::cli
