#include "core/field_number.h"

#include <cmath>
#include <string>

#include "core/decimal_number.h"

namespace tervolin {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The ASCII character of a full-width digit, point or sign (U+FF0B, U+FF0D, U+FF0E,
// U+FF10…U+FF19, encoded EF BC 8B…99) or a blank for the ideographic space (E3 80 80);
// 0 for any other three bytes.
char AsciiFormOf(std::string_view three) {
  if (three == "\xE3\x80\x80") return ' ';
  if (three.substr(0, 2) != "\xEF\xBC") return 0;
  const unsigned char last = static_cast<unsigned char>(three[2]);
  const bool numeric = last == 0x8B || last == 0x8D || last == 0x8E || (last >= 0x90 && last <= 0x99);
  return numeric ? static_cast<char>(last - 0x60) : 0;
}

// The ASCII character of any full-width form (U+FF01…U+FF5E, EF BC 81…EF BD 9E) or
// a blank for the ideographic space; 0 for any other three bytes.
char AnyAsciiFormOf(std::string_view three) {
  if (three == "\xE3\x80\x80") return ' ';
  const unsigned char second = static_cast<unsigned char>(three[1]), last = static_cast<unsigned char>(three[2]);
  if (three[0] != '\xEF' || (second != 0xBC && second != 0xBD) || last < 0x80 || last > 0xBF) return 0;
  const int code = (second - 0xBC) * 0x40 + (last - 0x80) + 0xFF00;  // U+FF00…U+FF7F
  return code >= 0xFF01 && code <= 0xFF5E ? static_cast<char>(code - 0xFF00 + 0x20) : 0;
}

// The text with the full-width forms that `formOf` knows replaced by their ASCII forms.
std::string WithAsciiForms(std::string_view text, char (*formOf)(std::string_view) = AsciiFormOf) {
  std::string ascii;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char form = text.size() - i >= 3 ? formOf(text.substr(i, 3)) : 0;
    if (form != 0) i += 2;
    ascii += form != 0 ? form : text[i];
  }
  return ascii;
}

}  // namespace

std::optional<double> ReadFieldNumber(std::string_view text) {
  const std::string ascii = WithAsciiForms(text);
  const std::string_view number = Trimmed(ascii);
  if (number.empty() || DecimalNumberLength(number) != number.size()) return std::nullopt;
  const double value = DecimalNumberValue(number);
  return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

double FieldNumberOrZero(std::string_view text) { return ReadFieldNumber(text).value_or(0.0); }

std::string FieldWord(std::string_view text) { return std::string(Trimmed(WithAsciiForms(text, AnyAsciiFormOf))); }

}  // namespace tervolin
