#include "data/data_file.h"

#include <cerrno>

#include <sys/stat.h>

namespace tervolin {

namespace {

std::optional<ReadProblem> KindProblem(int fd) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) return ReadProblem::CannotOpen;
  if (S_ISDIR(status.st_mode)) return ReadProblem::IsFolder;
  if (!S_ISREG(status.st_mode)) return ReadProblem::NotRegularFile;
  return std::nullopt;
}

// Reads at most one byte more than kLargestDataFile, so a file that grows while it is
// read is refused too.
std::optional<ReadProblem> ReadBounded(int fd, std::string& bytes) {
  constexpr std::size_t kChunk = 1 << 16;
  char chunk[kChunk];
  for (;;) {
    const ssize_t got = ::read(fd, chunk, kChunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return ReadProblem::CannotOpen;
    if (got == 0) return std::nullopt;
    bytes.append(chunk, static_cast<std::size_t>(got));
    if (bytes.size() > kLargestDataFile) return ReadProblem::TooLarge;
  }
}

}  // namespace

DataFileBytes ReadDataFileBytes(const std::filesystem::path& path, const FileSystemCalls& calls) {
  DataFileBytes file;
  // O_NONBLOCK: opening a named pipe does not wait for its writer.
  const int fd = calls.open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    file.problem = ReadProblem::CannotOpen;
    return file;
  }
  file.problem = KindProblem(fd);
  if (!file.problem) file.problem = ReadBounded(fd, file.bytes);
  ::close(fd);
  if (file.problem) file.bytes.clear();
  return file;
}

}  // namespace tervolin
