#include "data/item_reader.h"

#include <cmath>
#include <sstream>

#include "core/decimal_number.h"
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

std::string DescribeReadFailure(const ReadFailure& f) {
  const std::string n = std::to_string(f.itemNumber);
  switch (f.problem) {
    case ReadProblem::CannotOpen:
      return "ファイル " + f.fileName + " を開けません（見つからないか、読めません）";
    case ReadProblem::IsFolder:
      return f.fileName + " はフォルダです。ファイルではないため読めません";
    case ReadProblem::NotRegularFile:
      return f.fileName + " は通常のファイルではありません（デバイスや名前付きパイプなどは読めません）";
    case ReadProblem::TooLarge:
      return "ファイル " + f.fileName + " は大きすぎます（" + std::to_string(kLargestDataFile >> 20) +
             " MiB を超えています）";
    case ReadProblem::NotANumber:
      return "ファイル " + f.fileName + " の " + n + " 番目の項目「" + f.itemText + "」は数値ではありません";
    case ReadProblem::OutOfRange:
      return "ファイル " + f.fileName + " の " + n + " 番目の項目「" + f.itemText + "」は大きすぎる数値です";
    case ReadProblem::TooLong:
      return "ファイル " + f.fileName + " の " + n + " 番目の項目「" + f.itemText + "」は長すぎます（" +
             std::to_string(kLongestItem) + " 文字を超えています）";
    case ReadProblem::EndedEarly:
      return "ファイル " + f.fileName + " は " + std::to_string(f.itemNumber - 1) + " 個の項目で終わっています（" +
             std::to_string(f.itemsNeeded) + " 個必要）";
    case ReadProblem::BadRecord:
      return "ファイル " + f.fileName + " の " + std::to_string(f.record) + " 番目のレコードで、" + f.fault;
  }
  return "ファイル " + f.fileName + " を読めません";
}

}  // namespace tervolin
