// Whatever the data files hold: load the attenuation table and a material's tables
// from the bytes given, then run all four distributions on whatever was loaded with
// any energy text. Nothing may crash, a material table that loads keeps what the
// table checks promise, and a successful distribution has maximum 1.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/distributions.h"
#include "core/shared_state.h"
#include "data/attenuation_table.h"
#include "data/scatterer_data.h"
#include "support/recording_host.h"

namespace {

// Parts of the input separated by the byte 0xFF: Mus2018.dat, the .xfs, the .csv,
// the energy text.
std::vector<std::string> SplitInput(std::string_view input) {
  std::vector<std::string> parts(4);
  std::size_t part = 0;
  for (char c : input) {
    if (static_cast<unsigned char>(c) == 0xFF && part < 3) {
      ++part;
    } else {
      parts[part] += c;
    }
  }
  return parts;
}

void WriteFile(const std::filesystem::path& path, const std::string& content) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

void EnterScratchDirectory() {
  static bool entered = false;
  if (entered) return;
  std::string pattern = (std::filesystem::temp_directory_path() / "tervolin-fuzz-XXXXXX").string();
  std::filesystem::current_path(mkdtemp(pattern.data()));
  std::filesystem::create_directory("XFS_Data");
  entered = true;
}

void CheckScaled(const tervolin::testing::RecordingHost& host) {
  if (!host.warnings.empty()) return;
  const auto& d = tervolin::Shared().AngleDistribution;
  if (*std::max_element(d.begin() + 1, d.end()) != 1.0) std::abort();
}

// Grid positive and strictly increasing, F and S not negative.
void CheckLoadedFormFactors() {
  const tervolin::SharedState& s = tervolin::Shared();
  for (int r = 1; r <= tervolin::kXfsRows; ++r) {
    const double previous = r == 1 ? 0.0 : s.XfsGrid[r - 1];
    if (!(s.XfsGrid[r] > previous && s.XfsFormFactor[r] >= 0 && s.XfsScatterFunction[r] >= 0)) std::abort();
  }
}

void RunAllDistributions(tervolin::testing::RecordingHost& host) {
  for (auto procedure : {tervolin::CoherentMonoenergetic, tervolin::IncoherentMonoenergetic,
                         tervolin::CoherentSpectral, tervolin::IncoherentSpectral}) {
    host.warnings.clear();
    procedure();
    CheckScaled(host);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  EnterScratchDirectory();
  const std::vector<std::string> parts = SplitInput({reinterpret_cast<const char*>(data), size});
  WriteFile("Mus2018.dat", parts[0]);
  WriteFile("XFS_Data/m.xfs", parts[1]);
  WriteFile("XFS_Data/m.csv", parts[2]);
  tervolin::testing::HostFixtureInstaller fixture;
  fixture.host.energyText = parts[3];
  tervolin::Shared().Pi = tervolin::kProgramPi;
  (void)tervolin::LoadAttenuationTable();
  tervolin::Shared().EnergyMode = tervolin::kSpectral;
  if (tervolin::LoadScattererData("m")) return 0;
  CheckLoadedFormFactors();
  for (int n = 1; n <= tervolin::kEnergyBins; ++n) tervolin::Shared().AcceptedSpectrum[n] = 1.0 / n;
  RunAllDistributions(fixture.host);
  return 0;
}
