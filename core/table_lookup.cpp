#include "core/table_lookup.h"

#include <algorithm>
#include <cmath>

#include "core/failure_rule.h"

namespace tervolin {

namespace {

// The logarithm of a table row taken beforehand, once the row's value is known to
// be a valid argument; the same number CheckedLog(table[row]) gives.
double RowLog(const XfsTable& table, const XfsTable& logs, int row) {
  const double value = table[row];
  if (!(value > 0.0) || !std::isfinite(value)) throw ArithmeticFailure("logarithm of a non-positive value");
  return logs[row];
}

}  // namespace

LogLogTable::LogLogTable(const XfsTable& grid, const XfsTable& values) : grid_(grid), values_(values) {
  for (int r = 1; r <= kXfsRows; ++r) {
    lnGrid_[r] = std::log(grid[r]);
    lnValues_[r] = std::log(values[r]);
  }
  increasing_ = true;
  for (int r = 3; r <= kXfsRows; ++r) increasing_ = increasing_ && grid[r - 1] < grid[r];
}

// First row k >= 2 with x < XfsGrid(k); every x at or above XfsGrid(45) fails. On a
// strictly increasing grid a binary search finds the same row as the scan upward
// from row 2 that defines it.
int LogLogTable::UpperBracketRow(double x) const {
  if (increasing_ && !std::isnan(x)) {
    const auto row = std::upper_bound(grid_.begin() + 2, grid_.end(), x) - grid_.begin();
    if (row > kXfsRows) throw ArithmeticFailure("momentum transfer beyond the table");
    return static_cast<int>(row);
  }
  int k = 2;
  while (true) {
    if (k > kXfsRows) throw ArithmeticFailure("momentum transfer beyond the table");
    if (!(x >= grid_[k])) return k;
    ++k;
  }
}

// On an increasing grid the first row above x lies at or after the hint as long as
// the row before the hint is not above x; the scan from there finds the same row.
int LogLogTable::UpperBracketRowFrom(double x, int hint) const {
  if (!increasing_ || std::isnan(x) || hint <= 2 || hint > kXfsRows || x < grid_[hint - 1]) {
    return UpperBracketRow(x);
  }
  int k = hint;
  while (k <= kXfsRows && x >= grid_[k]) ++k;
  if (k > kXfsRows) throw ArithmeticFailure("momentum transfer beyond the table");
  return k;
}

double LogLogTable::Lookup(double x) const { return Interpolate(x, UpperBracketRow(x)); }

double LogLogTable::Lookup(double x, int& bracketHint) const {
  bracketHint = UpperBracketRowFrom(x, bracketHint);
  return Interpolate(x, bracketHint);
}

// ln V(x) on the line through rows up − 1 and up, in ln x and ln V.
double LogLogTable::Interpolate(double x, int up) const {
  const int lo = up - 1;
  const double lnX = CheckedLog(x);
  const double lnGridLo = RowLog(grid_, lnGrid_, lo);
  const double lnGridUp = RowLog(grid_, lnGrid_, up);
  const double lnValueLo = RowLog(values_, lnValues_, lo);
  const double lnValueUp = RowLog(values_, lnValues_, up);
  const double rise = Checked((lnX - lnGridLo) * (lnValueUp - lnValueLo));
  const double lnValue = CheckedDivide(rise, lnGridUp - lnGridLo) + lnValueLo;
  return CheckedExp(lnValue);
}

double LogLogLookup(double x, const XfsTable& grid, const XfsTable& values) {
  return LogLogTable(grid, values).Lookup(x);
}

void NormaliseToMaximum(AngleTable& distribution) {
  double maximum = 0.0;
  for (int j = 1; j <= kAngles; ++j) {
    if (distribution[j] > maximum) maximum = distribution[j];
  }
  if (!(maximum > 0.0)) throw ArithmeticFailure("distribution has no positive value");
  for (int j = 1; j <= kAngles; ++j) distribution[j] = CheckedDivide(distribution[j], maximum);
}

}  // namespace tervolin
