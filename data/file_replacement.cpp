#include "data/file_replacement.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdint>
#include <iterator>
#include <random>
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
// What marks a name as one of the writers' temporary files (or old files kept while
// others are renamed): ".<name>.tervolin-<pid>-<16 hexadecimal digits>.tmp" (".old").
constexpr std::string_view kTemporaryMark = ".tervolin-";
constexpr std::size_t kRandomDigits = 16;
constexpr const char* kTemporarySuffix = ".tmp";
constexpr const char* kKeptOldSuffix = ".old";

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

// Whether the kernel, with fs.protected_symlinks, refuses to follow the link: it lies
// in a sticky folder that anyone may write, and neither the caller nor the folder's
// owner owns it. Such a link may have been planted to redirect the caller's write.
bool IsProtectedLink(const fs::path& link, const struct stat& linkStatus) {
  struct stat folder {};
  const fs::path parent = link.parent_path().empty() ? fs::path(".") : link.parent_path();
  if (linkStatus.st_uid == ::geteuid() || ::stat(parent.c_str(), &folder) != 0) return false;
  const bool open = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
  return open && linkStatus.st_uid != folder.st_uid;
}

// The file a link names, or why it is not followed.
std::optional<fs::path> LinkTarget(const fs::path& link, const struct stat& status, std::optional<Failure>& refused) {
  if (IsProtectedLink(link, status)) {
    refused = Failure{Failure::Check, EACCES, Failure::ProtectedLink};
    return std::nullopt;
  }
  std::error_code readError;
  const fs::path target = fs::read_symlink(link, readError);
  if (readError) refused = Failure{Failure::Check, readError.value()};
  if (readError) return std::nullopt;
  return target.is_absolute() ? target : link.parent_path() / target;
}

// The path with its symbolic links followed to what they name; a missing file is
// taken as it is, but a link to a missing file is refused rather than created through.
// Nothing, with `refused` set, when a link is refused, cannot be read or they loop.
std::optional<fs::path> FollowLinks(fs::path path, std::optional<Failure>& refused) {
  for (int links = 0; links <= kMostLinks; ++links) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
      if (errno == ENOENT && links == 0) return path;
      const int error = errno;
      refused = error == ENOENT ? Failure{Failure::Check, ENOENT, Failure::DanglingLink} : Failure{Failure::Check, error};
      return std::nullopt;
    }
    if (!S_ISLNK(status.st_mode)) return path;
    const std::optional<fs::path> target = LinkTarget(path, status, refused);
    if (!target) return std::nullopt;
    path = *target;
  }
  refused = Failure{Failure::Check, ELOOP};
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
  std::optional<Failure> refused;
  const std::optional<fs::path> real = FollowLinks(file, refused);
  if (!real) return refused;
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

// 64 random bits as 16 hexadecimal digits: names that no other writer picks.
std::string RandomHex() {
  std::random_device device;
  const std::uint64_t bits = (std::uint64_t{device()} << 32) | device();
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex(kRandomDigits, '0');
  for (std::size_t i = 0; i < hex.size(); ++i) hex[i] = kDigits[(bits >> (4 * i)) & 0xf];
  return hex;
}

// ".<name>.tervolin-<pid>-<random><suffix>" beside the file, with at most
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
  name.append(whole, 0, kept).append(kTemporaryMark).append(std::to_string(::getpid()));
  name.append("-").append(RandomHex()).append(suffix);
  fs::path beside = file;
  beside.replace_filename(name);
  return beside;
}

// The process that made a file of this name (NameBeside), or 0 when the name is not
// one of a writer's.
pid_t WriterOf(std::string_view name) {
  const std::optional<WriterFile> file = WriterFileOf(name);
  return file ? static_cast<pid_t>(file->writer) : 0;
}

}  // namespace

std::optional<WriterFile> WriterFileOf(std::string_view name) {
  const bool keptOld = name.ends_with(kKeptOldSuffix);
  if (!name.starts_with('.') || !(name.ends_with(kTemporarySuffix) || keptOld)) return std::nullopt;
  name.remove_suffix(std::string_view(kTemporarySuffix).size());
  const std::size_t mark = name.rfind(kTemporaryMark);
  if (mark == std::string_view::npos || mark < 2) return std::nullopt;
  const std::string_view rest = name.substr(mark + kTemporaryMark.size());
  const std::size_t dash = rest.find('-');
  const bool random = dash != std::string_view::npos && rest.size() - dash - 1 == kRandomDigits &&
                      rest.find_first_not_of("0123456789abcdef", dash + 1) == std::string_view::npos;
  long pid = 0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + (random ? dash : 0), pid);
  if (!random || error != std::errc() || end != rest.data() + dash || pid <= 0) return std::nullopt;
  return WriterFile{std::string(name.substr(1, mark - 1)), pid, keptOld};
}

