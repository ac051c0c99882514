// tervolin_tables OUTDIR
//
// Writes the program's data files from xraylib:
//   OUTDIR/Mus2018.dat             attenuation of the tube's anode and filters
//   OUTDIR/MuenAir.dat             energy absorption of dry air
//   OUTDIR/XFS_Data/<name>.xfs     F(x) and S(x) of each scatterer material
//   OUTDIR/XFS_Data/<name>.csv     its scattering cross sections per 0.5-keV bin
// Exits with status 1 and a message on any failure.

#include "air_absorption.h"
#include "grids.h"
#include "materials.h"
#include "record_file.h"
#include "scattering.h"

#include <clocale>
#include <cstdio>
#include <exception>
#include <filesystem>

namespace fs = std::filesystem;

namespace tables {
namespace {

// Anode, inherent/added filter and second added filter of the X-ray tube.
constexpr int kTungsten = 74;
constexpr int kAluminium = 13;
constexpr int kCopper = 29;

// Records "x, F, S".
std::vector<Record> formFactorRecords(const Material& material)
{
    std::vector<Record> records;
    for (const double x : kMomentumTransfer)
        records.push_back({x, formFactor(material, x), scatteringFunction(material, x)});
    return records;
}

// Records "E, coherent, incoherent".
std::vector<Record> crossSectionRecords(const Material& material)
{
    std::vector<Record> records;
    for (int n = 1; n <= kEnergyRecords; ++n) {
        const double e = energyOfRecord(n);
        records.push_back({e, coherentPerMass(material, e), incoherentPerMass(material, e)});
    }
    return records;
}

// Records "E, μ_W, μ_Al, μ_Cu, (μ/ρ)_W, (μ/ρ)_Al, (μ/ρ)_Cu".
std::vector<Record> attenuationRecords()
{
    std::vector<Record> records;
    for (int n = 1; n <= kEnergyRecords; ++n) {
        const double e = energyOfRecord(n);
        records.push_back({e, linearAttenuation(kTungsten, e), linearAttenuation(kAluminium, e),
                           linearAttenuation(kCopper, e), massAttenuation(kTungsten, e),
                           massAttenuation(kAluminium, e), massAttenuation(kCopper, e)});
    }
    return records;
}

// Records "E, (μen/ρ)_air".
std::vector<Record> airAbsorptionRecords()
{
    std::vector<Record> records;
    for (int n = 1; n <= kEnergyRecords; ++n)
        records.push_back({energyOfRecord(n), tervolin::tables::AirEnergyAbsorption(energyOfRecord(n))});
    return records;
}

void writeMaterialFiles(const fs::path& folder, const Material& material)
{
    const fs::path stem = folder / material.name;
    writeRecords(fs::path(stem).concat(u8".xfs"), formFactorRecords(material));
    writeRecords(fs::path(stem).concat(u8".csv"), crossSectionRecords(material));
}

void writeAllTables(const fs::path& outdir)
{
    const fs::path folder = outdir / u8"XFS_Data";
    fs::create_directories(folder);
    for (const Material& material : scattererMaterials())
        writeMaterialFiles(folder, material);
    writeRecords(outdir / u8"Mus2018.dat", attenuationRecords());
    writeRecords(outdir / u8"MuenAir.dat", airAbsorptionRecords());
}

} // namespace
} // namespace tables

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "C");
    if (argc != 2) {
        std::fprintf(stderr, "usage: tervolin_tables OUTDIR\n");
        return 2;
    }
    try {
        tables::writeAllTables(argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tervolin_tables: %s\n", error.what());
        return 1;
    }
    return 0;
}
