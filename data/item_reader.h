#pragma once
// Sequential reading of numeric items from a data file. An item ends at a comma or
// at a run of white space; a comma together with the white space around it is one
// separator; white space before the first item is skipped and the line structure
// does not matter. An item is a decimal number: optional sign, digits with "." as
// the decimal point whatever the locale, optional exponent ("1.5E-02").

#include <cstddef>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "core/text_catalogue.h"
#include "data/data_file.h"

namespace tervolin {

// No number needs more characters than this; a longer item is never cut to fit.
inline constexpr std::size_t kLongestItem = 100;

struct ReadFailure {
  ReadProblem problem;
  std::string fileName;     // as shown to the user, e.g. "XFS_Data/鉄.xfs"
  std::size_t itemNumber;   // 1-based number of the offending or missing item; for BadMolarMass its line's
  std::string itemText;     // the offending item (for BadMolarMass its line) as shown (ShownItem), for
                            // NotANumber/OutOfRange/TooLong/BadMolarMass
  std::size_t itemsNeeded;  // how many items the table needs
  std::size_t record = 0;   // for BadRecord: the 1-based record
  TextId fault = TextId::kReadFailed;   // for BadRecord: what is wrong (kColumn…), of
  TextId column = TextId::kReadFailed;  // the column it is wrong in
};

// One-line description for the user in `language`, naming the file and the problem.
std::string DescribeReadFailure(const ReadFailure& failure, Language language);

struct ItemsRead {
  std::vector<double> items;           // all `count` items when failure is empty
  std::optional<ReadFailure> failure;  // why reading stopped early
};

// Reads the first `count` items of a stream; whatever follows them is never read.
[[nodiscard]] ItemsRead ReadItems(std::istream& in, std::size_t count, const std::string& fileName);

// The same for a file, read only when it is a regular file of bounded size (see
// data/data_file.h); fileName is the name reported in a failure.
[[nodiscard]] ItemsRead ReadItemsFromFile(const std::filesystem::path& path, std::size_t count,
                                          const std::string& fileName, const FileSystemCalls& calls = {});

// The first line of text after a table's items, blank lines skipped: its text
// without the line break and the blanks at its end (empty when nothing follows), its
// 1-based number, and whether it is the line the last item stands on.
struct TextAfterItems {
  std::string line;
  std::size_t number = 0;
  bool lastItemsLine = false;
};

struct ItemsAndNextLine {
  ItemsRead read;
  TextAfterItems after;  // when read.failure is empty
};

// ReadItemsFromFile, and the line that follows the items.
[[nodiscard]] ItemsAndNextLine ReadItemsAndNextLine(const std::filesystem::path& path, std::size_t count,
                                                    const std::string& fileName);

}  // namespace tervolin
