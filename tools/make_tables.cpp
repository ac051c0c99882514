// tervolin_tables OUTDIR
//
// Writes the program's data files from xraylib:
//   OUTDIR/Mus2018.dat             attenuation of the tube's anode and filters
//   OUTDIR/XFS_Data/<name>.xfs     F(x) and S(x) of each scatterer material
//   OUTDIR/XFS_Data/<name>.csv     its scattering cross sections per 0.5-keV bin
// Exits with status 1 and a message on any failure.

#include "grids.h"
#include "materials.h"
#include "record_file.h"
#include "scattering.h"

#include <clocale>
#include <cstdio>
#include <exception>
#include <filesystem>

namespace fs = std::filesystem;

namespace tervolin::tables {
namespace {

// Anode, inherent/added filter and second added filter of the X-ray tube.
constexpr int kTungsten = 74;
constexpr int kAluminium = 13;
constexpr int kCopper = 29;

// Records "x, F, S".
std::vector<Record> FormFactorRecords(const Material& material) {
  std::vector<Record> records;
  for (const double x : kMomentumTransfer)
    records.push_back({x, FormFactor(material, x), ScatteringFunction(material, x)});
  return records;
}

// Records "E, coherent, incoherent".
std::vector<Record> CrossSectionRecords(const Material& material) {
  std::vector<Record> records;
  for (int n = 1; n <= kEnergyRecords; ++n) {
    const double e = EnergyOfRecord(n);
    records.push_back({e, CoherentPerMass(material, e), IncoherentPerMass(material, e)});
  }
  return records;
}

// Records "E, μ_W, μ_Al, μ_Cu, (μ/ρ)_W, (μ/ρ)_Al, (μ/ρ)_Cu".
std::vector<Record> AttenuationRecords() {
  std::vector<Record> records;
  for (int n = 1; n <= kEnergyRecords; ++n) {
    const double e = EnergyOfRecord(n);
    records.push_back({e, LinearAttenuation(kTungsten, e), LinearAttenuation(kAluminium, e),
                       LinearAttenuation(kCopper, e), MassAttenuation(kTungsten, e),
                       MassAttenuation(kAluminium, e), MassAttenuation(kCopper, e)});
  }
  return records;
}

void WriteMaterialFiles(const fs::path& folder, const Material& material) {
  const fs::path stem = folder / material.name;
  WriteRecords(fs::path(stem).concat(u8".xfs"), FormFactorRecords(material));
  WriteRecords(fs::path(stem).concat(u8".csv"), CrossSectionRecords(material));
}

void WriteAllTables(const fs::path& outdir) {
  const fs::path folder = outdir / u8"XFS_Data";
  fs::create_directories(folder);
  for (const Material& material : ScattererMaterials())
    WriteMaterialFiles(folder, material);
  WriteRecords(outdir / u8"Mus2018.dat", AttenuationRecords());
}

}  // namespace
}  // namespace tervolin::tables

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "C");
  if (argc != 2) {
    std::fprintf(stderr, "usage: tervolin_tables OUTDIR\n");
    return 2;
  }
  try {
    tervolin::tables::WriteAllTables(argv[1]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tervolin_tables: %s\n", error.what());
    return 1;
  }
  return 0;
}
