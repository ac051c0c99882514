#include "core/message_language.h"

namespace tervolin {

Language MessageLanguage() { return TerminalLanguageOfProcessEnvironment(); }

std::string Message(TextId id, const std::vector<std::string>& parameters) {
  return TextOf(id, parameters, MessageLanguage());
}

}  // namespace tervolin
