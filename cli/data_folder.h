#pragma once
// The folder whose Mus2018.dat and XFS_Data the calculations read.

#include <filesystem>
#include <string>

namespace tervolin::cli {

// --data when given, else $TERVOLIN_DATA when set, else the working directory when it
// holds Mus2018.dat, else the installed data (share/tervolin beside the program's
// bin folder). Throws RunFailure when none of them applies.
std::filesystem::path FindDataFolder(const std::string* dataOption);

// The folder, when it is one the data readers can be given; throws RunFailure naming
// it and the reason otherwise.
std::filesystem::path UsableDataFolder(const std::filesystem::path& folder);

}  // namespace tervolin::cli
