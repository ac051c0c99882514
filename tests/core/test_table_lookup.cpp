#include <gtest/gtest.h>

#include "core/failure_rule.h"
#include "core/table_lookup.h"
#include "support/recording_host.h"
#include "support/synthetic_tables.h"

namespace tervolin {
namespace {

using testing::FillExampleLookupTable;
using testing::HostFixtureInstaller;

TEST(LogLogLookup, InterpolatesAsAPowerLawBetweenNeighbouringRows) {
  HostFixtureInstaller fixture;
  const XfsTable values = FillExampleLookupTable();
  EXPECT_NEAR(LogLogLookup(0.15, values), 10.0 * 0.1 / 0.15, 1e-12);
  EXPECT_NEAR(LogLogLookup(0.05, values), 20.0, 1e-12);  // rows 1–2 extended below row 1
  EXPECT_NEAR(LogLogLookup(0.3, values), 4.38814814, 1e-8);
}

TEST(LogLogLookup, AGridValueMakesItsRowTheLowerRow) {
  HostFixtureInstaller fixture;
  const XfsTable values = FillExampleLookupTable();
  EXPECT_NEAR(LogLogLookup(0.2, values), 5.0, 1e-12);
  EXPECT_NEAR(LogLogLookup(0.4, values), 4.0, 1e-12);
}

TEST(LogLogLookup, FailsWhereALogarithmOrTheSearchFails) {
  HostFixtureInstaller fixture;
  XfsTable values = FillExampleLookupTable();
  EXPECT_THROW(LogLogLookup(0.0, values), ArithmeticFailure);
  EXPECT_THROW(LogLogLookup(-0.15, values), ArithmeticFailure);
  EXPECT_THROW(LogLogLookup(Shared().XfsGrid[kXfsRows], values), ArithmeticFailure);
  EXPECT_THROW(LogLogLookup(1e300, values), ArithmeticFailure);
  values[1] = 0.0;
  EXPECT_THROW(LogLogLookup(0.15, values), ArithmeticFailure);
  EXPECT_NO_THROW(LogLogLookup(0.3, values));  // row 1 is only used below row 2
}

TEST(LogLogLookup, EqualOrNonPositiveBracketGridValuesFail) {
  HostFixtureInstaller fixture;
  const XfsTable values = FillExampleLookupTable();
  Shared().XfsGrid[1] = 0.2;  // equal to row 2
  EXPECT_THROW(LogLogLookup(0.15, values), ArithmeticFailure);
  Shared().XfsGrid[1] = -0.1;
  EXPECT_THROW(LogLogLookup(0.15, values), ArithmeticFailure);
}

TEST(NormaliseToMaximum, ScalesTheLargestElementToExactlyOne) {
  HostFixtureInstaller fixture;
  AngleTable& d = Shared().AngleDistribution;
  for (int j = 1; j <= kAngles; ++j) d[j] = 0.1 * j + 1e-3 / 3.0;
  d[0] = 42.0;
  NormaliseToMaximum();
  EXPECT_EQ(d[kAngles], 1.0);
  EXPECT_DOUBLE_EQ(d[90], (9.0 + 1e-3 / 3.0) / (18.0 + 1e-3 / 3.0));
  EXPECT_EQ(d[0], 42.0);
}

TEST(NormaliseToMaximum, FailsWithoutAPositiveElement) {
  HostFixtureInstaller fixture;
  EXPECT_THROW(NormaliseToMaximum(), ArithmeticFailure);
  for (int j = 1; j <= kAngles; ++j) Shared().AngleDistribution[j] = -1.0;
  EXPECT_THROW(NormaliseToMaximum(), ArithmeticFailure);
}

}  // namespace
}  // namespace tervolin

namespace tervolin {
namespace {

// A series of lookups that passes the previous bracket on finds what a search from
// row 2 finds, bit for bit, on increasing and on disordered grids, and fails alike.
TEST(LogLogTable, BracketHintNeverChangesTheResult) {
  HostFixtureInstaller fixture;
  testing::FillSyntheticXfsTable();
  for (bool disordered : {false, true}) {
    if (disordered) std::swap(Shared().XfsGrid[10], Shared().XfsGrid[11]);
    const LogLogTable table(Shared().XfsGrid, Shared().XfsFormFactor);
    int hint = 0;
    for (double x = 1e-4; x < 1e4; x *= 1.37) {
      EXPECT_EQ(table.Lookup(x, hint), table.Lookup(x)) << x << (disordered ? " disordered" : "");
    }
    EXPECT_THROW(table.Lookup(Shared().XfsGrid[kXfsRows], hint), ArithmeticFailure);
    hint = 30;
    EXPECT_EQ(table.Lookup(0.002, hint), table.Lookup(0.002));  // a hint past x is ignored
  }
}

}  // namespace
}  // namespace tervolin
