// Whether text may name a new material: it becomes a file name in XFS_Data and a
// line of the calculation screen's list.
#pragma once

#include <optional>
#include <string>

namespace tervolin::tables {

// Longest name in bytes: with ".xfs" and the temporary file's additions (a leading
// dot, the process number, a serial number, ".tmp") it stays within the 255 bytes a
// file name may have on common file systems.
inline constexpr std::size_t kLongestMaterialName = 200;

// Why the name is refused, or nothing when it is a safe file name and list entry:
// not empty, not "." or "..", no "/", "\", control character or NUL, no leading
// "-", UTF-8 text of at most kLongestMaterialName bytes, no format character
// (bidirectional controls, zero-width characters: entries that look like others)
// and not only blank space.
std::optional<std::string> UnsafeNameReason(const std::string& name);

}  // namespace tervolin::tables
