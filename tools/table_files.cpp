#include "table_files.h"

#include "grids.h"
#include "message_language.h"
#include "record_file.h"
#include "air_absorption.h"
#include "scattering.h"
#include "xrl_call.h"

#include "core/number_text.h"
#include "core/tables.h"
#include "data/material_catalogue.h"
#include "data/scatterer_data.h"
#include "data/shown_item.h"

namespace fs = std::filesystem;

namespace tervolin::tables {
namespace {

// Anode, inherent/added filter and second added filter of the X-ray tube.
constexpr int kTungsten = 74;
constexpr int kAluminium = 13;
constexpr int kCopper = 29;

// The formula unit's molar mass M (g/mol), within what the program reads.
double CheckedMolarMass(const Material& material) {
  const double mass = MolarMass(material);
  if (mass < kSmallestMolarMass || mass > kLargestMolarMass) {
    const std::string range = Message(TextId::kValueRange, {ShortestText(kSmallestMolarMass),
                                                            ShortestText(kLargestMolarMass)});
    throw TableError(Message(TextId::kTablesMolarMassOutOfRange,
                             {ShownArgument(material.compound), ShortestText(mass), range}));
  }
  return mass;
}

// Records "x, F, S", then one record of the formula unit's molar mass M (g/mol),
// which turns F² and S per formula unit into cross sections per gram.  A reader
// that takes the 45 records alone never sees it.
std::vector<Record> FormFactorRecords(const Material& material) {
  std::vector<Record> records;
  for (const double x : kMomentumTransfer)
    records.push_back({x, FormFactor(material, x), ScatteringFunction(material, x)});
  records.push_back({CheckedMolarMass(material)});
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

}  // namespace

std::vector<fs::path> WriteMaterialFiles(const fs::path& dataFolder, const Material& material) {
  const fs::path folder = dataFolder / kScattererFolder;
  std::error_code error;
  fs::create_directory(folder, error);  // in a data folder that is there
  if (error)
    throw TableError(Message(TextId::kTablesCannotMakeFolder, {DisplayName(folder), SystemErrorText(error.value())}));
  const fs::path stem = folder / material.name;
  const fs::path xfs = fs::path(stem).concat(u8".xfs");
  const fs::path csv = fs::path(stem).concat(u8".csv");
  // Both texts first, so that an xraylib error leaves no file behind; then the two
  // files as a pair, never one without the other.
  const std::string formFactors = RecordsText(FormFactorRecords(material));
  const std::string crossSections = RecordsText(CrossSectionRecords(material));
  const FileText pair[] = {{xfs, formFactors}, {csv, crossSections}};
  WriteFilesTogether(pair);
  return {xfs, csv};
}

void WriteAttenuationTable(const fs::path& dataFolder) {
  WriteRecords(dataFolder / u8"Mus2018.dat", AttenuationRecords());
}

void WriteAirAbsorptionTable(const fs::path& dataFolder) {
  std::vector<Record> records;
  for (int n = 1; n <= kEnergyRecords; ++n)
    records.push_back({EnergyOfRecord(n), AirEnergyAbsorption(EnergyOfRecord(n))});
  WriteRecords(dataFolder / u8"MuenAir.dat", records);
}

void WriteMaterialIndex(const fs::path& dataFolder,
                        const std::vector<MaterialDefinition>& materials) {
  std::string text = "# name\talias (written by tervolin-tables)\n";
  for (const MaterialDefinition& material : materials)
    text += std::string(material.name.begin(), material.name.end()) + '\t' + material.alias + '\n';
  WriteFileSafely(dataFolder / kScattererFolder / kMaterialIndexFile, text);
}

}  // namespace tervolin::tables
