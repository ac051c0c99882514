#include "data/item_reader.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "core/decimal_number.h"
#include "core/number_text.h"
#include "core/tables.h"
#include "data/data_file.h"
#include "data/shown_item.h"

namespace tervolin {

namespace {

bool IsSpace(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

void SkipSpaces(std::istream& in) {
  while (IsSpace(in.peek())) in.get();
}

// A byte-order mark some editors put at the start of a UTF-8 file.
void SkipByteOrderMark(std::istream& in) {
  static const std::string kMark = "\xEF\xBB\xBF";
  if (in.peek() != static_cast<unsigned char>(kMark[0])) return;
  std::string head(3, '\0');
  in.read(head.data(), 3);
  if (head == kMark) return;
  in.clear();
  in.seekg(0);
}

// The characters of the next item, kept up to one more than kLongestItem, and the
// separator after it consumed.
std::string TakeItem(std::istream& in) {
  std::string item;
  for (int c = in.peek(); c != EOF && c != ',' && !IsSpace(c); c = in.peek()) {
    if (item.size() <= kLongestItem) item += static_cast<char>(c);
    in.get();
  }
  SkipSpaces(in);
  if (in.peek() == ',') {
    in.get();
    SkipSpaces(in);
  }
  return item;
}

// The whole item is one decimal number.
bool IsDecimalNumber(const std::string& item) {
  return !item.empty() && DecimalNumberLength(item) == item.size();
}

ReadFailure Failure(ReadProblem problem, const std::string& fileName, std::size_t itemNumber,
                    const std::string& item, std::size_t count) {
  return {problem, fileName, itemNumber, ShownItem(item), count};
}

// What is wrong with an item as a number, or nothing.
std::optional<ReadProblem> ItemProblem(const std::string& item) {
  if (item.size() > kLongestItem) return ReadProblem::TooLong;
  if (!IsDecimalNumber(item)) return ReadProblem::NotANumber;
  if (std::isinf(DecimalNumberValue(item))) return ReadProblem::OutOfRange;
  return std::nullopt;
}

}  // namespace

ItemsRead ReadItems(std::istream& in, std::size_t count, const std::string& fileName) {
  ItemsRead result;
  SkipByteOrderMark(in);
  SkipSpaces(in);
  for (std::size_t n = 1; n <= count; ++n) {
    if (in.peek() == EOF) {
      result.failure = Failure(ReadProblem::EndedEarly, fileName, n, "", count);
      return result;
    }
    const std::string item = TakeItem(in);
    if (const std::optional<ReadProblem> problem = ItemProblem(item)) {
      result.failure = Failure(*problem, fileName, n, item, count);
      return result;
    }
    result.items.push_back(DecimalNumberValue(item));
  }
  return result;
}

ItemsRead ReadItemsFromFile(const std::filesystem::path& path, std::size_t count, const std::string& fileName,
                            const FileSystemCalls& calls) {
  const DataFileBytes file = ReadDataFileBytes(path, calls);
  if (file.problem) {
    ItemsRead result;
    result.failure = Failure(*file.problem, fileName, 1, "", count);
    return result;
  }
  std::istringstream in(file.bytes);
  return ReadItems(in, count, fileName);
}

namespace {

// The line of `text` that begins at `start`, where the items' separators after the
// last item end; the last item ends where those separators begin.
TextAfterItems LineAt(const std::string& text, std::size_t start) {
  std::size_t lastItemEnd = start;
  while (lastItemEnd > 0 && (IsSpace(text[lastItemEnd - 1]) || text[lastItemEnd - 1] == ',')) --lastItemEnd;
  TextAfterItems after;
  after.number = 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + start, '\n'));
  after.lastItemsLine = text.find('\n', lastItemEnd) >= start;
  after.line = text.substr(start, text.find('\n', start) - start);
  while (!after.line.empty() && IsSpace(after.line.back())) after.line.pop_back();
  return after;
}

}  // namespace

ItemsAndNextLine ReadItemsAndNextLine(const std::filesystem::path& path, std::size_t count,
                                      const std::string& fileName) {
  const DataFileBytes file = ReadDataFileBytes(path);
  ItemsAndNextLine result;
  if (file.problem) {
    result.read.failure = Failure(*file.problem, fileName, 1, "", count);
    return result;
  }
  std::istringstream in(file.bytes);
  result.read = ReadItems(in, count, fileName);
  in.clear();
  const std::streamoff start = in.tellg();
  if (!result.read.failure) result.after = LineAt(file.bytes, start < 0 ? file.bytes.size() : std::size_t(start));
  return result;
}

namespace {

TextId ReadTextOf(ReadProblem problem) {
  switch (problem) {
    case ReadProblem::CannotOpen: return TextId::kReadCannotOpen;
    case ReadProblem::IsFolder: return TextId::kReadIsFolder;
    case ReadProblem::NotRegularFile: return TextId::kReadNotRegularFile;
    case ReadProblem::TooLarge: return TextId::kReadTooLarge;
    case ReadProblem::NotANumber: return TextId::kReadNotANumber;
    case ReadProblem::OutOfRange: return TextId::kReadOutOfRange;
    case ReadProblem::TooLong: return TextId::kReadTooLong;
    case ReadProblem::EndedEarly: return TextId::kReadEndedEarly;
    case ReadProblem::BadRecord: return TextId::kReadBadRecord;
    case ReadProblem::HalfReplaced: return TextId::kReadHalfReplaced;
    case ReadProblem::BadMolarMass: return TextId::kReadBadMolarMass;
  }
  return TextId::kReadFailed;
}

// The texts that fill the problem's "{2}", "{3}", "{4}" after the file's name.
std::vector<std::string> ReadParameters(const ReadFailure& f, Language language) {
  switch (f.problem) {
    case ReadProblem::TooLarge: return {f.fileName, std::to_string(kLargestDataFile >> 20)};
    case ReadProblem::TooLong:
      return {f.fileName, std::to_string(f.itemNumber), f.itemText, std::to_string(kLongestItem)};
    case ReadProblem::EndedEarly:
      return {f.fileName, std::to_string(f.itemNumber - 1), std::to_string(f.itemsNeeded)};
    case ReadProblem::BadRecord:
      return {f.fileName, std::to_string(f.record), TextOf(f.fault, {TextOf(f.column, language)}, language)};
    case ReadProblem::BadMolarMass: {
      const std::vector<std::string> range{ShortestText(kSmallestMolarMass), ShortestText(kLargestMolarMass)};
      return {f.fileName, std::to_string(f.itemNumber), f.itemText, TextOf(TextId::kValueRange, range, language)};
    }
    default: return {f.fileName, std::to_string(f.itemNumber), f.itemText};
  }
}

}  // namespace

std::string DescribeReadFailure(const ReadFailure& f, Language language) {
  return TextOf(ReadTextOf(f.problem), ReadParameters(f, language), language);
}

}  // namespace tervolin
