#include "core/leading_number.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace tervolin {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text without its blanks, one character at a time.
class BlankSkippingCursor {
 public:
  explicit BlankSkippingCursor(std::string_view text) : text_(text) { SkipBlanks(); }
  char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
  void Advance() {
    ++pos_;
    SkipBlanks();
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  }
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Appends the digits at the cursor; returns how many there were.
int TakeDigits(BlankSkippingCursor& cursor, std::string& out) {
  int count = 0;
  for (; IsDigit(cursor.Peek()); cursor.Advance(), ++count) out += cursor.Peek();
  return count;
}

void TakeSign(BlankSkippingCursor& cursor, std::string& out) {
  if (cursor.Peek() == '+' || cursor.Peek() == '-') {
    out += cursor.Peek();
    cursor.Advance();
  }
}

// Appends "e<sign><digits>" when a complete exponent follows; otherwise nothing.
void TakeExponent(BlankSkippingCursor cursor, std::string& out) {
  if (cursor.Peek() != 'e' && cursor.Peek() != 'E') return;
  cursor.Advance();
  std::string exponent = "e";
  TakeSign(cursor, exponent);
  if (TakeDigits(cursor, exponent) > 0) out += exponent;
}

// The leading number with its blanks removed, or "" when the text has none.
std::string LeadingNumberText(std::string_view text) {
  BlankSkippingCursor cursor(text);
  std::string number;
  TakeSign(cursor, number);
  int digits = TakeDigits(cursor, number);
  if (cursor.Peek() == '.') {
    number += '.';
    cursor.Advance();
    digits += TakeDigits(cursor, number);
  }
  if (digits == 0) return "";
  TakeExponent(cursor, number);
  return number;
}

// strtod in the "C" locale, whatever locale the program runs under.
double ParseInCLocale(const std::string& number) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return strtod_l(number.c_str(), nullptr, cLocale);
}

}  // namespace

double ReadLeadingNumber(std::string_view text) {
  const std::string number = LeadingNumberText(text);
  return number.empty() ? 0.0 : ParseInCLocale(number);
}

}  // namespace tervolin
