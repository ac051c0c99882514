// tervolin-calc compare: each column integrates, by the program's Simpson rule over
// the degrees, to the curve's σ/ρ of the totals, which stand beside the cross section
// of the material's .csv with their ratio; the totals go to standard error, or alone
// to the output with --totals.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/calc_process.h"
#include "core/angle_integral.h"
#include "core/energy_tables.h"

namespace tervolin::testing {
namespace {

// Fields 2 and 3 (coherent, incoherent σ/ρ) of the .csv row of `bin`.
std::vector<double> CsvRow(const std::string& material, int bin) {
  std::ifstream file(std::string(TERVOLIN_TABLES_DIR) + "/XFS_Data/" + material + ".csv");
  std::string line;
  for (int n = 1; n <= bin; ++n) std::getline(file, line);
  std::vector<double> fields;
  std::stringstream row(line);
  for (std::string field; std::getline(row, field, ',');) fields.push_back(std::stod(field));
  return fields;
}

CalcRun Compare(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "compare");
  return RunCalc(arguments, std::filesystem::current_path(), TERVOLIN_TABLES_DIR);
}

struct Case {
  const char* material;
  const char* alias;
  const char* energy;
  int bin;
  double coherentRatio;  // the .csv's σ/ρ over the curve's: beyond the form factor
  double ratio = 0.0;    // incoherent over coherent σ/ρ of the table's row, to 1e-3 relative
};

// The ratio line of the totals.
double RatioOf(const std::string& totals) {
  const std::string mark = "incoherent/coherent: ";
  const auto at = totals.find(mark);
  return at == std::string::npos ? 0.0 : std::stod(totals.substr(at + mark.size()));
}

TEST(CalcCompare, EachColumnIntegratesToTheCrossSectionOfTheTable) {
  // Water at 100 keV: coherent 0.005348 cm²/g, incoherent 0.1626 cm²/g.
  for (const Case& c : {Case{"水", "water", "60", 120, 1.0}, Case{"鉛", "lead", "30", 60, 1.04},
                        Case{"骨", "bone", "120", 240, 1.0}, Case{"鉛", "lead", "140", 280, 1.10},
                        Case{"水", "water", "100", 200, 1.0, 0.1626 / 0.005348}}) {
    const CalcRun run = Compare({"--material", c.alias, "--energy", c.energy});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              "theta_deg,coherent_cm2_per_g_per_deg,incoherent_cm2_per_g_per_deg,total_cm2_per_g_per_deg");
    const auto rows = TableRows(run.out);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kAngles));
    for (const auto& row : rows) ASSERT_EQ(row.size(), 4u) << c.alias << " " << c.energy << ": an angle's row";
    const std::vector<double> csv = CsvRow(c.material, c.bin);
    ASSERT_GE(csv.size(), 3u) << c.material << ".csv, row " << c.bin;
    const std::string totalsTable = Compare({"--material", c.alias, "--energy", c.energy, "--totals", "--format", "csv"}).out;
    const auto table = TableRows(totalsTable);
    ASSERT_EQ(table.size(), 4u) << totalsTable;
    for (int row = 0; row < 3; ++row) ASSERT_EQ(table[row].size(), 5u) << "no curve integral and ratio:\n" << totalsTable;
    EXPECT_EQ(FieldValue(table[0][1]), csv[1]);
    EXPECT_EQ(FieldValue(table[1][1]), csv[2]);
    EXPECT_NEAR(FieldValue(table[0][4]), c.coherentRatio, 0.012) << c.alias << " " << c.energy;
    EXPECT_NEAR(FieldValue(table[1][4]), 1.0, 0.014) << c.alias << " " << c.energy;
    for (int column = 1; column <= 3; ++column) {
      AngleTable values{};
      for (int j = 1; j <= kAngles; ++j) values[j] = FieldValue(rows[j - 1][column]);
      const double curve = FieldValue(table[column - 1][3]);
      // The integral is the curve's between its points too: the 1° rule over the
      // printed points alone comes within 0.3 %.
      EXPECT_NEAR(IntegralOverAngles(values, 180.0) / curve, 1.0, 3e-3) << c.alias << " " << column;
      EXPECT_NEAR(FieldValue(table[column - 1][1]) / curve, FieldValue(table[column - 1][4]), 1e-12);
    }
    const CalcRun totals = Compare({"--material", c.alias, "--energy", c.energy, "--totals"});
    EXPECT_EQ(totals.out, run.err);
    EXPECT_EQ(totals.err, "");
    EXPECT_NEAR(RatioOf(totals.out) / (csv[2] / csv[1]), 1.0, 1e-12) << totals.out;
    if (c.ratio > 0.0) EXPECT_NEAR(RatioOf(totals.out) / c.ratio, 1.0, 1e-3) << c.alias << " " << c.energy;
  }
}

TEST(CalcCompare, PerSolidAngleAndSpectrumNameTheirUnitAndTellTheirTotals) {
  const CalcRun run = Compare({"--material", "water", "--kv", "100", "--per-solid-angle", "--format", "tsv"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.out.starts_with("theta_deg\tcoherent_cm2_per_g_per_sr\tincoherent_cm2_per_g_per_sr\ttotal_cm2_per_g_per_sr\n"));
  EXPECT_TRUE(run.err.starts_with("coherent: ")) << run.err;
  EXPECT_NE(run.err.find(" cm2/g, "), std::string::npos);
  const CalcRun table = Compare({"--material", "water", "--kv", "100", "--totals", "--format", "csv"});
  const auto rows = TableRows(table.out);
  ASSERT_EQ(rows.size(), 4u) << table.out;
  EXPECT_TRUE(table.out.starts_with("scattering,cross_section_cm2_per_g,share_percent,curve_integral_cm2_per_g,"
                                    "table_to_curve_ratio\ncoherent,"));
  EXPECT_NEAR(FieldValue(rows[0][1]) + FieldValue(rows[1][1]), FieldValue(rows[2][1]), 1e-15);
  EXPECT_NEAR(FieldValue(rows[0][2]) + FieldValue(rows[1][2]), 100.0, 1e-12);
  EXPECT_NEAR(FieldValue(rows[3][1]) * FieldValue(rows[0][1]), FieldValue(rows[1][1]), 1e-15);
}

}  // namespace
}  // namespace tervolin::testing