namespace {

// Removes the files that writers killed before they could clean up (SIGKILL, a power
// cut) left in the folder: those whose process is gone. A file of a live process, or
// of one this user may not signal, stays.
void RemoveLeftovers(const fs::path& folder) {
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const pid_t writer = WriterOf(it->path().filename().native());
    if (writer == 0 || writer == ::getpid() || ::kill(writer, 0) == 0 || errno != ESRCH) continue;
    struct stat status {};
    if (::lstat(it->path().c_str(), &status) == 0 && S_ISREG(status.st_mode)) ::unlink(it->path().c_str());
  }
}

// Creates the new, empty temporary file beside the target and returns its
// descriptor, or -1 with errno set. Beside an old file it gets that file's owner
// (where the user may give it) and permission bits; else those of a new file (0666
// less the user's file-creation mask).
int CreateTemporary(Target& target) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    target.temporary = NameBeside(target.real, kTemporarySuffix);
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

bool WriteAllWith(ssize_t (*call)(int, const void*, std::size_t), int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = call(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) errno = EIO;  // no progress and no reason given
    if (written <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Writes the text into the temporary file, flushes it to the disk and closes it;
// 0 or the error number.
int FillAndClose(int fd, std::string_view text, FileIdentity& identity, const FileSystemCalls& calls) {
  int error = WriteAllWith(calls.write, fd, text) && calls.fsync(fd) == 0 ? 0 : errno;
  struct stat status {};
  if (error == 0 && ::fstat(fd, &status) == 0) identity = {status.st_dev, status.st_ino};
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

void RemoveQuietly(fs::path& file) {
  if (!file.empty()) ::unlink(file.c_str());
  file.clear();
}

std::set<fs::path> FoldersOf(const std::vector<Target>& targets) {
  std::set<fs::path> folders;
  for (const Target& target : targets) {
    folders.insert(target.real.parent_path().empty() ? fs::path(".") : target.real.parent_path());
  }
  return folders;
}

// The folders' entries, the renames, on the disk too; a failure changes nothing that
// a reader sees.
void FlushFolders(const std::vector<Target>& targets) {
  for (const fs::path& folder : FoldersOf(targets)) {
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

// Whether an ending signal arrived, on this thread (held back) or another (caught by
// the program's handler there), since the replacement began.
bool EndingSignalArrived(const EndingSignalsHeld& held, const FileSystemCalls& calls) {
  return held.Arrived() || (calls.endingSignalCaught != nullptr && calls.endingSignalCaught());
}

std::optional<FilesReplacementFailure> ReplaceAll(std::span<const FileText> files, FileIdentity* written,
                                                  const FileSystemCalls& calls) {
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
  for (const fs::path& folder : FoldersOf(targets)) RemoveLeftovers(folder);
  for (std::size_t i = 0; i < files.size(); ++i) {
    const int fd = CreateTemporary(targets[i]);
    if (fd < 0) return fail(i, {Failure::Create, errno});
    if (const int error = FillAndClose(fd, files[i].text, targets[i].identity, calls); error != 0) {
      return fail(i, {Failure::Write, error});
    }
  }
  if (EndingSignalArrived(held, calls)) return fail(0, {Failure::Replace, EINTR});
  // With more than one file an old one keeps a second name until all are in place
  // (where the file system has hard links; a rename in the folder just written to
  // all but never fails).
  for (std::size_t i = 0; i < files.size() && files.size() > 1; ++i) {
    if (!targets[i].exists) continue;
    targets[i].backup = NameBeside(targets[i].real, kKeptOldSuffix);
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

bool WriteAllTo(int fd, std::string_view text) { return WriteAllWith(::write, fd, text); }

std::optional<FileReplacementFailure> ReplaceFileContents(const fs::path& file, std::string_view text,
                                                          FileIdentity* written, const FileSystemCalls& calls) {
  const FileText one[] = {{file, text}};
  if (const auto failure = ReplaceAll(one, written, calls)) return failure->failure;
  return std::nullopt;
}

std::optional<FilesReplacementFailure> ReplaceFilesTogether(std::span<const FileText> files,
                                                            const FileSystemCalls& calls) {
  return ReplaceAll(files, nullptr, calls);
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

bool IsReadOnly(const fs::path& file) {
  constexpr fs::perms kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  std::error_code error;
  const fs::perms permissions = fs::status(file, error).permissions();
  return error || (permissions & kWrite) == fs::perms::none || ::access(file.c_str(), W_OK) != 0;
}

}  // namespace tervolin
