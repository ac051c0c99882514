#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tervolin
