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

}  // namespace tervolin
