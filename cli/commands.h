#pragma once
// The four commands: angles, spectrum, materials and compare.

#include <optional>
#include <string>

#include "cli/options.h"

namespace tervolin::cli {

// What a command gives: the text to print and, when it could give only part of what
// was asked (a beam figure), why, for standard error; the run then fails.
struct CommandOutput {
  std::string text;
  std::optional<std::string> shortfall{};
};

// Checks the invocation (UsageError), finds the data folder and runs the command on
// it (RunFailure).
CommandOutput RunCommand(const Invocation& invocation);

}  // namespace tervolin::cli
