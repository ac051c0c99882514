// Writing the program's numeric data files: one record a line, the numbers
// of a record separated by ", ", each in exponent form with nine significant
// digits and "." as the decimal point.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "data/file_replacement.h"

namespace tervolin::tables {

using Record = std::vector<double>;

// One line, with its line end, e.g. "5.00000000E-01, 1.23456789E+02\n".
std::string FormatRecord(const Record& record);

// The records' lines, one after the other.
std::string RecordsText(const std::vector<Record>& records);

// Writes the records to path, replacing the file; throws a TableError if the
// file cannot be written.
void WriteRecords(const std::filesystem::path& path, const std::vector<Record>& records);

// Puts text in place of the file at path through ReplaceFileContents
// (data/file_replacement.h), so the file is never left half written; throws a
// TableError naming the file and the reason on failure.
void WriteFileSafely(const std::filesystem::path& path, const std::string& text);

// Several files as one (ReplaceFilesTogether): all new or all as they were; throws a
// TableError naming the file and the reason on failure.
void WriteFilesTogether(std::span<const FileText> files);

// The path as UTF-8 text, for messages.
std::string DisplayName(const std::filesystem::path& path);

}  // namespace tervolin::tables
