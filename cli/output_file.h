#pragma once
// Where the output goes: standard output, or a file written whole or not at all.

#include <filesystem>
#include <string_view>

namespace tervolin::cli {

// Writes the text to a temporary file in the file's folder and renames it over the
// file, so the file is either the complete new text or as it was; on a failure the
// temporary file is removed. Throws RunFailure naming the file and the reason.
void WriteFileSafely(const std::filesystem::path& file, std::string_view text);

// Writes the text to standard output; throws RunFailure when it cannot be written.
void WriteStandardOutput(std::string_view text);

}  // namespace tervolin::cli
