#include "cli/output_file.h"

#include <cerrno>
#include <cstring>
#include <string>

#include <unistd.h>

#include "cli/run_failure.h"
#include "data/file_replacement.h"

namespace tervolin::cli {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const fs::path& file, const char* what, int error) {
  throw RunFailure("cannot " + std::string(what) + " " + file.string() + ": " + std::strerror(error));
}

// What a failed step of the replacement was trying to do, for the message.
const char* StepVerb(FileReplacementFailure::Step step) {
  switch (step) {
    case FileReplacementFailure::Create: return "write";
    case FileReplacementFailure::Write: return "write";
    case FileReplacementFailure::Replace: return "replace";
  }
  return "write";
}

}  // namespace

void WriteFileSafely(const fs::path& file, std::string_view text) {
  if (const auto failure = ReplaceFileContents(file, text)) Fail(file, StepVerb(failure->step), failure->error);
}

void WriteStandardOutput(std::string_view text) {
  if (!WriteAllTo(STDOUT_FILENO, text)) Fail("standard output", "write to", errno);
}

}  // namespace tervolin::cli
