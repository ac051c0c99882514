#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "core/shared_state.h"
#include "data/attenuation_table.h"
#include "data/scatterer_data.h"
#include "support/recording_host.h"
#include "support/scratch_directory.h"

namespace tervolin {
namespace {

using testing::HostFixtureInstaller;
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

TEST(AttenuationTable, LoadsFieldsTwoToFourThenSetsPi) {
  HostFixtureInstaller fixture;
  ScratchDirectory dir;
  dir.Write("Mus2018.dat", MusText(2100) + "99,99,99\n");
  ASSERT_FALSE(LoadAttenuationTable().has_value());
  EXPECT_EQ(Shared().MuTungsten[1], 2.0);
  EXPECT_EQ(Shared().MuCopper[1], 4.0);
  EXPECT_EQ(Shared().MuTungsten[300], 2095.0);
  EXPECT_EQ(Shared().MuAluminium[300], 2096.0);
  EXPECT_EQ(Shared().MuCopper[300], 2097.0);
  EXPECT_EQ(Shared().MuTungsten[0], 0.0);
  EXPECT_EQ(Shared().Pi, 3.14159);
}

TEST(AttenuationTable, ShortOrMissingFileLeavesTablesAndPiUnset) {
  HostFixtureInstaller fixture;
  ScratchDirectory dir;
  auto missing = LoadAttenuationTable();
  ASSERT_TRUE(missing.has_value());
  EXPECT_EQ(missing->problem, ReadProblem::CannotOpen);
  dir.Write("Mus2018.dat", MusText(2099));
  auto shortFile = LoadAttenuationTable();
  ASSERT_TRUE(shortFile.has_value());
  EXPECT_EQ(shortFile->problem, ReadProblem::EndedEarly);
  EXPECT_EQ(Shared().Pi, 0.0);
  EXPECT_EQ(Shared().MuTungsten[1], 0.0);
}

TEST(ScattererData, LayoutsOfTheSameRecordsFillTheSameTables) {
  HostFixtureInstaller fixture;
  ScratchDirectory dir;
  dir.Write("XFS_Data/鉄.xfs", XfsText());
  ASSERT_FALSE(LoadScattererData("鉄").has_value());
  const SharedState reference = Shared();
  for (const std::string& layout : {XfsText(kXfsRows, " , "), XfsText(kXfsRows, " "),
                                   XfsText(kXfsRows, ",", ","), XfsText(50)}) {
    Shared().XfsGrid = {};
    dir.Write("XFS_Data/鉄.xfs", layout);
    ASSERT_FALSE(LoadScattererData("鉄").has_value()) << layout.substr(0, 40);
    EXPECT_EQ(Shared().XfsGrid, reference.XfsGrid);
    EXPECT_EQ(Shared().XfsScatterFunction, reference.XfsScatterFunction);
  }
  EXPECT_EQ(Shared().XfsFormFactor[45], 450.0);
}

TEST(ScattererData, CrossSectionsAreReadOnlyInSpectralMode) {
  HostFixtureInstaller fixture;
  ScratchDirectory dir;
  dir.Write("XFS_Data/水.xfs", XfsText());
  ASSERT_FALSE(LoadScattererData("水").has_value());  // no .csv needed
  Shared().EnergyMode = kSpectral;
  EXPECT_TRUE(LoadScattererData("水").has_value());
  dir.Write("XFS_Data/水.csv", CsvText(1.0) + CsvText(5.0));
  ASSERT_FALSE(LoadScattererData("水").has_value());
  EXPECT_EQ(Shared().CoherentByEnergy[300], 300.0);
  EXPECT_EQ(Shared().IncoherentByEnergy[1], 2.0);
}

TEST(ScattererData, AFailedReadLeavesEveryTableAsItWas) {
  HostFixtureInstaller fixture;
  ScratchDirectory dir;
  Shared().EnergyMode = kSpectral;
  dir.Write("XFS_Data/鉛.xfs", XfsText());
  dir.Write("XFS_Data/鉛.csv", CsvText(1.0));
  ASSERT_FALSE(LoadScattererData("鉛").has_value());
  const SharedState before = Shared();
  dir.Write("XFS_Data/炭素.xfs", XfsText(44));
  dir.Write("XFS_Data/PMMA.xfs", XfsText(10) + "x, 1, 2\n" + XfsText(40));
  dir.Write("XFS_Data/水素.xfs", XfsText());
  dir.Write("XFS_Data/水素.csv", CsvText(3.0, 299));
  const struct {
    const char* material;
    ReadProblem problem;
  } cases[] = {{"炭素", ReadProblem::EndedEarly}, {"PMMA", ReadProblem::NotANumber},
               {"水素", ReadProblem::EndedEarly}, {"空気", ReadProblem::CannotOpen}};
  for (const auto& c : cases) {
    const auto failure = LoadScattererData(c.material);
    ASSERT_TRUE(failure.has_value()) << c.material;
    EXPECT_EQ(failure->problem, c.problem) << c.material;
    EXPECT_NE(DescribeReadFailure(*failure).find(c.material), std::string::npos);
    EXPECT_EQ(Shared().XfsGrid, before.XfsGrid) << c.material;
    EXPECT_EQ(Shared().CoherentByEnergy, before.CoherentByEnergy) << c.material;
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
  HostFixtureInstaller fixture;
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(TERVOLIN_TABLES_DIR);
  std::set<std::string> materials;
  for (const auto& entry : std::filesystem::directory_iterator(kScattererFolder)) {
    const std::string extension = entry.path().extension().string();
    if (extension == ".xfs" || extension == ".csv") materials.insert(entry.path().stem().string());
  }
  EXPECT_GE(materials.size(), 7u);
  const auto attenuation = LoadAttenuationTable();
  EXPECT_FALSE(attenuation.has_value()) << DescribeReadFailure(*attenuation);
  Shared().EnergyMode = kSpectral;
  for (const std::string& material : materials) {
    const auto failure = LoadScattererData(material);
    EXPECT_FALSE(failure.has_value()) << DescribeReadFailure(*failure);
  }
  std::filesystem::current_path(previous);
}

TEST(TableChecks, AMaterialTableThatMakesNoSenseIsRefusedByRecord) {
  HostFixtureInstaller fixture;
  ScratchDirectory dir;
  Shared().EnergyMode = kSpectral;
  dir.Write("XFS_Data/鉛.xfs", XfsText());
  dir.Write("XFS_Data/鉛.csv", CsvText(1.0));
  ASSERT_FALSE(LoadScattererData("鉛").has_value());
  const SharedState before = Shared();
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
    const auto failure = LoadScattererData("鉄");
    ASSERT_TRUE(failure.has_value()) << c.record;
    EXPECT_EQ(failure->problem, ReadProblem::BadRecord) << c.record;
    EXPECT_EQ(failure->record, c.record);
    const std::string text = DescribeReadFailure(*failure);
    EXPECT_NE(text.find("鉄."), std::string::npos) << text;
    EXPECT_NE(text.find(" " + std::to_string(c.record) + " "), std::string::npos) << text;
    EXPECT_FALSE(failure->fault.empty());
    EXPECT_EQ(Shared().XfsGrid, before.XfsGrid) << c.record;  // nothing of the file is used
    EXPECT_EQ(Shared().CoherentByEnergy, before.CoherentByEnergy) << c.record;
  }
}

TEST(TableChecks, AnAttenuationTableThatMakesNoSenseIsRefused) {
  HostFixtureInstaller fixture;
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
    const auto failure = LoadAttenuationTable();
    ASSERT_TRUE(failure.has_value()) << c.record;
    EXPECT_EQ(failure->problem, ReadProblem::BadRecord);
    EXPECT_EQ(failure->record, c.record);
    EXPECT_EQ(Shared().Pi, 0.0);
    EXPECT_EQ(Shared().MuAluminium[3], 0.0);
  }
}

}  // namespace
}  // namespace tervolin
