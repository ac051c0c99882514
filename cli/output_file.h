#pragma once
// Where the output goes: standard output, or a file written whole or not at all.

#include <filesystem>
#include <string_view>

namespace tervolin::cli {

// Replaces the file's contents through ReplaceFileContents (data/file_replacement.h):
// the file is either the complete new text or as it was, no temporary file stays; a
// folder, device, named pipe, socket or read-only file is refused, a symbolic link
// written through. Throws RunFailure naming the file and the reason.
void WriteFileSafely(const std::filesystem::path& file, std::string_view text);

// Writes the text to standard output; throws RunFailure when it cannot be written.
void WriteStandardOutput(std::string_view text);

}  // namespace tervolin::cli
