#pragma once
// Smooth, positive material tables for tests that must not depend on the shipped data.

#include <cmath>

#include "core/shared_state.h"

namespace tervolin::testing {

// 45 grid values from 0.001 Å⁻¹ growing by `ratio` per row; F falls and S rises
// smoothly with x, like a light element's.
inline void FillSyntheticXfsTable(double ratio = 1.5) {
  SharedState& s = Shared();
  for (int r = 1; r <= kXfsRows; ++r) {
    const double x = 0.001 * std::pow(ratio, r - 1);
    s.XfsGrid[r] = x;
    s.XfsFormFactor[r] = 6.0 / (1.0 + 4.0 * x * x);
    s.XfsScatterFunction[r] = 6.0 * x * x / (0.3 + x * x);
  }
}

// The three-row example table: grid 0.1, 0.2, 0.4 with values 10, 5, 4.
inline XfsTable FillExampleLookupTable() {
  SharedState& s = Shared();
  s.XfsGrid[1] = 0.1;
  s.XfsGrid[2] = 0.2;
  s.XfsGrid[3] = 0.4;
  for (int r = 4; r <= kXfsRows; ++r) s.XfsGrid[r] = 0.4 * r;
  XfsTable values{};
  values[1] = 10;
  values[2] = 5;
  values[3] = 4;
  for (int r = 4; r <= kXfsRows; ++r) values[r] = 4;
  return values;
}

}  // namespace tervolin::testing
