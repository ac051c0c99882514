#pragma once
// Replacing a file's contents safely: the text goes to a new temporary file in the
// same folder, is flushed to the disk, and a rename then puts it in the file's
// place, so a reader sees the old file or the whole new one, never a part. The one
// place where the program needs calls of the operating system beyond the standard
// library (exclusive creation, fsync).

#include <filesystem>
#include <optional>
#include <string_view>

namespace tervolin {

struct FileReplacementFailure {
  enum Step { Create, Write, Replace } step;  // the temporary file's creation, its
                                             // writing, or the rename over the file
  int error;                                 // the errno value that says why
};

// On a failure the temporary file is removed and the file is as it was.
[[nodiscard]] std::optional<FileReplacementFailure> ReplaceFileContents(const std::filesystem::path& file,
                                                                        std::string_view text);

// Whether the file exists and is the user's to change: writing must be granted, and
// the file must not be marked read-only for everyone (which the superuser's access
// check overlooks). 0, or the error number that says why not.
int WriteRefusal(const std::filesystem::path& file);

// Writes the whole text to a descriptor; false with errno set on failure.
bool WriteAllTo(int fd, std::string_view text);

}  // namespace tervolin
