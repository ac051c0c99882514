// Arbitrary bytes as a data file: the reader returns all items or one failure, whose
// item is shown short and without raw control bytes.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "data/item_reader.h"
#include "data/shown_item.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t count = 1 + data[0] % 64;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  const tervolin::ItemsRead read = tervolin::ReadItems(in, count, "fuzz.dat");
  if (!read.failure && read.items.size() != count) std::abort();
  for (double value : read.items) {
    if (!std::isfinite(value)) std::abort();
  }
  if (!read.failure) return 0;
  if (tervolin::DescribeReadFailure(*read.failure, tervolin::Language::kJapanese).empty()) std::abort();
  const std::string& shown = read.failure->itemText;
  // At most 10 bytes a character ("\U000E0001" for a format character), then "…".
  if (shown.size() > 10 * tervolin::kShownItemCharacters + 3) std::abort();
  for (unsigned char c : shown) {
    if (c < 0x20 || c == 0x7F) std::abort();
  }
  return 0;
}
