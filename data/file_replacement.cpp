#include "data/file_replacement.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdint>
#include <iterator>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "data/data_file.h"
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
// What marks a name as one of the writers' files: ".<name>.tervolin-<pid>-<random>
// <check><suffix>", 8 random hexadecimal digits and 8 that check the rest of the name.
constexpr std::string_view kTemporaryMark = ".tervolin-";
constexpr std::size_t kRandomDigits = 8;
constexpr std::size_t kCheckDigits = 8;
// By WriterFile::Role: the new text, the old file kept while others are renamed, the journal.
constexpr std::string_view kSuffixes[] = {".tmp", ".old", ".pair"};
// The first line of a journal.
constexpr std::string_view kJournalMark = "tervolin replacement journal 1";

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
  FileVersion written;       // the new file
};

FileVersion VersionIn(const struct stat& status) {
  return {{status.st_dev, status.st_ino}, status.st_mtim.tv_sec * 1'000'000'000LL + status.st_mtim.tv_nsec};
}

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

std::string HexDigits(std::uint64_t bits, std::size_t digits) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex(digits, '0');
  for (std::size_t i = 0; i < digits; ++i) hex[digits - 1 - i] = kDigits[(bits >> (4 * i)) & 0xf];
  return hex;
}

// The check of a writer's file name: FNV-1a over the name without it and the kind of
// replacement, one file or several together.
std::string CheckDigits(std::string_view unchecked, std::string_view suffix, bool together) {
  std::uint32_t hash = 2166136261u;
  for (const std::string_view part : {std::string_view(together ? "p" : "s"), unchecked, suffix}) {
    for (const unsigned char c : part) hash = (hash ^ c) * 16777619u;
  }
  return HexDigits(hash, kCheckDigits);
}

// The file's name as its writer's files carry it: at most kNameBytesInTemporaryName
// bytes, cut between characters.
std::string NameKept(const fs::path& file) {
  const std::string whole = file.filename().string();
  std::size_t kept = 0;
  while (kept < whole.size()) {
    const std::size_t length = std::max<std::size_t>(Utf8CharacterLength(std::string_view(whole).substr(kept)), 1);
    if (kept + length > kNameBytesInTemporaryName) break;
    kept += length;
  }
  return whole.substr(0, kept);
}

// ".<name>.tervolin-<pid>-<random><check><suffix>" beside the file.
fs::path NameBeside(const fs::path& file, WriterFile::Role role, bool together) {
  std::random_device random;
  // Built by appending: GCC 12 warns (-Wrestrict) about the same chain of "+".
  std::string name(".");
  name.append(NameKept(file)).append(kTemporaryMark).append(std::to_string(::getpid()));
  name.append("-").append(HexDigits(random(), kRandomDigits));
  const std::string_view suffix = kSuffixes[role];
  name.append(CheckDigits(name, suffix, together)).append(suffix);
  fs::path beside = file;
  beside.replace_filename(name);
  return beside;
}

}  // namespace

std::optional<WriterFile> WriterFileOf(std::string_view name) {
  std::optional<WriterFile::Role> role;
  for (const WriterFile::Role r : {WriterFile::NewText, WriterFile::KeptOld, WriterFile::Journal}) {
    if (name.ends_with(kSuffixes[r])) role = r;
  }
  if (!role || !name.starts_with('.')) return std::nullopt;
  const std::string_view suffix = kSuffixes[*role];
  name.remove_suffix(suffix.size());
  const std::size_t mark = name.rfind(kTemporaryMark);
  if (mark == std::string_view::npos || mark < 2 || name.size() < kCheckDigits) return std::nullopt;
  const std::string_view rest = name.substr(mark + kTemporaryMark.size());
  const std::size_t dash = rest.find('-');
  long pid = 0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + std::min(dash, rest.size()), pid);
  if (dash == std::string_view::npos || rest.size() - dash - 1 != kRandomDigits + kCheckDigits ||
      error != std::errc() || end != rest.data() + dash || pid <= 0) {
    return std::nullopt;
  }
  const std::string_view unchecked = name.substr(0, name.size() - kCheckDigits);
  for (const bool together : {false, true}) {
    if (name.substr(unchecked.size()) == CheckDigits(unchecked, suffix, together)) {
      return WriterFile{std::string(name.substr(1, mark - 1)), pid, *role, together};
    }
  }
  return std::nullopt;
}

bool WriterRunning(long writer) {
  return writer == ::getpid() || ::kill(static_cast<pid_t>(writer), 0) == 0 || errno != ESRCH;
}

