// Mus2018.dat: per 0.5-keV bin "E, μ_W, μ_Al, μ_Cu, (μ/ρ)_W, (μ/ρ)_Al, (μ/ρ)_Cu",
// linear coefficients in 1/cm, mass coefficients in cm²/g.

#include "table_file.h"

#include <gtest/gtest.h>
#include <xraylib.h>

#include <array>
#include <cmath>

using namespace tervolin::tables_test;

namespace {

constexpr std::size_t kRecords = 300;

struct Metal {
  const char* name;
  int z;
  std::size_t linearField;  // 0-based field of μ
  std::size_t massField;    // 0-based field of μ/ρ
  double density;           // g/cm³, handbook value
  double xcomAt100keV;      // μ/ρ in cm²/g at 100 keV, NIST XCOM
};

constexpr std::array<Metal, 3> kMetals{{
    {"tungsten", 74, 1, 4, 19.3, 4.438},
    {"aluminium", 13, 2, 5, 2.699, 0.1704},
    {"copper", 29, 3, 6, 8.96, 0.4584},
}};

std::vector<Record> AttenuationTable() {
  return ReadRecords(TablesDir() / "Mus2018.dat");
}

// Absorption edges of element z from xraylib's edge table, K to M5, keV.
std::vector<double> AbsorptionEdges(int z) {
  std::vector<double> edges;
  for (int shell = K_SHELL; shell <= M5_SHELL; ++shell) {
    xrl_error* error = nullptr;
    const double edge = EdgeEnergy(z, shell, &error);
    if (error == nullptr) edges.push_back(edge);
    xrl_error_free(error);
  }
  return edges;
}

bool EdgeBetween(const std::vector<double>& edges, double low, double high) {
  for (const double edge : edges)
    if (edge > low && edge <= high) return true;
  return false;
}

TEST(AttenuationTable, HasThreeHundredRecordsOfSevenPositiveNumbers) {
  const std::vector<Record> records = AttenuationTable();
  ASSERT_EQ(records.size(), kRecords);
  for (std::size_t r = 0; r < kRecords; ++r) {
    ASSERT_EQ(records[r].size(), 7u) << "record " << r + 1;
    EXPECT_NEAR(records[r][0], 0.5 * static_cast<double>(r + 1), 1e-9);
    for (const double value : records[r])
      EXPECT_TRUE(std::isfinite(value) && value > 0.0) << "record " << r + 1 << ": " << value;
  }
}

// μ = ρ μ/ρ in every record, with the metal's own density.
TEST(AttenuationTable, LinearCoefficientIsDensityTimesMassCoefficient) {
  const std::vector<Record> records = AttenuationTable();
  ASSERT_EQ(records.size(), kRecords);
  for (const Metal& metal : kMetals) {
    SCOPED_TRACE(metal.name);
    const double density = records.front()[metal.linearField] / records.front()[metal.massField];
    EXPECT_NEAR(density, metal.density, 0.005 * metal.density);
    for (const Record& record : records)
      EXPECT_NEAR(record[metal.linearField] / record[metal.massField], density, 1e-7 * density)
          << "at " << record[0] << " keV";
  }
}

TEST(AttenuationTable, MassCoefficientsAgreeWithXcomAt100keV) {
  const std::vector<Record> records = AttenuationTable();
  ASSERT_EQ(records.size(), kRecords);
  const Record& at100 = records[199];
  EXPECT_DOUBLE_EQ(at100[0], 100.0);
  for (const Metal& metal : kMetals)
    EXPECT_NEAR(at100[metal.massField], metal.xcomAt100keV, 0.03 * metal.xcomAt100keV)
        << metal.name;
}

// The tungsten K edge (69.5 keV) lies between records 139 and 140: the anode
// absorbs several times more strongly just above it.
TEST(AttenuationTable, TungstenKEdgeShowsBetween69_5And70keV) {
  const std::vector<Record> records = AttenuationTable();
  ASSERT_EQ(records.size(), kRecords);
  EXPECT_DOUBLE_EQ(records[138][0], 69.5);
  EXPECT_GT(records[139][1], 3.0 * records[138][1]);
  EXPECT_GT(records[139][4], 3.0 * records[138][4]);
}

// Between absorption edges attenuation only falls with energy, so every rise
// from one record to the next must straddle an edge of the metal.  The K edges
// of all three lie in the table's range and must show as rises.
TEST(AttenuationTable, AttenuationRisesOnlyAcrossAbsorptionEdges) {
  const std::vector<Record> records = AttenuationTable();
  ASSERT_EQ(records.size(), kRecords);
  for (const Metal& metal : kMetals) {
    SCOPED_TRACE(metal.name);
    const std::vector<double> edges = AbsorptionEdges(metal.z);
    ASSERT_FALSE(edges.empty());
    for (std::size_t r = 1; r < kRecords; ++r) {
      const double low = records[r - 1][0];
      const double high = records[r][0];
      const bool rises = records[r][metal.linearField] > records[r - 1][metal.linearField];
      if (rises) {
        EXPECT_TRUE(EdgeBetween(edges, low, high)) << "rise without an edge at " << high << " keV";
      }
      if (EdgeBetween({edges.front()}, low, high)) {
        EXPECT_TRUE(rises) << "K edge without a rise at " << high << " keV";
      }
    }
  }
}

}  // namespace
