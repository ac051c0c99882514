#pragma once
// The measures of a surface's font as the front end that draws the text reports
// them, pixels: what a drawing procedure needs to centre or right-align a text.

#include <functional>
#include <string>

namespace tervolin {

struct TextMeasures {
  double ascent;  // from the top of a line to its baseline
  double height;  // one line
  std::function<double(const std::string& utf8Text)> width;
};

// Where text hangs from its top-left corner in a picture that does not measure its
// fonts (SVG): the baseline one ascent lower, about 0.88 of the size in the CJK fonts
// the screens use.
inline constexpr double kAscentPerSize = 0.88;

// Measures of a font of `pixels` where no text can be laid out (the command line,
// the page's library), on the generous side: a character of a CJK script a full
// em wide, one of two bytes in UTF-8 (°, Greek) 0.7 em, an ASCII one 0.62 em; a line
// 1.45 em, as in the Noto CJK fonts.
TextMeasures EstimatedTextMeasures(double pixels);

}  // namespace tervolin
