#pragma once
// Smooth, positive material tables for tests that must not depend on the shipped data.

#include <cmath>

#include "core/tables.h"

namespace tervolin::testing {

// 45 grid values from 0.001 Å⁻¹ growing by `ratio` per row; F falls and S rises
// smoothly with x, like a light element's.
inline MaterialTables SyntheticMaterial(double ratio = 1.5) {
  MaterialTables m;
  for (int r = 1; r <= kXfsRows; ++r) {
    const double x = 0.001 * std::pow(ratio, r - 1);
    m.grid[r] = x;
    m.formFactor[r] = 6.0 / (1.0 + 4.0 * x * x);
    m.scatterFunction[r] = 6.0 * x * x / (0.3 + x * x);
  }
  return m;
}

// The three-row example table: grid 0.1, 0.2, 0.4 with values 10, 5, 4.
struct ExampleLookupTable {
  XfsTable grid{};
  XfsTable values{};
};

inline ExampleLookupTable MakeExampleLookupTable() {
  ExampleLookupTable t;
  t.grid[1] = 0.1;
  t.grid[2] = 0.2;
  t.grid[3] = 0.4;
  for (int r = 4; r <= kXfsRows; ++r) t.grid[r] = 0.4 * r;
  t.values[1] = 10;
  t.values[2] = 5;
  t.values[3] = 4;
  for (int r = 4; r <= kXfsRows; ++r) t.values[r] = 4;
  return t;
}

}  // namespace tervolin::testing
