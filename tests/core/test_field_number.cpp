#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>
#include <vector>

#include "core/field_number.h"

namespace tervolin {
namespace {

// Texts that read wholly as one number, with the value used.
TEST(FieldNumber, AcceptsATextThatIsOneNumberWithBlanksAroundIt) {
  const struct {
    std::string text;
    double value;
  } cases[] = {{"100", 100.0}, {"  59.5 ", 59.5}, {"-3.25", -3.25}, {"+7", 7.0}, {".5", 0.5}, {"5.", 5.0},
               {"1.5E-02", 0.015}, {"1e2", 100.0}, {"\t80\n", 80.0},
               // What a Japanese input method types.
               {"１２０", 120.0}, {"６０．５", 60.5}, {"－１", -1.0}, {"＋７", 7.0}, {"　１２　", 12.0},
               {"12０", 120.0}, {"1．5", 1.5}, {"０", 0.0}, {"９０", 90.0},
               {"０１２３４５６７８９", 123456789.0}, {"９８．７６５４３２１０", 98.7654321},
               // Judged by the whole number, not its exponent alone; too small is 0.
               {"1e-400", 0.0}, {std::string(400, '9') + "e-390", 1e10}, {"0.0000001e-320", 0.0},
               {"0." + std::string(400, '0') + "1e+390", 1e-11},
               {"4.9406564584124654e-324", 4.9406564584124654e-324},
               {"1.7976931348623157e308", 1.7976931348623157e308}};
  for (const auto& c : cases) EXPECT_EQ(ReadFieldNumber(c.text), c.value) << c.text;
  EXPECT_TRUE(std::signbit(*ReadFieldNumber("-" + std::string(20, '0') + "1e-330")));
}

// Anything else is no number, never the number it begins with; an added filter
// reads it as no filter.
TEST(FieldNumber, RefusesEveryOtherText) {
  for (const std::string& text : std::vector<std::string>{
           "", " ", "\xE3\x80\x80", "abc", "keV 100", "59.5 keV", ".", "-", "+.", "e5", "inf", "-Infinity", "nan",
        "NaN(1)", "\xEF\xBD\x85" /* ｅ */, "12,5", "2e3x", "1 00", "- 5", "\t 1 e 2", "１ ２", "０．５keV", "－",
        "ａ１", "0x1A", "1e", "1e+", "1.5e-x", "1e400", "-1e99999999999999999999", "1" + std::string(310, '0'),
        "0.00001e314"}) {
    EXPECT_EQ(ReadFieldNumber(text), std::nullopt) << text;
    EXPECT_EQ(FieldNumberOrZero(text), 0.0) << text;
  }
}

TEST(FieldNumber, PointIsTheDecimalSeparatorUnderACommaLocale) {
  // The test command generates de_DE.UTF-8 when the machine lacks it.
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
  EXPECT_EQ(ReadFieldNumber("2.5"), 2.5);
  EXPECT_EQ(ReadFieldNumber("2,5"), std::nullopt);
  std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace tervolin
