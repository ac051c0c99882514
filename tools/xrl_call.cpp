#include "xrl_call.h"

#include "message_language.h"

#include <cmath>

namespace tervolin::tables {

void ThrowIfError(xrl_error* error, const std::string& call) {
  if (error == nullptr) return;
  // xraylib's own words stay as they are.
  const std::string said =
      error->message != nullptr ? std::string(error->message) : Message(TextId::kTablesXraylibUnknownError);
  const std::string message = Message(TextId::kTablesXraylibError, {call, said});
  xrl_error_free(error);
  throw TableError(message);
}

void ThrowNoResult(const std::string& call) {
  throw TableError(Message(TextId::kTablesXraylibNoResult, {call}));
}

void RequirePositive(double value, const std::string& call) {
  if (std::isfinite(value) && value > 0.0) return;
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << value;
  throw TableError(Message(TextId::kTablesNotPositive, {call, text.str()}));
}

}  // namespace tervolin::tables
