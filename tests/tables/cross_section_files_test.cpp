// The cross-section files XFS_Data/<material>.csv: "E, coherent, incoherent"
// per unit mass in cm²/g, one record per 0.5-keV bin from 0.5 to 150 keV.

#include "table_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace tervolin::tables_test;

namespace {

constexpr std::size_t kRecords = 300;

std::vector<Record> Csv(const std::u8string& name) {
  return ReadRecords(MaterialFile(name, u8".csv"));
}

std::string Label(const std::u8string& name) {
  return std::string(name.begin(), name.end());
}

// Klein–Nishina cross section of one free electron at rest, cm²; E in keV.
double KleinNishina(double energy) {
  constexpr double electronRadius = 2.8179403262e-13;  // cm
  const double k = energy / 510.99895;
  const double l = std::log(1.0 + 2.0 * k);
  const double bracket = (1.0 + k) / (k * k) * (2.0 * (1.0 + k) / (1.0 + 2.0 * k) - l / k) +
                         l / (2.0 * k) - (1.0 + 3.0 * k) / ((1.0 + 2.0 * k) * (1.0 + 2.0 * k));
  return 2.0 * std::numbers::pi * electronRadius * electronRadius * bracket;
}

// Incoherent cross section per unit mass if all electrons were free, cm²/g.
double FreeElectronIncoherent(const MaterialInfo& material, double energy) {
  constexpr double avogadro = 6.02214076e23;
  return material.electrons / material.molarMass * avogadro * KleinNishina(energy);
}

// Electron-weighted mean atomic number below 10: all but iron and lead.
bool IsLight(const MaterialInfo& material) {
  return material.sumOfSquaredZ / material.electrons < 10.0;
}

TEST(CrossSectionFiles, HaveOneRecordPerHalfKeVWithPositiveCrossSections) {
  for (const MaterialInfo& material : ScattererMaterials()) {
    SCOPED_TRACE(Label(material.name));
    const std::vector<Record> records = Csv(material.name);
    ASSERT_EQ(records.size(), kRecords);
    for (std::size_t r = 0; r < kRecords; ++r) {
      ASSERT_EQ(records[r].size(), 3u);
      EXPECT_NEAR(records[r][0], 0.5 * static_cast<double>(r + 1), 1e-9);
      EXPECT_TRUE(std::isfinite(records[r][1]) && records[r][1] > 0.0) << "record " << r + 1;
      EXPECT_TRUE(std::isfinite(records[r][2]) && records[r][2] > 0.0) << "record " << r + 1;
    }
  }
}

// At 150 keV the incoherent cross section is close to the free-electron
// Klein–Nishina value: within 1 % for the light materials, and never above
// it, bound electrons scattering less (down to ~10 % less in lead).
TEST(CrossSectionFiles, IncoherentApproachesKleinNishinaForFreeElectrons) {
  for (const MaterialInfo& material : ScattererMaterials()) {
    SCOPED_TRACE(Label(material.name));
    const std::vector<Record> records = Csv(material.name);
    ASSERT_EQ(records.size(), kRecords);
    const double ratio = records.back()[2] / FreeElectronIncoherent(material, 150.0);
    EXPECT_LE(ratio, 1.001);
    EXPECT_GE(ratio, IsLight(material) ? 0.99 : 0.85);
  }
}

// Coherent scattering dominates at the lowest energies and falls steadily
// with energy, while in the light materials incoherent scattering is the
// larger part at 150 keV.
TEST(CrossSectionFiles, CoherentFallsWithEnergyAndGivesWayToIncoherent) {
  for (const MaterialInfo& material : ScattererMaterials()) {
    SCOPED_TRACE(Label(material.name));
    const std::vector<Record> records = Csv(material.name);
    ASSERT_EQ(records.size(), kRecords);
    EXPECT_GT(records.front()[1], records.front()[2]);
    for (std::size_t r = 1; r < kRecords; ++r)
      EXPECT_LT(records[r][1], records[r - 1][1]) << "record " << r + 1;
    if (IsLight(material)) {
      EXPECT_LT(records.back()[1], 0.05 * records.back()[2]);
    }
  }
}

// Water at 100 keV (record 200): incoherent 0.1626 cm²/g in the NIST XCOM
// tables (Berger et al.), an independent compilation.
TEST(CrossSectionFiles, WaterAgreesWithXcomAt100keV) {
  const std::vector<Record> records = Csv(u8"水");
  ASSERT_EQ(records.size(), kRecords);
  EXPECT_DOUBLE_EQ(records[199][0], 100.0);
  EXPECT_NEAR(records[199][2], 0.1626, 0.02 * 0.1626);
}

}  // namespace
