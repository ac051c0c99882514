#include <gtest/gtest.h>

#include "core/failure_rule.h"
#include "core/table_lookup.h"
#include "support/synthetic_tables.h"

namespace tervolin {
namespace {

using testing::MakeExampleLookupTable;

TEST(LogLogLookup, InterpolatesAsAPowerLawBetweenNeighbouringRows) {
  const auto [grid, values] = MakeExampleLookupTable();
  EXPECT_NEAR(LogLogLookup(0.15, grid, values), 10.0 * 0.1 / 0.15, 1e-12);
  EXPECT_NEAR(LogLogLookup(0.05, grid, values), 20.0, 1e-12);  // rows 1–2 extended below row 1
  EXPECT_NEAR(LogLogLookup(0.3, grid, values), 4.38814814, 1e-8);
}

TEST(LogLogLookup, AGridValueMakesItsRowTheLowerRow) {
  const auto [grid, values] = MakeExampleLookupTable();
  EXPECT_NEAR(LogLogLookup(0.2, grid, values), 5.0, 1e-12);
  EXPECT_NEAR(LogLogLookup(0.4, grid, values), 4.0, 1e-12);
}

TEST(LogLogLookup, FailsWhereALogarithmOrTheSearchFails) {
  auto [grid, values] = MakeExampleLookupTable();
  EXPECT_THROW(LogLogLookup(0.0, grid, values), ArithmeticFailure);
  EXPECT_THROW(LogLogLookup(-0.15, grid, values), ArithmeticFailure);
  EXPECT_THROW(LogLogLookup(grid[kXfsRows], grid, values), ArithmeticFailure);
  EXPECT_THROW(LogLogLookup(1e300, grid, values), ArithmeticFailure);
  values[1] = 0.0;
  EXPECT_THROW(LogLogLookup(0.15, grid, values), ArithmeticFailure);
  EXPECT_NO_THROW(LogLogLookup(0.3, grid, values));  // row 1 is only used below row 2
}

TEST(LogLogLookup, EqualOrNonPositiveBracketGridValuesFail) {
  auto [grid, values] = MakeExampleLookupTable();
  grid[1] = 0.2;  // equal to row 2
  EXPECT_THROW(LogLogLookup(0.15, grid, values), ArithmeticFailure);
  grid[1] = -0.1;
  EXPECT_THROW(LogLogLookup(0.15, grid, values), ArithmeticFailure);
}

TEST(NormaliseToMaximum, ScalesTheLargestElementToExactlyOne) {
  AngleTable d{};
  for (int j = 1; j <= kAngles; ++j) d[j] = 0.1 * j + 1e-3 / 3.0;
  d[0] = 42.0;
  NormaliseToMaximum(d);
  EXPECT_EQ(d[kAngles], 1.0);
  EXPECT_DOUBLE_EQ(d[90], (9.0 + 1e-3 / 3.0) / (18.0 + 1e-3 / 3.0));
  EXPECT_EQ(d[0], 42.0);
}

TEST(NormaliseToMaximum, FailsWithoutAPositiveElement) {
  AngleTable d{};
  EXPECT_THROW(NormaliseToMaximum(d), ArithmeticFailure);
  for (int j = 1; j <= kAngles; ++j) d[j] = -1.0;
  EXPECT_THROW(NormaliseToMaximum(d), ArithmeticFailure);
}

}  // namespace
}  // namespace tervolin

namespace tervolin {
namespace {

// A series of lookups that passes the previous bracket on finds what a search from
// row 2 finds, bit for bit, on increasing and on disordered grids, and fails alike.
TEST(LogLogTable, BracketHintNeverChangesTheResult) {
  MaterialTables m = testing::SyntheticMaterial();
  for (bool disordered : {false, true}) {
    if (disordered) std::swap(m.grid[10], m.grid[11]);
    const LogLogTable table(m.grid, m.formFactor);
    int hint = 0;
    for (double x = 1e-4; x < 1e4; x *= 1.37) {
      EXPECT_EQ(table.Lookup(x, hint), table.Lookup(x)) << x << (disordered ? " disordered" : "");
    }
    EXPECT_THROW(table.Lookup(m.grid[kXfsRows], hint), ArithmeticFailure);
    hint = 30;
    EXPECT_EQ(table.Lookup(0.002, hint), table.Lookup(0.002));  // a hint past x is ignored
  }
}

}  // namespace
}  // namespace tervolin
