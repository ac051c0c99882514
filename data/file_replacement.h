#pragma once
// Replacing a file's contents safely, the one way every file the programs write is
// written (graph saves, tervolin-calc --output, the tables, P_Spectrum.dat): the
// text goes to a new temporary file in the same folder, every write and the final
// flush to the disk are checked, and a rename then puts it in the file's place, so a
// reader sees the old file or the whole new one, never a part. The one place where
// the program needs calls of the operating system beyond the standard library.
//
// What may be replaced: a regular file or nothing. A symbolic link is followed and
// its target replaced, the link staying as it is, where the kernel would follow it
// (fs.protected_symlinks): a link in a sticky, world-writable folder such as /tmp,
// owned by neither the user nor the folder's owner, is refused, and so is a link to
// a missing file, which is never created through the link. A folder, a device, a
// named pipe or a socket is refused, and so is a file marked read-only (for the
// superuser too) or one the user may not write. A replaced file keeps its permission bits and, as
// far as the user may give them, its owner and group. SIGTERM, SIGINT, SIGHUP and
// SIGQUIT wait while a replacement runs; one that arrives before the rename cancels
// it, so the old file stays, no temporary file is left, and the signal then acts.
// A writer killed outright (SIGKILL, a power cut) leaves its temporary file, named
// ".<name>.tervolin-<pid>-<random><check>.tmp": 8 random hexadecimal digits and 8
// more that check the whole name, so that a file a user named alike is never taken
// for one. The next replacement of the
// same file removes those of a writer that is gone and replaced that file alone; the
// files of a replacement of several files together are left to the one that knows how
// to put them right (tervolin-tables add).

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

#include "data/file_system_calls.h"

namespace tervolin {

struct FileReplacementFailure {
  enum Step {
    Check,    // the target is not one to replace (`refusal`), or cannot be looked at
    Create,   // the temporary file's creation
    Write,    // its writing, the final flush to the disk included
    Replace,  // the rename over the target; EINTR when an ending signal cancelled it
  } step;
  int error;  // the errno value that says why; 0 for a refusal by the target's kind
  enum Refusal {
    None, Folder, Device, Pipe, Socket, NotRegular, ReadOnly,
    ProtectedLink,  // a link the kernel's fs.protected_symlinks would not follow
    DanglingLink,   // a link to a missing file
  } refusal = None;
};

// Which file a replacement wrote: it stays the same file until it is replaced or removed.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// On a failure the temporary file is removed and the file is as it was. `written`,
// when given, receives the identity of the file written.
[[nodiscard]] std::optional<FileReplacementFailure> ReplaceFileContents(const std::filesystem::path& file,
                                                                        std::string_view text,
                                                                        FileIdentity* written = nullptr,
                                                                        const FileSystemCalls& calls = {});

struct FileText {
  std::filesystem::path file;
  std::string_view text;
};

struct FilesReplacementFailure {
  std::filesystem::path file;  // the file the failure concerns, as given
  FileReplacementFailure failure;
};

// Several files as one: all temporary files are written before any is renamed, and a
// failed rename puts back the files renamed before it (an old file is kept under a
// second name, a hard link, until all are in place; on a file system without hard
// links an old file renamed over cannot come back). On a failure every file is as
// it was. Before the first rename a journal (".pair" beside the first file) records
// each file's old and new identity, so that what a writer killed between the renames
// left can be put right (UnfinishedReplacements); it goes when all are in place.
[[nodiscard]] std::optional<FilesReplacementFailure> ReplaceFilesTogether(std::span<const FileText> files,
                                                                          const FileSystemCalls& calls = {});

// The identity of the regular file at `file` (links followed), or nothing.
std::optional<FileIdentity> IdentityOf(const std::filesystem::path& file);

// A file as a journal records it: its identity and the time it was last written
// (ns since the epoch), which tells it from a later file given the same inode.
struct FileVersion {
  FileIdentity identity;
  long long modified = 0;
  friend bool operator==(const FileVersion&, const FileVersion&) = default;
};
std::optional<FileVersion> VersionOf(const std::filesystem::path& file);

// What the name of a writer's file tells: the name of the file it stands beside (at
// most its first 100 bytes), the writer's process id, what the file holds, and
// whether the replacement was of several files together. Nothing for any other name,
// and for a name whose check fails.
struct WriterFile {
  std::string target;
  long writer = 0;
  enum Role { NewText, KeptOld, Journal } role = NewText;  // ".tmp", ".old", ".pair"
  bool together = false;
};
std::optional<WriterFile> WriterFileOf(std::string_view name);

// Whether the process that wrote a writer's file still runs (or may, being another
// user's); a file of a writer that is gone is left over.
bool WriterRunning(long writer);

// A replacement of several files together whose writer is gone, as the journal it kept
// beside the first file tells. The journal is on the disk before the first rename: a
// writer gone without one (or with one cut short) replaced no file yet.
struct UnfinishedReplacement {
  std::filesystem::path journal;
  long writer = 0;
  struct Member {
    std::filesystem::path file;         // absolute, links followed
    std::optional<FileVersion> old;     // the file it replaces; nothing where none was
    FileVersion replacement;            // the new file, until renamed the temporary one
    std::filesystem::path newText;      // the temporary file, ".tmp"
    std::filesystem::path keptOld;      // the old file's second name, ".old"
  };
  std::vector<Member> members;  // empty when the journal was cut short
};

// The unfinished replacements whose journal lies in `folder`.
std::vector<UnfinishedReplacement> UnfinishedReplacements(const std::filesystem::path& folder);

// What a member's file is now: the new file, the old one (or still none), or another.
enum class MemberState { Replaced, Old, Other };
MemberState StateOf(const UnfinishedReplacement::Member& member);

// Some members replaced and others not: files that belong together no longer do.
bool IsMixed(const UnfinishedReplacement& replacement);

// Writes the whole text to a descriptor; false with errno set on failure.
bool WriteAllTo(int fd, std::string_view text);

// An exclusive lock on a folder, held while the object lives: flock(2) on the file
// `lockName` in it, created when missing. The constructor waits for another holder;
// with `wait` false it does not, and error() is EWOULDBLOCK while another holds it.
class FolderLock {
 public:
  FolderLock(const std::filesystem::path& folder, const char* lockName, bool wait = true);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  // 0 when the lock is held, else the errno value that says why not.
  int error() const { return error_; }

 private:
  int fd_ = -1;
  int error_ = 0;
};

// Marked read-only (kept for the superuser too), or not the user's to change.
bool IsReadOnly(const std::filesystem::path& file);

}  // namespace tervolin
