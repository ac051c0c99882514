// Writing the program's numeric data files: one record a line, the numbers
// of a record separated by ", ", each in exponent form with nine significant
// digits and "." as the decimal point.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tervolin::tables {

using Record = std::vector<double>;

// One line, with its line end, e.g. "5.00000000E-01, 1.23456789E+02\n".
std::string FormatRecord(const Record& record);

// Writes the records to path, replacing the file; throws a TableError if the
// file cannot be written.
void WriteRecords(const std::filesystem::path& path, const std::vector<Record>& records);

// Puts text in place of the file at path by way of a temporary file in the same
// folder, so the file is never left half written; throws a TableError on failure.
void WriteFileSafely(const std::filesystem::path& path, const std::string& text);

// The path as UTF-8 text, for messages.
std::string DisplayName(const std::filesystem::path& path);

}  // namespace tervolin::tables
