#pragma once
// The four commands: angles, spectrum, materials and compare.

#include <string>

#include "cli/options.h"

namespace tervolin::cli {

// Checks the invocation (UsageError), enters the data folder and runs the command
// (RunFailure); returns the text to print. Changes the working directory.
std::string RunCommand(const Invocation& invocation);

}  // namespace tervolin::cli