namespace {

// Removes what writers of this one file, killed before they could clean up (SIGKILL,
// a power cut), left beside it: their temporary files, of proven names. What a
// replacement of several files together left stays for its repair.
void RemoveLeftoversOf(const fs::path& file) {
  const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  const std::string name = NameKept(file);
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::optional<WriterFile> left = WriterFileOf(it->path().filename().native());
    if (!left || left->together || left->role != WriterFile::NewText || left->target != name) continue;
    if (WriterRunning(left->writer)) continue;
    struct stat status {};
    if (::lstat(it->path().c_str(), &status) == 0 && S_ISREG(status.st_mode)) ::unlink(it->path().c_str());
  }
}

// Creates the new, empty temporary file beside the target and returns its
// descriptor, or -1 with errno set. Beside an old file it gets that file's owner
// (where the user may give it) and permission bits; else those of a new file (0666
// less the user's file-creation mask).
int CreateTemporary(Target& target, bool together) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    target.temporary = NameBeside(target.real, WriterFile::NewText, together);
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
int FillAndClose(int fd, std::string_view text, FileVersion& written, const FileSystemCalls& calls) {
  int error = WriteAllWith(calls.write, fd, text) && calls.fsync(fd) == 0 ? 0 : errno;
  struct stat status {};
  if (error == 0 && ::fstat(fd, &status) == 0) written = VersionIn(status);
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

// Bytes as hexadecimal digits, two a byte: a path on one line whatever it holds.
std::string HexText(std::string_view bytes) {
  std::string hex;
  for (const unsigned char c : bytes) hex += HexDigits(c, 2);
  return hex;
}

std::optional<std::string> BytesOfHex(std::string_view hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(hex.data() + i, hex.data() + i + 2, value, 16);
    if (error != std::errc() || end != hex.data() + i + 2) return std::nullopt;
    bytes += static_cast<char>(value);
  }
  if (hex.size() % 2 != 0) return std::nullopt;
  return bytes;
}

fs::path AbsolutePath(const fs::path& path) {
  std::error_code error;
  const fs::path absolute = fs::absolute(path, error);
  return error ? path : absolute;
}

std::string VersionText(const FileVersion& version) {
  return std::to_string(version.identity.device) + ' ' + std::to_string(version.identity.inode) + ' ' +
         std::to_string(version.modified);
}

// One line of a journal: the file, its temporary and its kept old file ("-" where
// none), then the device, inode and time written of the old file ("- - -" where none
// was) and of the new one.
std::string JournalLine(const Target& target) {
  const auto path = [](const fs::path& p) { return p.empty() ? std::string("-") : HexText(AbsolutePath(p).native()); };
  const std::string old = target.exists ? VersionText(VersionIn(target.old)) : "- - -";
  return path(target.real) + ' ' + path(target.temporary) + ' ' + path(target.backup) + ' ' + old + ' ' +
         VersionText(target.written) + '\n';
}

// Writes the journal of the replacement beside the first file and flushes it to the
// disk; 0 or the error number, with no journal left.
int WriteJournal(const std::vector<Target>& targets, fs::path& journal) {
  std::string text = std::string(kJournalMark) + '\n';
  for (const Target& target : targets) text += JournalLine(target);
  journal = NameBeside(targets.front().real, WriterFile::Journal, true);
  const int fd = ::open(journal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) {
    journal.clear();
    return errno;
  }
  int error = WriteAllWith(::write, fd, text) && ::fsync(fd) == 0 ? 0 : errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) RemoveQuietly(journal);
  return error;
}

// An old file keeps a second name until all are in place (where the file system has
// hard links; a rename in the folder just written to all but never fails); its name
// is chosen before the journal and the link made after it.
void NameOldFiles(std::vector<Target>& targets) {
  for (Target& target : targets) {
    if (target.exists) target.backup = NameBeside(target.real, WriterFile::KeptOld, true);
  }
}

void KeepOldFiles(std::vector<Target>& targets) {
  for (Target& target : targets) {
    if (!target.backup.empty() && ::link(target.real.c_str(), target.backup.c_str()) != 0) target.backup.clear();
  }
}

