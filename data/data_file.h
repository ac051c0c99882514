#pragma once
// The bytes of a data file, read only when the name leads to a regular file (through
// links too) of a size no table comes near. The file is opened without waiting and
// its kind checked on the open descriptor, so a folder, a device or a named pipe is
// refused before a byte is read, even one swapped in just before the open: nothing
// waits for a writer or reads without end.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "data/file_system_calls.h"

namespace tervolin {

// Why a data file could not be read.
enum class ReadProblem {
  CannotOpen,      // missing or unreadable file
  IsFolder,        // the name is a folder's
  NotRegularFile,  // a device, a named pipe, a socket
  TooLarge,        // a file larger than any table (kLargestDataFile)
  NotANumber,      // an item that is not a decimal number (an empty item included)
  OutOfRange,      // a number too large for a double
  TooLong,         // an item longer than kLongestItem characters, longer than any number
  EndedEarly,      // fewer items than the table needs
  BadRecord,       // all items read, but a record breaks what the calculation relies on
  HalfReplaced,    // one of a pair of tables that an interrupted writer left half replaced
  BadMolarMass,    // a line after a .xfs table's records that begins with a number but
                   // is not one molar mass in range alone on its line
};

// 16 MiB: the largest table the program reads is about 150 kB.
inline constexpr std::size_t kLargestDataFile = std::size_t{16} << 20;

struct DataFileBytes {
  std::string bytes;                   // the whole file when problem is empty
  std::optional<ReadProblem> problem;  // CannotOpen, IsFolder, NotRegularFile or TooLarge
};

[[nodiscard]] DataFileBytes ReadDataFileBytes(const std::filesystem::path& path, const FileSystemCalls& calls = {});

}  // namespace tervolin
