#include <gtest/gtest.h>

#include <sstream>

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
    const std::string text = DescribeReadFailure({p, "XFS_Data/鉄.xfs", 7, "abc", 135});
    EXPECT_NE(text.find("XFS_Data/鉄.xfs"), std::string::npos);
  }
  EXPECT_NE(DescribeReadFailure({ReadProblem::EndedEarly, "a", 100, "", 135}).find("99"), std::string::npos);
}

}  // namespace
}  // namespace tervolin
