#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "core/leading_number.h"

namespace tervolin {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
  EXPECT_EQ(ReadLeadingNumber("100"), 100.0);
  EXPECT_EQ(ReadLeadingNumber("  59.5 keV"), 59.5);
  EXPECT_EQ(ReadLeadingNumber("-3.25"), -3.25);
  EXPECT_EQ(ReadLeadingNumber("+7"), 7.0);
  EXPECT_EQ(ReadLeadingNumber(".5"), 0.5);
  EXPECT_EQ(ReadLeadingNumber("5."), 5.0);
  EXPECT_EQ(ReadLeadingNumber("1.5E-02"), 0.015);
  EXPECT_EQ(ReadLeadingNumber("2e3x"), 2000.0);
  EXPECT_EQ(ReadLeadingNumber("12,5"), 12.0);
}

TEST(LeadingNumber, IgnoresBlanksInsideTheNumber) {
  EXPECT_EQ(ReadLeadingNumber("1 00"), 100.0);
  EXPECT_EQ(ReadLeadingNumber("- 5"), -5.0);
  EXPECT_EQ(ReadLeadingNumber("\t 1 e 2"), 100.0);
}

TEST(LeadingNumber, TextWithoutALeadingNumberReadsAsZero) {
  for (const char* text : {"", " ", "abc", "keV 100", ".", "-", "+.", "e5", "inf", "-Infinity",
                           "nan", "NaN(1)", "\xEF\xBD\x85" /* ｅ */, "\xE3\x80\x80"}) {
    EXPECT_EQ(ReadLeadingNumber(text), 0.0) << text;
  }
}

// What a Japanese input method types; a text that gave a number with its ASCII part
// alone keeps that number.
TEST(LeadingNumber, FullWidthFormsReadAsTheirAsciiFormsWhereTheTextReadAsZero) {
  const struct {
    const char* text;
    double value;
  } cases[] = {{"１２０", 120.0},  {"６０．５", 60.5},   {"－１", -1.0},      {"＋７", 7.0},
               {"　１２", 12.0},   {"１ ２", 12.0},      {"０．５keV", 0.5}, {"12０", 12.0},
               {"1．5", 1.0},      {"０", 0.0},          {"－", 0.0},        {"ａ１", 0.0}};
  for (const auto& c : cases) EXPECT_EQ(ReadLeadingNumber(c.text), c.value) << c.text;
}

TEST(LeadingNumber, HexAndIncompleteExponentsStopAtTheirFirstInvalidCharacter) {
  EXPECT_EQ(ReadLeadingNumber("0x1A"), 0.0);
  EXPECT_EQ(ReadLeadingNumber("1e"), 1.0);
  EXPECT_EQ(ReadLeadingNumber("1e+"), 1.0);
  EXPECT_EQ(ReadLeadingNumber("1.5e-x"), 1.5);
}

TEST(LeadingNumber, OutOfRangeExponentIsNotClampedIntoAPlausibleValue) {
  EXPECT_TRUE(std::isinf(ReadLeadingNumber("1e400")));
  EXPECT_GT(ReadLeadingNumber("1e400"), 0.0);
  EXPECT_LT(ReadLeadingNumber("-1e99999999999999999999"), 0.0);
  EXPECT_TRUE(std::isinf(ReadLeadingNumber("-1e99999999999999999999")));
  EXPECT_EQ(ReadLeadingNumber("1e-400"), 0.0);
  EXPECT_EQ(ReadLeadingNumber(std::string(400, '9') + "e-390"), 1e10);
}

TEST(LeadingNumber, TooLargeOrTooSmallIsJudgedByTheWholeNumberNotItsExponentAlone) {
  EXPECT_TRUE(std::isinf(ReadLeadingNumber("1" + std::string(310, '0'))));
  EXPECT_TRUE(std::isinf(ReadLeadingNumber("0.00001e314")));
  EXPECT_EQ(ReadLeadingNumber("0.0000001e-320"), 0.0);
  EXPECT_TRUE(std::signbit(ReadLeadingNumber("-" + std::string(20, '0') + "1e-330")));
  EXPECT_EQ(ReadLeadingNumber("0." + std::string(400, '0') + "1e+390"), 1e-11);
  EXPECT_EQ(ReadLeadingNumber("4.9406564584124654e-324"), 4.9406564584124654e-324);
  EXPECT_EQ(ReadLeadingNumber("1.7976931348623157e308"), 1.7976931348623157e308);
}

TEST(LeadingNumber, PointIsTheDecimalSeparatorUnderACommaLocale) {
  // The test command generates de_DE.UTF-8 when the machine lacks it.
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
  EXPECT_EQ(ReadLeadingNumber("2.5"), 2.5);
  EXPECT_EQ(ReadLeadingNumber("2,5"), 2.0);
  std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace tervolin