std::optional<FilesReplacementFailure> ReplaceAll(std::span<const FileText> files, FileIdentity* written,
                                                  const FileSystemCalls& calls) {
  const EndingSignalsHeld held;
  const bool together = files.size() > 1;
  std::vector<Target> targets(files.size());
  fs::path journal;
  const auto fail = [&](std::size_t i, Failure failure) {
    for (Target& target : targets) {
      RemoveQuietly(target.temporary);
      RemoveQuietly(target.backup);
    }
    RemoveQuietly(journal);
    return FilesReplacementFailure{files[i].file, failure};
  };
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (const auto refused = Inspect(files[i].file, targets[i])) return fail(i, *refused);
  }
  if (!together && !targets.empty()) RemoveLeftoversOf(targets.front().real);
  for (std::size_t i = 0; i < files.size(); ++i) {
    const int fd = CreateTemporary(targets[i], together);
    if (fd < 0) return fail(i, {Failure::Create, errno});
    if (const int error = FillAndClose(fd, files[i].text, targets[i].written, calls); error != 0) {
      return fail(i, {Failure::Write, error});
    }
  }
  if (EndingSignalArrived(held, calls)) return fail(0, {Failure::Replace, EINTR});
  if (together) {
    NameOldFiles(targets);
    if (const int error = WriteJournal(targets, journal); error != 0) return fail(0, {Failure::Create, error});
    KeepOldFiles(targets);
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
  RemoveQuietly(journal);
  FlushFolders(targets);
  if (written != nullptr && !targets.empty()) *written = targets.front().written.identity;
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

std::optional<FileVersion> VersionOf(const fs::path& file) {
  struct stat status {};
  if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  return VersionIn(status);
}

namespace {

std::optional<FileVersion> VersionIn(std::string_view device, std::string_view inode, std::string_view modified) {
  FileVersion version;
  const auto number = [](std::string_view text, auto& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
  };
  if (!number(device, version.identity.device) || !number(inode, version.identity.inode) ||
      !number(modified, version.modified)) {
    return std::nullopt;
  }
  return version;
}

std::optional<fs::path> PathIn(std::string_view field) {
  if (field == "-") return fs::path();
  const std::optional<std::string> bytes = BytesOfHex(field);
  if (!bytes || bytes->empty()) return std::nullopt;
  return fs::path(*bytes);
}

// A journal line's member (JournalLine), or nothing when the line is not one.
std::optional<UnfinishedReplacement::Member> MemberOf(const std::string& line) {
  std::istringstream words(line);
  const std::vector<std::string> f{std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
  if (f.size() != 9) return std::nullopt;
  const std::optional<fs::path> path = PathIn(f[0]), temporary = PathIn(f[1]), kept = PathIn(f[2]);
  const std::optional<FileVersion> old = VersionIn(f[3], f[4], f[5]), replacement = VersionIn(f[6], f[7], f[8]);
  const bool noOld = f[3] == "-" && f[4] == "-" && f[5] == "-";
  if (!path || path->empty() || !temporary || !kept || !replacement || (!noOld && !old)) return std::nullopt;
  return UnfinishedReplacement::Member{*path, old, *replacement, *temporary, *kept};
}

// The members a journal lists; none when it is not whole (its writer was cut short
// while writing it, before any file was renamed).
std::vector<UnfinishedReplacement::Member> JournalMembers(const fs::path& journal) {
  const DataFileBytes file = ReadDataFileBytes(journal);
  std::istringstream lines(file.bytes);
  std::string line;
  std::vector<UnfinishedReplacement::Member> members;
  if (file.problem || !std::getline(lines, line) || line != kJournalMark) return members;
  while (std::getline(lines, line)) {
    const auto member = MemberOf(line);
    if (!member || lines.eof()) return {};  // a line cut short has no line feed
    members.push_back(*member);
  }
  return members;
}

}  // namespace

std::vector<UnfinishedReplacement> UnfinishedReplacements(const fs::path& folder) {
  std::vector<UnfinishedReplacement> found;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::optional<WriterFile> file = WriterFileOf(it->path().filename().native());
    if (!file || file->role != WriterFile::Journal || WriterRunning(file->writer)) continue;
    found.push_back({AbsolutePath(it->path()), file->writer, JournalMembers(it->path())});
  }
  return found;
}

MemberState StateOf(const UnfinishedReplacement::Member& member) {
  const std::optional<FileVersion> now = VersionOf(member.file);
  if (now == member.replacement) return MemberState::Replaced;
  std::error_code error;
  const bool missing = !now && !fs::exists(fs::symlink_status(member.file, error));
  return now == member.old || (!member.old && missing) ? MemberState::Old : MemberState::Other;
}

bool IsMixed(const UnfinishedReplacement& replacement) {
  bool replaced = false, notReplaced = false;
  for (const auto& member : replacement.members) {
    (StateOf(member) == MemberState::Replaced ? replaced : notReplaced) = true;
  }
  return replaced && notReplaced;
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
