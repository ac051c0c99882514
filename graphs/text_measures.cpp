#include "graphs/text_measures.h"

namespace tervolin {

namespace {

inline constexpr double kAsciiWidth = 0.62;     // em
inline constexpr double kTwoByteWidth = 0.7;    // em
inline constexpr double kLineHeight = 1.45;     // em

double EstimatedEms(const std::string& text) {
  double ems = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) ems += kAsciiWidth;
    if (byte >= 0xC0 && byte < 0xE0) ems += kTwoByteWidth;
    if (byte >= 0xE0) ems += 1;
  }
  return ems;
}

}  // namespace

TextMeasures EstimatedTextMeasures(double pixels) {
  return {kAscentPerSize * pixels, kLineHeight * pixels,
          [pixels](const std::string& text) { return EstimatedEms(text) * pixels; }};
}

}  // namespace tervolin
