#include "core/decimal_number.h"

#include <limits>

#include "core/number_text.h"

namespace tervolin {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSign(char c) { return c == '+' || c == '-'; }

std::size_t SkipDigits(std::string_view s, std::size_t i) {
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i;
}

// End of "(e|E) [sign] digits" starting at `i`, or `i` when no complete exponent is there.
std::size_t ExponentEnd(std::string_view s, std::size_t i) {
  if (i >= s.size() || (s[i] != 'e' && s[i] != 'E')) return i;
  std::size_t digits = i + 1;
  if (digits < s.size() && IsSign(s[digits])) ++digits;
  const std::size_t end = SkipDigits(s, digits);
  return end > digits ? end : i;
}

// Whether a number that does not fit a double is too large (rather than too small):
// the power of ten of its first non-zero digit is positive. The exponent saturates,
// so any number of exponent digits is safe.
bool BeyondLargest(std::string_view number) {
  long long power = 0;
  bool significant = false, afterPoint = false;
  std::size_t i = 0;
  for (; i < number.size() && (IsDigit(number[i]) || number[i] == '.'); ++i) {
    if (number[i] == '.') afterPoint = true;
    else if (number[i] != '0') significant = true;
    if (IsDigit(number[i]) && significant != afterPoint) power += afterPoint ? -1 : 1;
  }
  long long exponent = 0;
  const bool negative = i + 1 < number.size() && number[i + 1] == '-';
  for (++i; i < number.size(); ++i) {
    if (IsDigit(number[i]) && exponent < 1'000'000'000) exponent = exponent * 10 + (number[i] - '0');
  }
  return power + (negative ? -exponent : exponent) > 0;
}

}  // namespace

std::size_t DecimalNumberLength(std::string_view text) {
  const std::size_t start = (!text.empty() && IsSign(text[0])) ? 1 : 0;
  const std::size_t integerEnd = SkipDigits(text, start);
  std::size_t end = integerEnd;
  if (end < text.size() && text[end] == '.') end = SkipDigits(text, end + 1);
  const std::size_t digits = end - start - (end > integerEnd ? 1 : 0);
  return digits == 0 ? 0 : ExponentEnd(text, end);
}

double DecimalNumberValue(std::string_view number) {
  const bool negative = !number.empty() && number[0] == '-';
  if (!number.empty() && IsSign(number[0])) number.remove_prefix(1);
  const std::optional<double> parsed = UnsignedDecimalValue(number);
  const double value = parsed ? *parsed : BeyondLargest(number) ? std::numeric_limits<double>::infinity() : 0.0;
  return negative ? -value : value;
}

}  // namespace tervolin
