// The standard qualities: the kept inherent filtrations are still what the solver
// gives on the shipped tables, and the program's HVL1 then meets the standard's
// (IEC 61267) within 1 % for RQR and 2 % for RQA; the names as they may be typed.

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

#include "core/beam_qualities.h"
#include "core/messages.h"
#include "core/spectrum_model.h"
#include "support/shipped_tables.h"

namespace tervolin {
namespace {

const AttenuationTables kAttenuation = testing::ShippedAttenuation(TERVOLIN_TABLES_DIR);
const AirTable kAir = testing::ShippedAirTable(TERVOLIN_TABLES_DIR);

TEST(BeamQualities, KeptFiltrationIsTheSolversAndHvl1MeetsTheStandard) {
  for (const BeamQuality& q : BeamQualities()) {
    const bool rqr = q.series == QualitySeries::kRqr;
    const std::string name = QualityName(q);
    if (rqr) {
      const Outcome<double> solved = SolveInherentFiltration(q.tubeVoltageKv, q.standardHvl1Mm, kAttenuation, kAir);
      ASSERT_TRUE(solved) << name;
      EXPECT_EQ(solved.Value(), q.inherentFiltrationMm) << name << " kept filtration is stale";
    } else {
      EXPECT_EQ(q.inherentFiltrationMm, FindBeamQuality("RQR" + std::to_string(q.number))->inherentFiltrationMm) << name;
    }
    const Outcome<Spectrum> spectrum = ComputeSpectrum(QualitySettings(q), kAttenuation, kAir);
    ASSERT_TRUE(spectrum) << name;
    const BeamFigures& f = spectrum.Value().figures;
    const double difference = *f.hvl1Mm / q.standardHvl1Mm - 1.0;
    std::cout << name << ": inherent " << q.inherentFiltrationMm << " mm, HVL1 " << *f.hvl1Mm << " mm ("
              << 100.0 * difference << " %), h " << *f.homogeneity << "\n";
    EXPECT_LE(std::abs(difference), rqr ? 0.01 : 0.02) << name;
    // The spectral shape: h within 0.03 of the standard's once HVL1 is met.
    if (q.standardHomogeneity) {
      EXPECT_NEAR(*f.homogeneity, *q.standardHomogeneity, 0.03) << name;
    }
  }
}

TEST(BeamQualities, NamesAsTypedAndTargetsOutOfReach) {
  const struct {
    const char* typed;
    const char* found;  // nullptr: not a quality
  } cases[] = {{"RQR8", "RQR 8"}, {"RQR 8", "RQR 8"}, {"rqa5", "RQA 5"}, {"Rqa 10", "RQA 10"}, {"rQr2", "RQR 2"},
               {"RQR1", nullptr}, {"RQR11", nullptr},  {"RQR08", nullptr}, {"RQR  8", nullptr}, {"RQX8", nullptr},
               {"", nullptr},     {" RQR8\t", "RQR 8"}, {"RQR-8", nullptr}, {"RQ8", nullptr},
               {"ＲＱＲ８", "RQR 8"}, {"ｒｑａ　５", "RQA 5"}, {"\u0420QR8", nullptr}};
  for (const auto& c : cases) {
    const std::optional<BeamQuality> q = FindBeamQuality(c.typed);
    EXPECT_EQ(q ? QualityName(*q) : std::string("none"), c.found ? c.found : "none") << '"' << c.typed << '"';
  }
  EXPECT_EQ(SolveInherentFiltration(100, 20.0, kAttenuation, kAir).Fault().kind, TextId::kQualityOutOfReach);
  EXPECT_EQ(SolveInherentFiltration(100, 1.0, kAttenuation, kAir).Fault().kind, TextId::kQualityOutOfReach);
  EXPECT_EQ(SolveInherentFiltration(100, 3.97, kAttenuation, AirTable{}).Fault().kind, TextId::kQualityNeedsAirTable);
}

}  // namespace
}  // namespace tervolin
