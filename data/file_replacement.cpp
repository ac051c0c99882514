#include "data/file_replacement.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "data/utf8_text.h"

namespace tervolin {

namespace {

namespace fs = std::filesystem;

using Failure = FileReplacementFailure;

constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};
// As many links as the kernel follows in one path before it gives ELOOP.
constexpr int kMostLinks = 40;
// At most this many bytes of the file's name go into a temporary file's name, which
// so stays within the 255 bytes a name may have.
constexpr std::size_t kNameBytesInTemporaryName = 100;

WriteCall g_writeCall = nullptr;
std::atomic<unsigned> g_serial{0};

// Holds back the ending signals while it lives; then they act as they would have.
class EndingSignalsHeld {
 public:
  EndingSignalsHeld() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : kEndingSignals) sigaddset(&set, signal);
    pthread_sigmask(SIG_BLOCK, &set, &previous_);
  }
  ~EndingSignalsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
  EndingSignalsHeld(const EndingSignalsHeld&) = delete;
  EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

  // Whether one of them arrived meanwhile that was not held back before.
  bool Arrived() const {
    sigset_t pending;
    if (sigpending(&pending) != 0) return false;
    for (int signal : kEndingSignals) {
      if (sigismember(&pending, signal) == 1 && sigismember(&previous_, signal) != 1) return true;
    }
    return false;
  }

 private:
  sigset_t previous_;
};

// A file to replace, as the replacement goes on.
struct Target {
  fs::path real;             // symbolic links followed
  bool exists = false;
  struct stat old {};        // the file replaced, when it exists
  fs::path temporary;        // the new text, until it is renamed
  fs::path backup;           // a second name of the old file while others are renamed
  FileIdentity identity;
};

// The path with its symbolic links followed to what they name; a missing file is
// taken as it is. Nothing, with `error` set, when a link cannot be read or they loop.
std::optional<fs::path> FollowLinks(fs::path path, int& error) {
  for (int links = 0; links <= kMostLinks; ++links) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
      if (errno == ENOENT) return path;
      error = errno;
      return std::nullopt;
    }
    if (!S_ISLNK(status.st_mode)) return path;
    std::error_code readError;
    const fs::path target = fs::read_symlink(path, readError);
    if (readError) {
      error = readError.value();
      return std::nullopt;
    }
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  error = ELOOP;
  return std::nullopt;
}

Failure::Refusal RefusalOf(mode_t mode) {
  if (S_ISDIR(mode)) return Failure::Folder;
  if (S_ISCHR(mode) || S_ISBLK(mode)) return Failure::Device;
  if (S_ISFIFO(mode)) return Failure::Pipe;
  if (S_ISSOCK(mode)) return Failure::Socket;
  return Failure::NotRegular;
}

// Whether the file may be replaced: a regular file the user may write, or nothing.
std::optional<Failure> Inspect(const fs::path& file, Target& target) {
  int error = 0;
  const std::optional<fs::path> real = FollowLinks(file, error);
  if (!real) return Failure{Failure::Check, error};
  target.real = *real;
  if (::lstat(real->c_str(), &target.old) != 0) {
    if (errno == ENOENT) return std::nullopt;
    return Failure{Failure::Check, errno};
  }
  if (!S_ISREG(target.old.st_mode)) return Failure{Failure::Check, 0, RefusalOf(target.old.st_mode)};
  // access() overlooks a read-only mark for the superuser.
  if ((target.old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    return Failure{Failure::Check, EACCES, Failure::ReadOnly};
  }
  if (::access(real->c_str(), W_OK) != 0) return Failure{Failure::Check, errno};
  target.exists = true;
  return std::nullopt;
}

// ".<name>.<pid>.<serial><suffix>" beside the file, with at most
// kNameBytesInTemporaryName bytes of its name, cut between characters.
fs::path NameBeside(const fs::path& file, const char* suffix) {
  const std::string whole = file.filename().string();
  std::size_t kept = 0;
  while (kept < whole.size()) {
    const std::size_t length = std::max<std::size_t>(Utf8CharacterLength(std::string_view(whole).substr(kept)), 1);
    if (kept + length > kNameBytesInTemporaryName) break;
    kept += length;
  }
  // Built by appending: GCC 12 warns (-Wrestrict) about the same chain of "+".
  std::string name(".");
  name.append(whole, 0, kept).append(".").append(std::to_string(::getpid()));
  name.append(".").append(std::to_string(++g_serial)).append(suffix);
  fs::path beside = file;
  beside.replace_filename(name);
  return beside;
}

// Creates the new, empty temporary file beside the target and returns its
// descriptor, or -1 with errno set. Beside an old file it gets that file's owner
// (where the user may give it) and permission bits; else those of a new file (0666
// less the user's file-creation mask).
int CreateTemporary(Target& target) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    target.temporary = NameBeside(target.real, ".tmp");
    const int fd = ::open(target.temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          target.exists ? 0600 : 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) {
      target.temporary.clear();
      return -1;
    }
    if (target.exists) {
      if (target.old.st_uid != ::geteuid() || target.old.st_gid != ::getegid()) {
        [[maybe_unused]] const int owned = ::fchown(fd, target.old.st_uid, target.old.st_gid);
      }
      // The permission bits and the sticky bit; never set-user-ID or set-group-ID.
      if (::fchmod(fd, target.old.st_mode & 01777) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
      }
    }
    return fd;
  }
  target.temporary.clear();
  errno = EEXIST;
  return -1;
}

