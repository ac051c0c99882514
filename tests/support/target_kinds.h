#pragma once
// One row of a writer's table-driven test: a target of a kind in a fresh folder, then
// what the writer left of it. The full disk is a small tmpfs where the test may mount
// one (as the superuser); elsewhere injectFailure() says the test makes the write fail.
// FlushFails is a regular file whose writer's final flush to the disk the test makes fail.

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace tervolin::testing {

inline constexpr uid_t kOtherUser = 4242;  // no one's on a test machine

enum class TargetKind {
  Regular, Missing, ReadOnly, Symlink, Fifo, Device, Folder, FullDisk, FlushFails, ProtectedLink, DanglingLink
};

inline std::string Content(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Type and permission bits, links not followed; 0 when missing.
inline mode_t ModeOf(const std::filesystem::path& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0 ? status.st_mode : 0;
}

// Temporary files included, the full disk's filler left out.
inline std::set<std::string> Names(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
  names.erase(".filler");
  return names;
}

// Regular and full disk: a file of mode 0640 holding "previous"; read-only: 0444;
// symlink: a link to "<name>.real" (0640); device: a node as /dev/null is, or a
// link to /dev/null where mknod is not allowed; protected link: a link to
// "<name>.real" owned by another user in a sticky folder anyone may write (only the
// superuser can give it away; elsewhere it stays the user's and is a plain Symlink);
// dangling link: a link to the missing "<name>.missing". Set up the rest, then Ready().
class TargetCase {
 public:
  TargetCase(TargetKind kind, const std::filesystem::path& relative) : kind_(kind) {
    std::string pattern = (std::filesystem::temp_directory_path() / "tervolin-target-XXXXXX").string();
    folder_ = ::mkdtemp(pattern.data());
    mounted_ = kind == TargetKind::FullDisk && ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=128k") == 0;
    target_ = folder_ / relative;
    std::filesystem::create_directories(target_.parent_path());
    const auto file = [](const std::filesystem::path& at, mode_t mode) {
      std::ofstream(at) << "previous";
      ::chmod(at.c_str(), mode);
      return at;
    };
    if (kind == TargetKind::Regular || kind == TargetKind::FullDisk || kind == TargetKind::FlushFails) {
      contents_ = file(target_, 0640);
    }
    if (kind == TargetKind::Missing) contents_ = target_;
    if (kind == TargetKind::ReadOnly) contents_ = file(target_, 0444);
    if (kind == TargetKind::Symlink) std::filesystem::create_symlink((contents_ = file(target_.string() + ".real", 0640)).filename(), target_);
    if (kind == TargetKind::Fifo) ::mkfifo(target_.c_str(), 0644);
    if (kind == TargetKind::Device && ::mknod(target_.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
      std::filesystem::create_symlink("/dev/null", target_);
    }
    if (kind == TargetKind::Folder) std::filesystem::create_directory(target_);
    if (kind == TargetKind::DanglingLink) std::filesystem::create_symlink(target_.filename().string() + ".missing", target_);
    if (kind == TargetKind::ProtectedLink) {
      std::filesystem::create_symlink((contents_ = file(target_.string() + ".real", 0640)).filename(), target_);
      ::chmod(target_.parent_path().c_str(), 01777);
      if (::lchown(target_.c_str(), kOtherUser, kOtherUser) != 0) kind_ = TargetKind::Symlink;
    }
  }
  ~TargetCase() {
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    std::filesystem::remove_all(folder_);
  }

  const std::filesystem::path& folder() const { return folder_; }
  const std::filesystem::path& target() const { return target_; }
  bool injectFailure() const { return kind_ == TargetKind::FullDisk && !mounted_; }
  // The kind made: a protected link stays the user's own where it cannot be given away.
  TargetKind kind() const { return kind_; }

  // Notes what is there, then fills the tmpfs but for `freePages` pages of 4 KiB.
  void Ready(int freePages = 0) {
    names_ = Names(target_.parent_path());
    type_ = ModeOf(target_) & S_IFMT;
    mode_ = ModeOf(contents_);
    const int fd = mounted_ ? ::open((folder_ / ".filler").c_str(), O_WRONLY | O_CREAT, 0600) : -1;
    for (const std::string block(4096, 'x'); fd >= 0 && ::write(fd, block.data(), block.size()) > 0;) continue;
    if (fd >= 0) ::ftruncate(fd, std::max<off_t>(0, ::lseek(fd, 0, SEEK_END) - 4096 * freePages));
    if (fd >= 0) ::close(fd);
  }

  // What differs from a write that put `text` in place (`written`) or one that left
  // everything as it was; empty when nothing.
  std::string Mismatch(bool written, const std::string& text) const {
    const bool created = written && kind_ == TargetKind::Missing;
    std::set<std::string> names = names_;
    if (created) names.insert(target_.filename().string());
    const mode_t mask = ::umask(0);
    ::umask(mask);
    std::string wrong = Names(target_.parent_path()) != names ? "other names in the folder; " : "";
    if ((ModeOf(target_) & S_IFMT) != (created ? S_IFREG : type_)) wrong += "the target's type changed; ";
    if (contents_.empty() || (!written && kind_ == TargetKind::Missing)) return wrong;
    if (Content(contents_) != (written ? text : "previous")) wrong += written ? "not the new text; " : "old text lost; ";
    if (ModeOf(contents_) != (created ? S_IFREG | (0666 & ~mask) : mode_)) wrong += "mode changed; ";
    return wrong;
  }

 private:
  TargetKind kind_;
  std::filesystem::path folder_, target_, contents_;
  bool mounted_ = false;
  std::set<std::string> names_;
  mode_t type_ = 0, mode_ = 0;
};

// For a program the test starts where no tmpfs may be mounted: files may not grow
// beyond `bytes` (RLIM_INFINITY: as far as before), a write beyond fails with EFBIG.
inline void LimitFileSize(rlim_t bytes) {
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = bytes == RLIM_INFINITY ? limit.rlim_max : bytes;
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

}  // namespace tervolin::testing
