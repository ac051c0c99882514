#pragma once
// The bytes of a data file, read only when the name leads to a regular file (through
// links too) of a size no table comes near; a folder, a device or a named pipe is
// refused before it is opened, so nothing waits for a writer or reads without end.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "data/item_reader.h"

namespace tervolin {

// 16 MiB: the largest table the program reads is about 150 kB.
inline constexpr std::size_t kLargestDataFile = std::size_t{16} << 20;

struct DataFileBytes {
  std::string bytes;                   // the whole file when problem is empty
  std::optional<ReadProblem> problem;  // CannotOpen, IsFolder, NotRegularFile or TooLarge
};

[[nodiscard]] DataFileBytes ReadDataFileBytes(const std::filesystem::path& path);

}  // namespace tervolin
