#include "record_file.h"

#include "xrl_call.h"

#include <cstdio>
#include <fstream>

namespace tervolin::tables {

// Formats with the C library; make_tables sets the "C" locale at start-up so
// that the decimal point is "." on every system.
std::string FormatRecord(const Record& record) {
  std::string line;
  char number[32];
  for (const double value : record) {
    std::snprintf(number, sizeof number, "%.8E", value);
    line += line.empty() ? "" : ", ";
    line += number;
  }
  return line + '\n';
}

void WriteRecords(const std::filesystem::path& path, const std::vector<Record>& records) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const Record& record : records)
    out << FormatRecord(record);
  out.close();
  if (!out) throw TableError("cannot write " + DisplayName(path));
}

std::string DisplayName(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace tervolin::tables
