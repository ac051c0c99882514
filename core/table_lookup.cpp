#include "core/table_lookup.h"

#include "core/failure_rule.h"

namespace tervolin {

namespace {

// First row k >= 2 with x < XfsGrid(k); every x at or above XfsGrid(45) fails.
int UpperBracketRow(double x, const XfsTable& grid) {
  int k = 2;
  while (true) {
    if (k > kXfsRows) throw ArithmeticFailure("momentum transfer beyond the table");
    if (!(x >= grid[k])) return k;
    ++k;
  }
}

}  // namespace

double LogLogLookup(double x, const XfsTable& values) {
  const XfsTable& grid = Shared().XfsGrid;
  const int up = UpperBracketRow(x, grid);
  const int lo = up - 1;
  const double lnX = CheckedLog(x);
  const double lnGridLo = CheckedLog(grid[lo]);
  const double lnGridUp = CheckedLog(grid[up]);
  const double lnValueLo = CheckedLog(values[lo]);
  const double lnValueUp = CheckedLog(values[up]);
  const double rise = Checked((lnX - lnGridLo) * (lnValueUp - lnValueLo));
  const double lnValue = CheckedDivide(rise, lnGridUp - lnGridLo) + lnValueLo;
  return CheckedExp(lnValue);
}

void NormaliseToMaximum() {
  AngleTable& distribution = Shared().AngleDistribution;
  double maximum = 0.0;
  for (int j = 1; j <= kAngles; ++j) {
    if (distribution[j] > maximum) maximum = distribution[j];
  }
  if (!(maximum > 0.0)) throw ArithmeticFailure("distribution has no positive value");
  for (int j = 1; j <= kAngles; ++j) distribution[j] = CheckedDivide(distribution[j], maximum);
}

}  // namespace tervolin
