#include "data/scatterer_data.h"

#include "data/table_checks.h"
#include "data/utf8_text.h"

namespace tervolin {

namespace {

using RecordCheck = std::optional<ReadFailure> (*)(const std::vector<double>&, const std::string&);

// The table's items, or the failure of reading them or of the records' check; a
// failure names the file with the material's blanks and format characters shown.
ItemsRead ReadTable(const std::filesystem::path& dataFolder, const std::string& material, const char* extension,
                    std::size_t items, RecordCheck check) {
  const std::string shown = ScattererFileName(EscapedName(material), extension);
  ItemsRead read = ReadItemsFromFile(dataFolder / ScattererFileName(material, extension), items, shown);
  if (!read.failure) read.failure = check(read.items, shown);
  return read;
}

// The items of the .xfs table: its 45 records and the molar mass after them. A failure
// within the records is told as the records alone give it; a table that ends after
// them is an older one without the molar mass; anything else in its place fails.
ItemsRead ReadFormFactorTable(const std::filesystem::path& dataFolder, const std::string& material) {
  constexpr std::size_t kRecordItems = kXfsRows * kXfsFields;
  ItemsRead read = ReadTable(dataFolder, material, ".xfs", kRecordItems + 1, CheckFormFactorRecords);
  if (!read.failure) return read;
  ItemsRead records = ReadTable(dataFolder, material, ".xfs", kRecordItems, CheckFormFactorRecords);
  const bool older = read.failure->problem == ReadProblem::EndedEarly;
  return records.failure || older ? records : read;
}

void StoreFormFactorTable(const std::vector<double>& items, MaterialTables& tables) {
  for (int r = 1; r <= kXfsRows; ++r) {
    const std::size_t record = static_cast<std::size_t>(r - 1) * kXfsFields;
    tables.grid[r] = items[record];
    tables.formFactor[r] = items[record + 1];
    tables.scatterFunction[r] = items[record + 2];
  }
  if (items.size() > kXfsRows * kXfsFields) tables.molarMass = items.back();
}

void StoreCrossSectionTable(const std::vector<double>& items, MaterialTables& tables) {
  for (int r = 1; r <= kEnergyBins; ++r) {
    const std::size_t record = static_cast<std::size_t>(r - 1) * kCsvFields;
    tables.coherent[r] = items[record + 1];
    tables.incoherent[r] = items[record + 2];
  }
}

}  // namespace

std::string ScattererFileName(const std::string& material, const char* extension) {
  return std::string(kScattererFolder) + "/" + material + extension;
}

Outcome<MaterialTables, ReadFailure> LoadMaterialTables(const std::filesystem::path& dataFolder,
                                                        const std::string& material, bool crossSections) {
  const ItemsRead formFactors = ReadFormFactorTable(dataFolder, material);
  if (formFactors.failure) return *formFactors.failure;
  MaterialTables tables;
  StoreFormFactorTable(formFactors.items, tables);
  if (!crossSections) return tables;
  const ItemsRead sections =
      ReadTable(dataFolder, material, ".csv", kEnergyBins * kCsvFields, CheckCrossSectionRecords);
  if (sections.failure) return *sections.failure;
  StoreCrossSectionTable(sections.items, tables);
  return tables;
}

}  // namespace tervolin
