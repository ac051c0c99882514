#include "cli/output_file.h"
#include "core/message_language.h"

#include <cerrno>
#include <cstring>
#include <string>

#include <unistd.h>

#include "cli/run_failure.h"
#include "data/file_replacement.h"
#include "data/replacement_messages.h"

namespace tervolin::cli {

void WriteFileSafely(const std::filesystem::path& file, std::string_view text) {
  if (const auto failure = ReplaceFileContents(file, text)) {
    throw RunFailure(DescribeReplacementFailureOnCommandLine(file, *failure, MessageLanguage()));
  }
}

void WriteStandardOutput(std::string_view text) {
  if (!WriteAllTo(STDOUT_FILENO, text)) throw RunFailure(Message(TextId::kCliCannotWriteOutput, {std::strerror(errno)}));
}

}  // namespace tervolin::cli
