#pragma once
// The desktop program's data folder: the working directory it was started in, which
// holds Mus2018.dat, MuenAir.dat and XFS_Data and receives P_Spectrum.dat. The
// program never changes its working directory; every reader and writer is given
// this folder.

#include <filesystem>
#include <system_error>

namespace tervolin::ui {

inline std::filesystem::path DataFolder() {
  std::error_code error;
  std::filesystem::path folder = std::filesystem::current_path(error);
  return error ? std::filesystem::path(".") : folder;
}

}  // namespace tervolin::ui
