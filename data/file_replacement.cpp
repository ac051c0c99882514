#include "data/file_replacement.h"

#include <cerrno>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tervolin {

namespace {

namespace fs = std::filesystem;

// Creates a new, empty file next to `file` under a name no one else uses and
// returns its descriptor, or -1 with errno set. It gets the permissions of a newly
// created file (0666 less the user's file-creation mask).
int CreateTemporaryBeside(const fs::path& file, fs::path& temporary) {
  static unsigned serial = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    // Built by appending: GCC 12 warns (-Wrestrict) about the same chain of "+".
    std::string name(".");
    name.append(file.filename().string()).append(".").append(std::to_string(::getpid()));
    name.append(".").append(std::to_string(++serial)).append(".tmp");
    temporary = file;
    temporary.replace_filename(name);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Writes the text into the temporary file, flushes and closes it; 0 or the error number.
int FillAndClose(int fd, std::string_view text) {
  int error = WriteAllTo(fd, text) && ::fsync(fd) == 0 ? 0 : errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

}  // namespace

bool WriteAllTo(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) errno = EIO;  // no progress and no reason given
    if (written <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

std::optional<FileReplacementFailure> ReplaceFileContents(const fs::path& file, std::string_view text) {
  fs::path temporary;
  const int fd = CreateTemporaryBeside(file, temporary);
  if (fd < 0) return FileReplacementFailure{FileReplacementFailure::Create, errno};
  if (const int error = FillAndClose(fd, text); error != 0) {
    ::unlink(temporary.c_str());
    return FileReplacementFailure{FileReplacementFailure::Write, error};
  }
  if (::rename(temporary.c_str(), file.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return FileReplacementFailure{FileReplacementFailure::Replace, error};
  }
  return std::nullopt;
}

int WriteRefusal(const fs::path& file) {
  if (::access(file.c_str(), W_OK) != 0) return errno;
  struct stat status {};
  if (::stat(file.c_str(), &status) != 0) return errno;
  return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ? EACCES : 0;
}

}  // namespace tervolin