bool WriteAllWith(WriteCall call, int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = call(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) errno = EIO;  // no progress and no reason given
    if (written <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

ssize_t SystemWrite(int fd, const void* data, std::size_t size) { return ::write(fd, data, size); }

// Writes the text into the temporary file, flushes it to the disk and closes it;
// 0 or the error number.
int FillAndClose(int fd, std::string_view text, FileIdentity& identity) {
  int error = WriteAllWith(g_writeCall != nullptr ? g_writeCall : SystemWrite, fd, text) && ::fsync(fd) == 0 ? 0 : errno;
  struct stat status {};
  if (error == 0 && ::fstat(fd, &status) == 0) identity = {status.st_dev, status.st_ino};
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

void RemoveQuietly(fs::path& file) {
  if (!file.empty()) ::unlink(file.c_str());
  file.clear();
}

// The folders' entries, the renames, on the disk too; a failure changes nothing that
// a reader sees.
void FlushFolders(const std::vector<Target>& targets) {
  std::set<fs::path> folders;
  for (const Target& target : targets) folders.insert(target.real.parent_path().empty() ? "." : target.real.parent_path());
  for (const fs::path& folder : folders) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) continue;
    ::fsync(fd);
    ::close(fd);
  }
}

// Puts the targets renamed so far (the first `renamed`) back as they were.
void PutBack(std::vector<Target>& targets, std::size_t renamed) {
  for (std::size_t i = 0; i < renamed; ++i) {
    Target& target = targets[i];
    if (target.exists) {
      if (!target.backup.empty()) ::rename(target.backup.c_str(), target.real.c_str());
      target.backup.clear();
    } else {
      ::unlink(target.real.c_str());
    }
  }
}

std::optional<FilesReplacementFailure> ReplaceAll(std::span<const FileText> files, FileIdentity* written) {
  const EndingSignalsHeld held;
  std::vector<Target> targets(files.size());
  const auto fail = [&](std::size_t i, Failure failure) {
    for (Target& target : targets) {
      RemoveQuietly(target.temporary);
      RemoveQuietly(target.backup);
    }
    return FilesReplacementFailure{files[i].file, failure};
  };
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (const auto refused = Inspect(files[i].file, targets[i])) return fail(i, *refused);
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    const int fd = CreateTemporary(targets[i]);
    if (fd < 0) return fail(i, {Failure::Create, errno});
    if (const int error = FillAndClose(fd, files[i].text, targets[i].identity); error != 0) {
      return fail(i, {Failure::Write, error});
    }
  }
  if (held.Arrived()) return fail(0, {Failure::Replace, EINTR});
  // With more than one file an old one keeps a second name until all are in place
  // (where the file system has hard links; a rename in the folder just written to
  // all but never fails).
  for (std::size_t i = 0; i < files.size() && files.size() > 1; ++i) {
    if (!targets[i].exists) continue;
    targets[i].backup = NameBeside(targets[i].real, ".old");
    if (::link(targets[i].real.c_str(), targets[i].backup.c_str()) != 0) targets[i].backup.clear();
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (::rename(targets[i].temporary.c_str(), targets[i].real.c_str()) != 0) {
      const int error = errno;
      PutBack(targets, i);
      return fail(i, {Failure::Replace, error});
    }
    targets[i].temporary.clear();
  }
  for (Target& target : targets) RemoveQuietly(target.backup);
  FlushFolders(targets);
  if (written != nullptr && !targets.empty()) *written = targets.front().identity;
  return std::nullopt;
}

}  // namespace

bool WriteAllTo(int fd, std::string_view text) { return WriteAllWith(SystemWrite, fd, text); }

std::optional<FileReplacementFailure> ReplaceFileContents(const fs::path& file, std::string_view text,
                                                          FileIdentity* written) {
  const FileText one[] = {{file, text}};
  if (const auto failure = ReplaceAll(one, written)) return failure->failure;
  return std::nullopt;
}

std::optional<FilesReplacementFailure> ReplaceFilesTogether(std::span<const FileText> files) {
  return ReplaceAll(files, nullptr);
}

std::optional<FileIdentity> IdentityOf(const fs::path& file) {
  struct stat status {};
  if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  return FileIdentity{status.st_dev, status.st_ino};
}

FolderLock::FolderLock(const fs::path& folder, const char* lockName, bool wait) {
  fd_ = ::open((folder / lockName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd_ < 0) {
    error_ = errno;
    return;
  }
  while (::flock(fd_, wait ? LOCK_EX : LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    error_ = errno;
    ::close(fd_);
    fd_ = -1;
    return;
  }
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);  // closing lets the lock go
}

void SetReplacementWriteCallForTesting(WriteCall call) { g_writeCall = call; }

bool IsReadOnly(const fs::path& file) {
  constexpr fs::perms kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  std::error_code error;
  const fs::perms permissions = fs::status(file, error).permissions();
  return error || (permissions & kWrite) == fs::perms::none || ::access(file.c_str(), W_OK) != 0;
}

}  // namespace tervolin
