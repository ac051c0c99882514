#include "core/messages.h"

namespace tervolin {

std::string Framed(const std::string& text) { return "　" + text + "　"; }

std::string MessageOf(const Problem& problem, Language language) {
  const std::string text = TextOf(problem.kind, problem.parameters, language);
  return CatalogueEntryOf(problem.kind, language).framed ? Framed(text) : text;
}

std::string MessageOf(TextId kind, Language language) { return MessageOf(Problem{kind}, language); }

}  // namespace tervolin
