#include "xrl_call.h"

#include <cmath>

namespace tervolin::tables {

void ThrowIfError(xrl_error* error, const std::string& call) {
  if (error == nullptr) return;
  std::string message = call + ": xraylib: ";
  message += error->message != nullptr ? error->message : "unknown error";
  xrl_error_free(error);
  throw TableError(message);
}

void RequirePositive(double value, const std::string& call) {
  if (std::isfinite(value) && value > 0.0) return;
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << call << " gave " << value << ", but every tabulated value must be positive";
  throw TableError(text.str());
}

}  // namespace tervolin::tables
