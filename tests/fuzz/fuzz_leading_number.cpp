// Any text typed into a field reads as a finite number or as none, without a crash.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/field_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto value = tervolin::ReadFieldNumber(text);
  if (value && !std::isfinite(*value)) std::abort();
  return 0;
}
