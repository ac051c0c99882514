// The number texts: the printf-based forms the WebAssembly build uses against the
// standard library's std::to_chars, which the native build uses, over awkward and
// random doubles.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "core/number_text.h"

namespace tervolin {
namespace {

std::vector<double> AwkwardAndRandomDoubles() {
  std::vector<double> values{0.0,    -0.0,  1.0,     0.5,     -2.5,    1e-4,     1e-5,   123456.0, 1e5,
                             1e16,   1e22,  1e23,    0.1,     1.0 / 3, 5e-324,   1.7976931348623157e308,
                             100.0,  1e21,  2.5e-05, 0.001,   30.5,    3.0517578125e-05, 0.0005,
                             INFINITY, -INFINITY, 9.5, 0.0125, 0.9995, 2.675};
  std::mt19937_64 random(20261207);
  for (int i = 0; i < 20000; ++i) {
    const double value = std::bit_cast<double>(random());
    if (std::isfinite(value)) values.push_back(value);
    values.push_back(std::ldexp(static_cast<double>(random() >> 11), -53) * std::pow(10.0, i % 9 - 4));
  }
  return values;
}

TEST(NumberText, PrintfFormsEqualTheStandardLibrarysTexts) {
  for (const double value : AwkwardAndRandomDoubles()) {
    ASSERT_EQ(printf_fallback::ShortestText(value), ShortestText(value)) << std::hexfloat << value;
    ASSERT_EQ(printf_fallback::FixedText(value, 3), FixedText(value, 3)) << std::hexfloat << value;
    ASSERT_EQ(printf_fallback::ScientificText(value, 3), ScientificText(value, 3)) << std::hexfloat << value;
    ASSERT_EQ(printf_fallback::GeneralText(value, 6), GeneralText(value, 6)) << std::hexfloat << value;
  }
}

TEST(NumberText, ReadsDecimalNumbersAndRefusesOutOfRange) {
  EXPECT_EQ(UnsignedDecimalValue("0.1"), 0.1);
  EXPECT_EQ(UnsignedDecimalValue("1.5e3"), 1500.0);
  EXPECT_EQ(UnsignedDecimalValue("1e400"), std::nullopt);
  EXPECT_EQ(ShortestText(1e-5), "1e-05");
  EXPECT_EQ(ShortestText(123456.0), "123456");
}

}  // namespace
}  // namespace tervolin
