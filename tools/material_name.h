// Whether text may name a new material: it becomes a file name in XFS_Data and a
// line of the calculation screen's list.
#pragma once

#include <optional>
#include <string>

namespace tervolin::tables {

// Longest name in bytes. The temporary and backup files of a replacement carry up to
// 100 bytes of the replaced file's name (data/file_replacement.cpp); with ".xfs" a name
// of this length fits whole, so that what an interrupted add left behind tells which
// file of the pair it belongs to.
inline constexpr std::size_t kLongestMaterialName = 96;

// Why the name is refused, or nothing when it is a safe file name and list entry:
// not empty, not "." or "..", no "/", "\", control character or NUL, no leading
// "-", UTF-8 text of at most kLongestMaterialName bytes, no format character
// (bidirectional controls, zero-width characters: entries that look like others) or
// other character that shows nothing (variation selectors, Hangul fillers), no line
// or paragraph separator (which breaks the list's entry), no combining mark first
// (which would join what stands before the name) and no blank space at either end
// ("鉄 " would pass for "鉄").
std::optional<std::string> UnsafeNameReason(const std::string& name);

}  // namespace tervolin::tables
