#pragma once
// A fresh temporary folder for one test, removed with everything in it afterwards.

#include <filesystem>
#include <fstream>
#include <string>

#include <stdlib.h>

namespace tervolin::testing {

class ScratchDirectory {
 public:
  ScratchDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tervolin-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }

  void Write(const std::filesystem::path& relative, const std::string& content) const {
    std::filesystem::create_directories((path_ / relative).parent_path());
    std::ofstream(path_ / relative, std::ios::binary) << content;
  }

 private:
  std::filesystem::path path_;
};

// For tests of the desktop program, whose data folder is the working directory it
// starts in: a scratch folder that is the test's working directory while it lives.
class ScratchWorkingDirectory : public ScratchDirectory {
 public:
  ScratchWorkingDirectory() : previous_(std::filesystem::current_path()) { std::filesystem::current_path(path()); }
  ~ScratchWorkingDirectory() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

}  // namespace tervolin::testing
