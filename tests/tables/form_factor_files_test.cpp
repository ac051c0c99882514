// The form-factor files XFS_Data/<material>.xfs: "x, F(x), S(x)" in 45 records,
// then the formula unit's molar mass.

#include "table_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace tervolin::tables_test;

namespace {

constexpr std::size_t kRecords = 45;
// Largest x a calculation needs: 150 keV / 12.4 keV·Å at θ = 180°.
constexpr double kLargestNeededX = 150.0 / 12.4;
// Relative tolerance of the free-atom limits: the air counts of table_file.cpp
// use standard atomic weights, which differ from xraylib's in the sixth digit.
constexpr double kLimitTolerance = 1e-4;

// The 45 records "x, F, S" without the molar mass after them.
std::vector<Record> Xfs(const std::u8string& name) {
  std::vector<Record> records = ReadRecords(MaterialFile(name, u8".xfs"));
  if (records.size() == kRecords + 1 && records.back().size() == 1) records.pop_back();
  return records;
}

std::string Label(const std::u8string& name) {
  return std::string(name.begin(), name.end());
}

TEST(FormFactorFiles, HaveFortyFiveRecordsOfThreePositiveNumbers) {
  for (const MaterialInfo& material : ScattererMaterials()) {
    SCOPED_TRACE(Label(material.name));
    const std::vector<Record> records = Xfs(material.name);
    ASSERT_EQ(records.size(), kRecords);
    for (const Record& record : records) {
      ASSERT_EQ(record.size(), 3u);
      for (const double value : record)
        EXPECT_TRUE(std::isfinite(value) && value > 0.0) << value;
    }
    // The last record: one formula unit's molar mass, as the counts of table_file.cpp
    // weigh it (standard atomic weights, against xraylib's two decimals).
    const std::vector<Record> all = ReadRecords(MaterialFile(material.name, u8".xfs"));
    ASSERT_EQ(all.size(), kRecords + 1);
    ASSERT_EQ(all.back().size(), 1u);
    EXPECT_NEAR(all.back()[0] / material.molarMass, 1.0, 2e-3);
  }
}

TEST(FormFactorFiles, ShareOneStrictlyIncreasingGridReachingBeyondTheLargestNeededX) {
  const std::vector<Record> reference = Xfs(u8"水素");
  ASSERT_EQ(reference.size(), kRecords);
  for (std::size_t r = 1; r < kRecords; ++r)
    EXPECT_GT(reference[r][0], reference[r - 1][0]) << "record " << r + 1;
  EXPECT_GT(reference.back()[0], kLargestNeededX);
  EXPECT_LE(reference.front()[0], 0.001);
  for (const MaterialInfo& material : ScattererMaterials()) {
    const std::vector<Record> records = Xfs(material.name);
    ASSERT_EQ(records.size(), kRecords);
    for (std::size_t r = 0; r < kRecords; ++r)
      EXPECT_EQ(records[r][0], reference[r][0]) << Label(material.name) << " record " << r + 1;
  }
}

// Forward scattering: all electrons scatter in phase, F(0)² = Σ n_i Z_i²;
// far out every electron scatters on its own, S(∞) = Σ n_i Z_i.  The same
// atom counts must hold in both columns.
TEST(FormFactorFiles, ReachTheFreeAtomLimitsAtSmallAndLargeX) {
  for (const MaterialInfo& material : ScattererMaterials()) {
    SCOPED_TRACE(Label(material.name));
    const std::vector<Record> records = Xfs(material.name);
    ASSERT_EQ(records.size(), kRecords);
    const double forward = std::sqrt(material.sumOfSquaredZ);
    EXPECT_NEAR(records.front()[1], forward, 0.01 * forward);
    EXPECT_NEAR(records.back()[2], material.electrons, kLimitTolerance * material.electrons);
    EXPECT_LT(records.front()[2], 0.01 * material.electrons);
    EXPECT_LT(records.back()[1], 1e-15 * forward);
  }
}

// F falls and S rises with x; neither leaves the range set by its limits.
TEST(FormFactorFiles, FormFactorFallsAndScatteringFunctionRisesWithX) {
  for (const MaterialInfo& material : ScattererMaterials()) {
    SCOPED_TRACE(Label(material.name));
    const std::vector<Record> records = Xfs(material.name);
    ASSERT_EQ(records.size(), kRecords);
    for (std::size_t r = 1; r < kRecords; ++r) {
      EXPECT_LE(records[r][1], records[r - 1][1]) << "F, record " << r + 1;
      EXPECT_GE(records[r][2], records[r - 1][2]) << "S, record " << r + 1;
    }
    EXPECT_LE(records.back()[2], material.electrons * (1.0 + kLimitTolerance));
    EXPECT_LE(records.front()[1], std::sqrt(material.sumOfSquaredZ) * (1.0 + kLimitTolerance));
  }
}

// Hydrogen has closed forms: with a0 the Bohr radius and k = 2π a0 x,
// F(x) = 1 / (1 + k²)² and S(x) = 1 − F(x)².
TEST(FormFactorFiles, HydrogenFollowsTheGroundStateOfTheHydrogenAtom) {
  constexpr double bohrRadius = 0.529177;  // Å
  const std::vector<Record> records = Xfs(u8"水素");
  ASSERT_EQ(records.size(), kRecords);
  for (const Record& record : records) {
    SCOPED_TRACE(record[0]);
    const double k = 2.0 * std::numbers::pi * bohrRadius * record[0];
    const double f = 1.0 / ((1.0 + k * k) * (1.0 + k * k));
    EXPECT_NEAR(record[1], f, 1e-3 * f);
    EXPECT_NEAR(record[2], 1.0 - f * f, 0.01 * (1.0 - f * f));
  }
  EXPECT_LT(records.back()[1], 1e-30);
  EXPECT_NEAR(records.back()[2], 1.0, 1e-9);
}

}  // namespace
