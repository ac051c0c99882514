#include "record_file.h"

#include "xrl_call.h"

#include <cstdio>

#include "core/language.h"
#include "data/replacement_messages.h"

namespace tervolin::tables {

// Formats with the C library; main sets the "C" locale at start-up so
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

std::string RecordsText(const std::vector<Record>& records) {
  std::string text;
  for (const Record& record : records)
    text += FormatRecord(record);
  return text;
}

void WriteRecords(const std::filesystem::path& path, const std::vector<Record>& records) {
  WriteFileSafely(path, RecordsText(records));
}

// Through a temporary file beside it and a rename: a reader sees the old file or the
// whole new one, never a part.
void WriteFileSafely(const std::filesystem::path& path, const std::string& text) {
  if (const auto failure = ReplaceFileContents(path, text))
    throw TableError(
        DescribeReplacementFailureOnCommandLine(DisplayName(path), *failure, TerminalLanguageOfProcessEnvironment()));
}

void WriteFilesTogether(std::span<const FileText> files) {
  if (const auto failure = ReplaceFilesTogether(files))
    throw TableError(DescribeReplacementFailureOnCommandLine(DisplayName(failure->file), failure->failure,
                                                           TerminalLanguageOfProcessEnvironment()));
}

std::string DisplayName(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace tervolin::tables
