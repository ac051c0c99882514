#pragma once
// A problem worded for the user, as the warning boxes, the page and tervolin-calc show
// it: the catalogue's text with its parameters filled in, framed by ideographic spaces
// (U+3000) where the screens frame their own checks' messages.

#include <string>

#include "core/outcome.h"
#include "core/text_catalogue.h"

namespace tervolin {

// A text shown as the screens show their own checks' messages.
std::string Framed(const std::string& text);

// The message of `problem` in `language`, "{n}" replaced by its n-th parameter.
std::string MessageOf(const Problem& problem, Language language);
// The message of a problem of this kind without parameters.
std::string MessageOf(TextId kind, Language language);

}  // namespace tervolin
