#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <future>
#include <thread>
#include <sstream>

#include "support/scratch_directory.h"

#include "data/data_file.h"
#include "data/item_reader.h"

namespace tervolin {
namespace {

ItemsRead Read(const std::string& text, std::size_t count) {
  std::istringstream in(text);
  return ReadItems(in, count, "test.dat");
}

std::vector<double> ReadOk(const std::string& text, std::size_t count) {
  const ItemsRead r = Read(text, count);
  EXPECT_FALSE(r.failure.has_value()) << text;
  return r.items;
}

TEST(ItemReader, LineStructureAndSeparatorsDoNotMatter) {
  const std::vector<double> expected{1, 2.5, -3, 4e-2, 5, 6};
  EXPECT_EQ(ReadOk("1,2.5,-3\n4e-2,5,6\n", 6), expected);
  EXPECT_EQ(ReadOk("1,2.5,-3,4e-2,5,6", 6), expected);
  EXPECT_EQ(ReadOk("1\n2.5\n-3\n4E-02\n5\n6\n", 6), expected);
  EXPECT_EQ(ReadOk("  1 , 2.5 ,\t-3\r\n4e-2 ,5,  6", 6), expected);
  EXPECT_EQ(ReadOk("1 2.5 -3\n4e-2\t5 6", 6), expected);
  EXPECT_EQ(ReadOk("\xEF\xBB\xBF" "1,2.5,-3,4e-2,5,6", 6), expected);
}

TEST(ItemReader, ItemsAfterTheCountAreNeverRead) {
  EXPECT_EQ(ReadOk("1,2,3\n4,5,6\ngarbage,,,", 6).size(), 6u);
}

TEST(ItemReader, NonNumberItemIsReportedWithItsPosition) {
  for (const char* text : {"1,2,x3", "1,2,inf", "1,2,nan", "1,2,0x10", "1,2,1.2.3", "1,,3",
                                 "1,2,3e", "1;2;3"}) {
    const ItemsRead r = Read(text, 3);
    ASSERT_TRUE(r.failure.has_value()) << text;
    EXPECT_EQ(r.failure->problem, ReadProblem::NotANumber) << text;
  }
  const ItemsRead r = Read("1, 2 ,abc", 3);
  ASSERT_TRUE(r.failure.has_value());
  EXPECT_EQ(r.failure->itemNumber, 3u);
  EXPECT_EQ(r.failure->itemText, "abc");
  EXPECT_EQ(r.failure->fileName, "test.dat");
}

TEST(ItemReader, EndOfFileBeforeTheLastItemIsADistinctFailure) {
  for (const char* text : {"", "   \n", "1,2", "1,2,"}) {
    const ItemsRead r = Read(text, 3);
    ASSERT_TRUE(r.failure.has_value()) << text;
    EXPECT_EQ(r.failure->problem, ReadProblem::EndedEarly) << text;
    EXPECT_EQ(r.failure->itemsNeeded, 3u);
  }
}

TEST(ItemReader, HugeExponentIsOutOfRangeButTinyOneUnderflows) {
  const ItemsRead huge = Read("1e400", 1);
  ASSERT_TRUE(huge.failure.has_value());
  EXPECT_EQ(huge.failure->problem, ReadProblem::OutOfRange);
  EXPECT_EQ(ReadOk("1e-400", 1), std::vector<double>{0.0});
}

TEST(ItemReader, MissingFileAndMessagesNameTheFile) {
  const ItemsRead r = ReadItemsFromFile("/nonexistent/dir/none.dat", 3, "none.dat");
  ASSERT_TRUE(r.failure.has_value());
  EXPECT_EQ(r.failure->problem, ReadProblem::CannotOpen);
  for (ReadProblem p : {ReadProblem::CannotOpen, ReadProblem::NotANumber, ReadProblem::OutOfRange,
                        ReadProblem::EndedEarly}) {
    const std::string text = DescribeReadFailure({p, "XFS_Data/鉄.xfs", 7, "abc", 135}, Language::kJapanese);
    EXPECT_NE(text.find("XFS_Data/鉄.xfs"), std::string::npos);
  }
  EXPECT_NE(DescribeReadFailure({ReadProblem::EndedEarly, "a", 100, "", 135}, Language::kJapanese).find("99"), std::string::npos);
}

TEST(ItemReader, AnItemLongerThanAnyNumberIsTooLongNotCut) {
  // Cut at any length, this item would read as 1.1468 instead of 1.1468E+01.
  const ItemsRead r = Read("1,1.1468" + std::string(5000, '0') + "E+01,3", 3);
  ASSERT_TRUE(r.failure.has_value());
  EXPECT_EQ(r.failure->problem, ReadProblem::TooLong);
  EXPECT_EQ(r.failure->itemNumber, 2u);
  const std::string text = DescribeReadFailure(*r.failure, Language::kJapanese);
  EXPECT_NE(text.find("test.dat"), std::string::npos) << text;
  EXPECT_NE(text.find(" 2 "), std::string::npos) << text;
  EXPECT_EQ(ReadOk("1," + std::string(99, '0') + "1,3", 3)[1], 1.0);  // 100 characters
  EXPECT_EQ(Read("1," + std::string(100, '0') + "1,3", 3).failure->problem, ReadProblem::TooLong);
}

TEST(ItemReader, BadItemIsShownShortWithRawBytesEscaped) {
  const ItemsRead binary = Read(std::string("1,a\x01\x00\xff\xfe\x7f", 8), 2);
  ASSERT_TRUE(binary.failure.has_value());
  EXPECT_EQ(binary.failure->itemText, "a\\x01\\x00\\xFF\\xFE\\x7F");
  EXPECT_EQ(Read("鉄x", 1).failure->itemText, "鉄x");  // readable text stays readable
  EXPECT_EQ(Read("\xe9\x89x", 1).failure->itemText, "\\xE9\\x89x");  // a cut UTF-8 character
  EXPECT_EQ(Read("a\u202Eb", 1).failure->itemText, "a\\u202Eb") << "the right-to-left override";
  const ItemsRead longItem = Read(std::string(60, 'z'), 1);
  EXPECT_EQ(longItem.failure->itemText, std::string(30, 'z') + "…");
}

TEST(ItemReaderFile, OnlyRegularFilesAreRead) {
  testing::ScratchDirectory dir;
  const std::filesystem::path at = dir.path();
  dir.Write("table.dat", "1,2,3\n");
  std::filesystem::create_symlink("table.dat", at / "link.dat");
  EXPECT_FALSE(ReadItemsFromFile(at / "link.dat", 3, "link.dat").failure.has_value());
  std::filesystem::create_directory(at / "folder.dat");
  std::filesystem::create_symlink("/dev/zero", at / "zero.dat");
  const struct {
    std::filesystem::path file;
    ReadProblem problem;
  } cases[] = {{at / "folder.dat", ReadProblem::IsFolder}, {at / "zero.dat", ReadProblem::NotRegularFile},
               {"/dev/null", ReadProblem::NotRegularFile}, {at / "none.dat", ReadProblem::CannotOpen}};
  for (const auto& c : cases) {
    const std::string name = c.file.filename().string();
    const ItemsRead r = ReadItemsFromFile(c.file, 3, name);
    ASSERT_TRUE(r.failure.has_value()) << name;
    EXPECT_EQ(r.failure->problem, c.problem) << name;
    EXPECT_NE(DescribeReadFailure(*r.failure, Language::kJapanese).find(name), std::string::npos);
  }
}

// The file becomes a named pipe 20 ms into the open, as another program may make it
// between a check by name and the open.
int OpenAfterTurningIntoAPipe(const char* path, int flags) {
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  ::unlink(path);
  ::mkfifo(path, 0600);
  return ::open(path, flags);
}

// A named pipe there before, or swapped in during the open: refused, never waited on.
TEST(ItemReaderFile, ANamedPipeIsRefusedWithoutWaitingForAWriter) {
  testing::ScratchDirectory dir;
  const std::filesystem::path pipe = dir.path() / "pipe.dat";
  FileSystemCalls swapping;
  swapping.open = OpenAfterTurningIntoAPipe;
  for (const FileSystemCalls& calls : {FileSystemCalls{}, swapping}) {
    std::filesystem::remove(pipe);
    if (calls.open == SystemOpen) ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    else dir.Write("pipe.dat", "1,2,3\n");
    auto read = std::async(std::launch::async, [&] { return ReadItemsFromFile(pipe, 3, "pipe.dat", calls); });
    if (read.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
      std::ofstream(pipe) << "1";  // lets the blocked open go on
      FAIL() << "opening a named pipe blocked";
    }
    const ItemsRead r = read.get();
    ASSERT_TRUE(r.failure.has_value());
    EXPECT_EQ(r.failure->problem, ReadProblem::NotRegularFile);
  }
}

TEST(ItemReaderFile, AFileLargerThanAnyTableIsRefused) {
  testing::ScratchDirectory dir;
  const std::filesystem::path big = dir.path() / "big.dat";
  dir.Write("big.dat", "1,2,3\n" + std::string(kLargestDataFile, ' '));
  const ItemsRead r = ReadItemsFromFile(big, 3, "big.dat");
  ASSERT_TRUE(r.failure.has_value());
  EXPECT_EQ(r.failure->problem, ReadProblem::TooLarge);
  dir.Write("big.dat", "1,2,3\n" + std::string(kLargestDataFile - 6, ' '));
  EXPECT_FALSE(ReadItemsFromFile(big, 3, "big.dat").failure.has_value());
}

}  // namespace
}  // namespace tervolin
