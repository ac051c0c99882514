// tervolin-calc: the calculations of Tervolin's screens from the command line.
// Exit status 0 done, 1 a calculation, data file or output (standard error included)
// failed or a beam figure asked for could not be given, 2 usage error.
// Messages go to standard error with control and format characters escaped
// (EscapedForDisplay), so an argument echoed cannot drive the terminal.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>

#include "cli/commands.h"
#include "cli/options.h"
#include "cli/output_file.h"
#include "cli/run_failure.h"
#include "data/utf8_text.h"

namespace {

using namespace tervolin::cli;

constexpr int kFailed = 1;
constexpr int kUsageError = 2;

std::optional<std::filesystem::path> OutputPath(const Invocation& invocation) {
  const std::string* file = invocation.Value("--output");
  if (file == nullptr) return std::nullopt;
  return std::filesystem::path(*file);
}

int Run(const Invocation& invocation) {
  if (invocation.request == Request::Help) {
    WriteStandardOutput(HelpText());
  } else if (invocation.request == Request::Version) {
    WriteStandardOutput("tervolin-calc " TERVOLIN_VERSION "\n");
  } else {
    const std::optional<std::filesystem::path> output = OutputPath(invocation);
    const CommandOutput result = RunCommand(invocation);
    if (output) {
      WriteFileSafely(*output, result.text);
    } else {
      WriteStandardOutput(result.text);
    }
    if (result.shortfall) {
      std::cerr << "tervolin-calc: " << tervolin::EscapedForDisplay(*result.shortfall, false) << "\n";
      return kFailed;
    }
  }
  return 0;
}

// A message to standard error that could not be written (the totals of compare among
// them) fails a run that would have succeeded.
int Finished(int status) {
  std::cerr.flush();
  return status == 0 && (!std::cerr || std::ferror(stderr)) ? kFailed : status;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Finished(Run(ParseArguments({argv + (argc > 0 ? 1 : 0), argv + argc})));
  } catch (const UsageError& error) {
    std::cerr << "tervolin-calc: " << tervolin::EscapedForDisplay(error.what(), false) << "\n" << UsageLine() << "\n";
    return kUsageError;
  } catch (const std::exception& error) {  // RunFailure, and file-system or memory failures
    std::cerr << "tervolin-calc: " << tervolin::EscapedForDisplay(error.what(), false) << "\n";
    return kFailed;
  }
}
