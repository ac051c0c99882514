#pragma once
// A calculation or an output that could not be done; the program ends with status 1.

#include <stdexcept>

namespace tervolin::cli {

struct RunFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace tervolin::cli
