#pragma once
// What a file name says about the file, and the folders a file dialog may open in.

#include <filesystem>
#include <string>
#include <string_view>

namespace tervolin {

// The extension that names the file's type: the part after the last dot of the last
// path component when it is one to four ASCII letters and digits beginning with a
// letter ("png", "TXT", "jpeg", "mp3"), as written; empty otherwise. A number or a
// value with its unit after a dot is part of the name: "data.2024",
// "干渉性散乱_鉄_2.5keV" and ".profile" have none.
std::string FileTypeExtension(std::string_view fileName);

// Whether a file dialog may open in `folder`: it is a folder, and neither it nor
// where its symbolic links lead lies in /proc, /sys or /dev, whose files (/proc/kmsg)
// never end for a dialog that reads them.
bool IsSafeDialogFolder(const std::filesystem::path& folder);

}  // namespace tervolin
