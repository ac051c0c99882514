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
#include "data/attenuation_table.h"
#include "data/scatterer_data.h"
#include "core/field_number.h"

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

// The data folder of every run, made by the first.
const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "tervolin-fuzz-XXXXXX").string();
    const std::filesystem::path made = mkdtemp(pattern.data());
    std::filesystem::create_directory(made / "XFS_Data");
    return made;
  }();
  return folder;
}

// Grid positive and strictly increasing, F and S not negative.
void CheckLoadedFormFactors(const tervolin::MaterialTables& m) {
  for (int r = 1; r <= tervolin::kXfsRows; ++r) {
    const double previous = r == 1 ? 0.0 : m.grid[r - 1];
    if (!(m.grid[r] > previous && m.formFactor[r] >= 0 && m.scatterFunction[r] >= 0)) std::abort();
  }
}

// A successful distribution has maximum 1.
void RunAllDistributions(const tervolin::MaterialTables& material, const std::string& energyText) {
  tervolin::EnergyTable fluence{};
  for (int n = 1; n <= tervolin::kEnergyBins; ++n) fluence[n] = 1.0 / n;
  const double energy = tervolin::FieldNumberOrZero(energyText);
  for (const auto scatter : {tervolin::kCoherent, tervolin::kIncoherent}) {
    for (const auto mode : {tervolin::kSingleEnergy, tervolin::kSpectral}) {
      const auto d = tervolin::Distribution({scatter, mode, energy}, {}, material, fluence);
      if (d && *std::max_element(d.Value().begin() + 1, d.Value().end()) != 1.0) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path& folder = ScratchFolder();
  const std::vector<std::string> parts = SplitInput({reinterpret_cast<const char*>(data), size});
  WriteFile(folder / "Mus2018.dat", parts[0]);
  WriteFile(folder / "XFS_Data/m.xfs", parts[1]);
  WriteFile(folder / "XFS_Data/m.csv", parts[2]);
  (void)tervolin::LoadAttenuationTable(folder);
  const auto material = tervolin::LoadMaterialTables(folder, "m", true);
  if (!material) return 0;
  CheckLoadedFormFactors(material.Value());
  RunAllDistributions(material.Value(), parts[3]);
  return 0;
}
