#include "data/data_file.h"

#include <fstream>

namespace tervolin {

namespace {

std::optional<ReadProblem> KindProblem(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) return ReadProblem::CannotOpen;
  if (std::filesystem::is_directory(status)) return ReadProblem::IsFolder;
  if (!std::filesystem::is_regular_file(status)) return ReadProblem::NotRegularFile;
  return std::nullopt;
}

// Reads at most one byte more than kLargestDataFile, so a file that grows while it is
// read is refused too.
std::optional<ReadProblem> ReadBounded(std::ifstream& in, std::string& bytes) {
  constexpr std::size_t kChunk = 1 << 16;
  char chunk[kChunk];
  while (in.read(chunk, kChunk) || in.gcount() > 0) {
    bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kLargestDataFile) return ReadProblem::TooLarge;
  }
  if (in.bad()) return ReadProblem::CannotOpen;
  return std::nullopt;
}

}  // namespace

DataFileBytes ReadDataFileBytes(const std::filesystem::path& path) {
  DataFileBytes file;
  file.problem = KindProblem(path);
  if (file.problem) return file;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    file.problem = ReadProblem::CannotOpen;
    return file;
  }
  file.problem = ReadBounded(in, file.bytes);
  if (file.problem) file.bytes.clear();
  return file;
}

}  // namespace tervolin
