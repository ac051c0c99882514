#include "data/utf8_text.h"

#include <cstddef>

namespace tervolin {

namespace {

// Length in bytes of the UTF-8 sequence led by `lead`, 0 if it cannot lead one.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

bool IsDisplayableText(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || i + length > text.size() || lead < 0x20 || lead == 0x7F) return false;
    for (std::size_t k = 1; k < length; ++k)
      if (!IsContinuation(text[i + k])) return false;
    i += length;
  }
  return !text.empty();
}

}  // namespace tervolin
