#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "core/angle_integral.h"
#include "data/attenuation_table.h"
#include "data/material_magnitudes.h"
#include "data/scatterer_data.h"
#include "support/scratch_directory.h"

namespace tervolin {
namespace {

using testing::ScratchDirectory;

// Record r: "r, 10r, 20r" (or the given separator between fields).
std::string XfsText(int records = kXfsRows, const std::string& sep = ",", const std::string& eol = "\n") {
  std::ostringstream out;
  for (int r = 1; r <= records; ++r) out << r * 0.1 << sep << 10 * r << sep << 20 * r << eol;
  return out.str();
}

std::string CsvText(double scale, int records = kEnergyBins) {
  std::ostringstream out;
  for (int r = 1; r <= records; ++r) out << 0.5 * r << ", " << scale * r << ", " << 2 * scale * r << "\n";
  return out.str();
}

std::string MusText(int values) {
  std::ostringstream out;
  for (int i = 1; i <= values; ++i) out << i << (i % 7 == 0 ? "\n" : ",");
  return out.str();
}

TEST(AttenuationTable, LoadsFieldsTwoToFour) {
  ScratchDirectory dir;
  dir.Write("Mus2018.dat", MusText(2100) + "99,99,99\n");
  const auto read = LoadAttenuationTable(dir.path());
  ASSERT_TRUE(read);
  const AttenuationTables& mu = read.Value();
  EXPECT_EQ(mu.tungsten[1], 2.0);
  EXPECT_EQ(mu.copper[1], 4.0);
  EXPECT_EQ(mu.tungsten[300], 2095.0);
  EXPECT_EQ(mu.aluminium[300], 2096.0);
  EXPECT_EQ(mu.copper[300], 2097.0);
  EXPECT_EQ(mu.tungsten[0], 0.0);
}

TEST(AttenuationTable, ShortOrMissingFileGivesItsFailure) {
  ScratchDirectory dir;
  auto missing = LoadAttenuationTable(dir.path());
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.Fault().problem, ReadProblem::CannotOpen);
  dir.Write("Mus2018.dat", MusText(2099));
  auto shortFile = LoadAttenuationTable(dir.path());
  ASSERT_FALSE(shortFile);
  EXPECT_EQ(shortFile.Fault().problem, ReadProblem::EndedEarly);
}

TEST(ScattererData, LayoutsOfTheSameRecordsFillTheSameTables) {
  ScratchDirectory dir;
  dir.Write("XFS_Data/鉄.xfs", XfsText());
  const auto reference = LoadMaterialTables(dir.path(), "鉄", false);
  ASSERT_TRUE(reference);
  for (const std::string& layout : {XfsText(kXfsRows, " , "), XfsText(kXfsRows, " "),
                                   XfsText(kXfsRows, ",", ","), XfsText(50)}) {
    dir.Write("XFS_Data/鉄.xfs", layout);
    const auto read = LoadMaterialTables(dir.path(), "鉄", false);
    ASSERT_TRUE(read) << layout.substr(0, 40);
    EXPECT_FALSE(read.Value().molarMass) << "a record more is an older table's, not a molar mass";
    EXPECT_EQ(read.Value().grid, reference.Value().grid);
    EXPECT_EQ(read.Value().scatterFunction, reference.Value().scatterFunction);
  }
  EXPECT_EQ(reference.Value().formFactor[45], 450.0);
}

TEST(ScattererData, CrossSectionsAreReadOnlyWhenAskedFor) {
  ScratchDirectory dir;
  dir.Write("XFS_Data/水.xfs", XfsText());
  ASSERT_TRUE(LoadMaterialTables(dir.path(), "水", false));  // no .csv needed
  EXPECT_FALSE(LoadMaterialTables(dir.path(), "水", true));
  dir.Write("XFS_Data/水.csv", CsvText(1.0) + CsvText(5.0));
  const auto read = LoadMaterialTables(dir.path(), "水", true);
  ASSERT_TRUE(read);
  EXPECT_EQ(read.Value().coherent[300], 300.0);
  EXPECT_EQ(read.Value().incoherent[1], 2.0);
}

TEST(ScattererData, AFailedReadSaysWhichFileAndWhy) {
  ScratchDirectory dir;
  dir.Write("XFS_Data/炭素.xfs", XfsText(44));
  dir.Write("XFS_Data/PMMA.xfs", XfsText(10) + "x, 1, 2\n" + XfsText(40));
  dir.Write("XFS_Data/水素.xfs", XfsText());
  dir.Write("XFS_Data/水素.csv", CsvText(3.0, 299));
  const struct {
    const char* material;
    ReadProblem problem;
    const char* shown = material;  // as the message names it
  } cases[] = {{"炭素", ReadProblem::EndedEarly}, {"PMMA", ReadProblem::NotANumber},
               {"水素", ReadProblem::EndedEarly}, {"空気", ReadProblem::CannotOpen},
               {"bidi\u202Eevil", ReadProblem::CannotOpen, "bidi\\u202Eevil"},
               {"鉄 ", ReadProblem::CannotOpen, "鉄␠"}};
  for (const auto& c : cases) {
    const auto read = LoadMaterialTables(dir.path(), c.material, true);
    ASSERT_FALSE(read) << c.material;
    EXPECT_EQ(read.Fault().problem, c.problem) << c.material;
    EXPECT_NE(DescribeReadFailure(read.Fault(), Language::kJapanese).find(std::string("XFS_Data/") + c.shown + "."), std::string::npos)
        << DescribeReadFailure(read.Fault(), Language::kJapanese);
  }
}

// The text of a shipped table.
std::string ShippedText(const std::string& relative) {
  std::ifstream in(std::filesystem::path(TERVOLIN_TABLES_DIR) / relative, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::string CommaDecimals(std::string text) {
  for (char& c : text) c = c == '.' ? ',' : c;
  return text;
}

TEST(TableChecks, EveryShippedTablePasses) {
  const std::filesystem::path shipped = TERVOLIN_TABLES_DIR;
  std::set<std::string> materials;
  for (const auto& entry : std::filesystem::directory_iterator(shipped / kScattererFolder)) {
    const std::string extension = entry.path().extension().string();
    if (extension == ".xfs" || extension == ".csv") materials.insert(entry.path().stem().string());
  }
  EXPECT_GE(materials.size(), 7u);
  const auto attenuation = LoadAttenuationTable(shipped);
  EXPECT_TRUE(attenuation) << DescribeReadFailure(attenuation.Fault(), Language::kJapanese);
  for (const std::string& material : materials) {
    const auto read = LoadMaterialTables(shipped, material, true);
    EXPECT_TRUE(read) << DescribeReadFailure(read.Fault(), Language::kJapanese);
  }
}

TEST(TableChecks, AMaterialTableThatMakesNoSenseIsRefusedByRecord) {
  ScratchDirectory dir;
  const std::string iron = ShippedText("XFS_Data/鉄.xfs");
  const std::string ironCsv = ShippedText("XFS_Data/鉄.csv");
  const struct {
    std::string xfs, csv;
    std::size_t record;
  } cases[] = {
      {Replaced(XfsText(), "0.5,50,100", "0.3,50,100"), CsvText(1.0), 5},   // grid out of order
      {Replaced(XfsText(), "0.4,40,80", "0.3,40,80"), CsvText(1.0), 4},     // grid repeated
      {Replaced(XfsText(), "0.1,10,20", "0,10,20"), CsvText(1.0), 1},       // grid not positive
      {Replaced(XfsText(), "0.7,70,140", "0.7,-1,140"), CsvText(1.0), 7},   // negative F
      {Replaced(XfsText(), "0.9,90,180", "0.9,90,-1e-3"), CsvText(1.0), 9}, // negative S
      {XfsText(), Replaced(CsvText(1.0), "2, 4, 8", "2, -4, 8"), 4},        // negative cross section
      {XfsText(), Replaced(CsvText(1.0), "1.5, 3, 6", "1, 3, 6"), 3},       // energies out of order
      {CommaDecimals(iron), ironCsv, 3},
      {Replaced(iron, "2.59610000E+01", "2.5961 0000E+01"), ironCsv, 42},   // one item split in two
      {iron, CommaDecimals(ironCsv), 3},
  };
  for (const auto& c : cases) {
    dir.Write("XFS_Data/鉄.xfs", c.xfs);
    dir.Write("XFS_Data/鉄.csv", c.csv);
    const auto read = LoadMaterialTables(dir.path(), "鉄", true);
    ASSERT_FALSE(read) << c.record;
    const ReadFailure* failure = &read.Fault();
    EXPECT_EQ(failure->problem, ReadProblem::BadRecord) << c.record;
    EXPECT_EQ(failure->record, c.record);
    const std::string text = DescribeReadFailure(*failure, Language::kJapanese);
    EXPECT_NE(text.find("鉄."), std::string::npos) << text;
    EXPECT_NE(text.find(" " + std::to_string(c.record) + " "), std::string::npos) << text;
    EXPECT_NE(failure->fault, TextId::kReadFailed);  // what is wrong with the record is named
  }
}

// Lead at 140 keV from the shipped .xfs, and from the same without its last record,
// the molar mass, as tables were written before it was kept (or with text after the
// records, which was never read): the form factor's own curves (coherent 10 % below
// the table's σ/ρ), or the shapes scaled to σ/ρ, flagged.
TEST(ScattererData, TablesWithoutTheMolarMassFallBackToTheScaledShapes) {
  ScratchDirectory dir;
  const std::string lead = ShippedText("XFS_Data/鉛.xfs");
  const std::string records = lead.substr(0, lead.rfind('\n', lead.size() - 2) + 1);
  dir.Write("XFS_Data/鉛.csv", ShippedText("XFS_Data/鉛.csv"));
  const struct {
    std::string xfs;
    std::optional<double> molarMass;  // g/mol, xraylib's atomic weight of lead
    double coherentRatio;             // tabulated σ/ρ over the curve's integral
  } cases[] = {{lead, 207.21, 1.10}, {records, std::nullopt, 1.0}, {records + "# made by hand\n", std::nullopt, 1.0},
               {records + "\n \n207.2 \r\n# M\n", 207.2, 1.10}};
  for (const auto& c : cases) {
    dir.Write("XFS_Data/鉛.xfs", c.xfs);
    const auto tables = LoadMaterialTables(dir.path(), "鉛", false);
    ASSERT_TRUE(tables) << DescribeReadFailure(tables.Fault(), Language::kEnglish);
    EXPECT_EQ(tables.Value().molarMass, c.molarMass);
    const auto m = std::get<ScatteringMagnitudes>(MaterialMagnitudes(dir.path(), "鉛", kSingleEnergy, 140.0, {}));
    EXPECT_EQ(m.fromFormFactor, c.molarMass.has_value());
    EXPECT_NEAR(m.coherentRatio, c.coherentRatio, 0.01);
    EXPECT_NEAR(IntegralOverAngles(m.coherent, 180.0) / m.coherentCrossSection, 1.0 / c.coherentRatio, 0.01);
  }
}

// A line after the records that begins with a number is the molar mass: one number
// from 1 to 1e+05 g/mol alone on its line, or the table is refused, naming the line.
TEST(TableChecks, AMolarMassOutOfRangeOrNotAloneIsRefusedByItsLine) {
  ScratchDirectory dir;
  const std::string records = XfsText();
  dir.Write("XFS_Data/鉄.csv", CsvText(1.0));
  const struct {
    std::string after;  // the records
    std::string line;   // as the message shows it
    std::size_t number;
  } cases[] = {{"1e308\n", "1e308", 46},         {"9e307", "9e307", 46},          {"1e-300\n", "1e-300", 46},
               {"1e-320\n", "1e-320", 46},       {"18.02 abc\n", "18.02 abc", 46}, {"18.02, 19\n", "18.02, 19", 46},
               {"\n18.02,5,6,7\n", "18.02,5,6,7", 47}, {"-55.8\n", "-55.8", 46},      {"0\n", "0", 46},
               {"0.5\n", "0.5", 46}};
  for (const auto& c : cases) {
    dir.Write("XFS_Data/鉄.xfs", records + c.after);
    const auto read = LoadMaterialTables(dir.path(), "鉄", true);
    ASSERT_FALSE(read) << c.line;
    EXPECT_EQ(DescribeReadFailure(read.Fault(), Language::kEnglish),
              "Line " + std::to_string(c.number) + " of the file XFS_Data/鉄.xfs, \"" + c.line +
                  "\", is not a molar mass (it must be one number from 1 to 1e+05 g/mol alone on its line)");
  }
  dir.Write("XFS_Data/鉄.xfs", records.substr(0, records.size() - 1) + ", 55.85\n");
  const auto sameLine = LoadMaterialTables(dir.path(), "鉄", true);
  ASSERT_FALSE(sameLine);
  EXPECT_EQ(DescribeReadFailure(sameLine.Fault(), Language::kJapanese),
            "ファイル XFS_Data/鉄.xfs の 45 行目「55.85」はモル質量ではありません"
            "（1～1e+05 g/mol の数値一つだけの行でなければなりません）");
}

TEST(TableChecks, AnAttenuationTableThatMakesNoSenseIsRefused) {
  ScratchDirectory dir;
  const std::string shipped = ShippedText("Mus2018.dat");
  const struct {
    std::string text;
    std::size_t record;
  } cases[] = {
      {CommaDecimals(shipped), 1},
      {Replaced(shipped, "1.08563408E+03", "0"), 3},            // aluminium
      {Replaced(shipped, "3.05181764E+01", "-3.05181764E+01"), 300},  // tungsten
      {Replaced(MusText(2100), "15,16,17", "15,16,0"), 3},        // aluminium
  };
  for (const auto& c : cases) {
    dir.Write("Mus2018.dat", c.text);
    const auto read = LoadAttenuationTable(dir.path());
    ASSERT_FALSE(read) << c.record;
    EXPECT_EQ(read.Fault().problem, ReadProblem::BadRecord);
    EXPECT_EQ(read.Fault().record, c.record);
  }
}

}  // namespace
}  // namespace tervolin
