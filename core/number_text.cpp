#include "core/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#ifndef __EMSCRIPTEN__
#include <charconv>
#include <system_error>
#endif

namespace tervolin {

namespace printf_fallback {

namespace {

// The C library the WebAssembly build uses (musl) writes and reads "." in every
// locale; natively these run only under the "C" locale (the tests).
std::string Printed(const char* format, int decimals, double value) {
  char text[400];  // room for the largest double in fixed notation
  const int length = std::snprintf(text, sizeof text, format, decimals, value);
  return std::string(text, static_cast<std::size_t>(length));
}

// The fewest significant digits, "d.ddde±xx", that read back as `value` (finite, > 0).
std::string ShortestScientific(double value) {
  for (int decimals = 0;; ++decimals) {
    std::string text = Printed("%.*e", decimals, value);
    if (std::strtod(text.c_str(), nullptr) == value || decimals >= 17) return text;
  }
}

// "1.25e-05" as plain digits with its point where fixed notation puts it. A whole
// number is written with all its digits, as std::to_chars writes it.
std::string AsFixed(const std::string& scientific, double value) {
  const std::size_t e = scientific.find('e');
  std::string digits = scientific.substr(0, e);
  if (digits.size() > 1) digits.erase(1, 1);  // the point
  const int exponent = std::atoi(scientific.c_str() + e + 1);
  if (exponent < 0) return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= integerDigits) return Printed("%.*f", 0, value);
  return digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

}  // namespace

std::string FixedText(double value, int decimals) { return Printed("%.*f", decimals, value); }

std::string ScientificText(double value, int decimals) { return Printed("%.*e", decimals, value); }

std::string GeneralText(double value, int significant) { return Printed("%.*g", significant, value); }

std::string ShortestText(double value) {
  if (value == 0.0 || !std::isfinite(value)) return Printed("%.*g", 1, value);
  const std::string sign = std::signbit(value) ? "-" : "";
  const std::string scientific = ShortestScientific(std::fabs(value));
  const std::string fixed = AsFixed(scientific, std::fabs(value));
  return sign + (fixed.size() <= scientific.size() ? fixed : scientific);
}

}  // namespace printf_fallback

#ifdef __EMSCRIPTEN__

std::string FixedText(double value, int decimals) { return printf_fallback::FixedText(value, decimals); }

std::string ScientificText(double value, int decimals) { return printf_fallback::ScientificText(value, decimals); }

std::string GeneralText(double value, int significant) { return printf_fallback::GeneralText(value, significant); }

std::string ShortestText(double value) { return printf_fallback::ShortestText(value); }

// musl's strtod is correctly rounded and reads "." in every locale; beyond the
// range of a double it gives infinity or 0, as the callers make of nothing.
std::optional<double> UnsignedDecimalValue(std::string_view number) {
  return std::strtod(std::string(number).c_str(), nullptr);
}

#else

namespace {

std::string Charconv(double value, std::chars_format format, int decimals) {
  char text[400];  // room for the largest double in fixed notation
  const auto result = std::to_chars(text, text + sizeof text, value, format, decimals);
  return std::string(text, result.ptr);
}

}  // namespace

std::string FixedText(double value, int decimals) { return Charconv(value, std::chars_format::fixed, decimals); }

std::string ScientificText(double value, int decimals) {
  return Charconv(value, std::chars_format::scientific, decimals);
}

std::string GeneralText(double value, int significant) {
  return Charconv(value, std::chars_format::general, significant);
}

std::string ShortestText(double value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

std::optional<double> UnsignedDecimalValue(std::string_view number) {
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) return std::nullopt;
  return value;
}

#endif

}  // namespace tervolin
