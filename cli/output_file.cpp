#include "cli/output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/run_failure.h"

namespace tervolin::cli {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const fs::path& file, const char* what, int error) {
  throw RunFailure("cannot " + std::string(what) + " " + file.string() + ": " + std::strerror(error));
}

// Writes everything to the descriptor; false with errno set on failure.
bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) errno = EIO;  // no progress and no reason given
    if (written <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Read and write for all, less what the user's file-creation mask takes away.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A new file beside `file`, named from it and a unique suffix, with the permissions
// of a newly created file; its descriptor.
int CreateTemporaryBeside(const fs::path& file, std::string& temporary) {
  std::string name(".");
  name.append(file.filename().string()).append(".XXXXXX");
  temporary = (file.parent_path() / name).string();
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) Fail(file, "write", errno);
  if (::fchmod(fd, NewFileMode()) != 0) {
    const int error = errno;
    ::close(fd);
    ::unlink(temporary.c_str());
    Fail(file, "create", error);
  }
  return fd;
}

// Fills and closes the temporary file; 0 or the error number.
int FillAndClose(int fd, std::string_view text) {
  int error = WriteAll(fd, text) && ::fsync(fd) == 0 ? 0 : errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

}  // namespace

void WriteFileSafely(const fs::path& file, std::string_view text) {
  std::string temporary;
  const int fd = CreateTemporaryBeside(file, temporary);
  if (const int error = FillAndClose(fd, text); error != 0) {
    ::unlink(temporary.c_str());
    Fail(file, "write", error);
  }
  if (::rename(temporary.c_str(), file.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    Fail(file, "replace", error);
  }
}

void WriteStandardOutput(std::string_view text) {
  if (!WriteAll(STDOUT_FILENO, text)) Fail("standard output", "write to", errno);
}

}  // namespace tervolin::cli
