#include "core/leading_number.h"

#include <string>

#include "core/decimal_number.h"

namespace tervolin {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string WithoutBlanks(std::string_view text) {
  std::string kept;
  for (const char c : text) {
    if (!IsBlank(c)) kept += c;
  }
  return kept;
}

}  // namespace

double ReadLeadingNumber(std::string_view text) {
  const std::string compact = WithoutBlanks(text);
  const std::size_t length = DecimalNumberLength(compact);
  return length == 0 ? 0.0 : DecimalNumberValue(std::string_view(compact).substr(0, length));
}

}  // namespace tervolin
