#pragma once
// The four commands: angles, spectrum, materials and compare.

#include <string>

#include "cli/options.h"

namespace tervolin::cli {

// Checks the invocation (UsageError), finds the data folder and runs the command on
// it (RunFailure); returns the text to print.
std::string RunCommand(const Invocation& invocation);

}  // namespace tervolin::cli
