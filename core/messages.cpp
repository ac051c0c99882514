#include "core/messages.h"

namespace tervolin {


std::string Framed(const std::string& text) { return "　" + text + "　"; }

std::string MessageOf(const Problem& problem) {
  const std::string text = TextOf(problem.kind, problem.parameters);
  return CatalogueEntryOf(problem.kind).framed ? Framed(text) : text;
}

std::string MessageOf(TextId kind) { return MessageOf(Problem{kind}); }

}  // namespace tervolin
