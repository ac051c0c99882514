// Any text typed into a field reads as a number or as 0, without a crash; the
// value is finite or an infinity, never NaN.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/leading_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (std::isnan(tervolin::ReadLeadingNumber(text))) std::abort();
  return 0;
}
