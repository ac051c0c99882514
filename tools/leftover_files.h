// What an interrupted replacement of files (data/file_replacement.h) leaves beside
// them: ".<name>.<pid>.<serial>.tmp", the new text not yet renamed into place, and
// ".<name>.<pid>.<serial>.old", the replaced file's second name kept until all of a
// pair are in place.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tervolin::tables {

struct Leftover {
  std::filesystem::path path;  // the leftover file
  std::string target;          // the name of the file it belongs to, in the same folder
  long process = 0;            // the process that wrote it
  bool backup = false;         // ".old"; else ".tmp"
};

// The leftover that the file at `path` is, or nothing when its name is not one.
std::optional<Leftover> LeftoverOf(const std::filesystem::path& path);

// Puts right what interrupted replacements left in the folder, by a process no longer
// running, a pair (a material's .xfs and .csv) as one. While a .tmp of a pair is left,
// not all its files were renamed: each one replaced goes back to its .old, so the pair
// is the old pair. Without one, all were renamed and the .old files go. Every other
// leftover is removed. Returns one line for each file put back or removed; throws a
// TableError when a file cannot be.
std::vector<std::string> RepairLeftovers(const std::filesystem::path& folder);

}  // namespace tervolin::tables
