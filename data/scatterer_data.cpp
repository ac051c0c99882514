#include "data/scatterer_data.h"

#include "data/file_replacement.h"
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

// The items of the .xfs table: its 45 records, then the molar mass on the line after
// them when it gives one (an older table ends after the records, or goes on with
// text that is no number, which stays unread as before).
ItemsRead ReadFormFactorTable(const std::filesystem::path& dataFolder, const std::string& material) {
  const std::string shown = ScattererFileName(EscapedName(material), ".xfs");
  ItemsAndNextLine read =
      ReadItemsAndNextLine(dataFolder / ScattererFileName(material, ".xfs"), kXfsRows * kXfsFields, shown);
  if (!read.read.failure) read.read.failure = CheckFormFactorRecords(read.read.items, shown);
  if (read.read.failure) return read.read;
  const Outcome<std::optional<double>, ReadFailure> mass = ReadMolarMassLine(read.after, shown);
  if (!mass) read.read.failure = mass.Fault();
  else if (mass.Value()) read.read.items.push_back(*mass.Value());
  return read.read;
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

// Whether a table of the material is one of a pair that a writer, gone between its
// renames, left half replaced: its numbers would not belong to the other table's.
bool IsHalfReplaced(const std::filesystem::path& dataFolder, const std::string& material) {
  const std::filesystem::path folder = dataFolder / kScattererFolder;
  for (const UnfinishedReplacement& pair : UnfinishedReplacements(folder)) {
    if (!IsMixed(pair)) continue;
    for (const auto& member : pair.members) {
      const std::optional<FileIdentity> file = IdentityOf(member.file);  // the same file, whatever it holds
      for (const char* extension : {".xfs", ".csv"}) {
        if (file && file == IdentityOf(dataFolder / ScattererFileName(material, extension))) return true;
      }
    }
  }
  return false;
}

}  // namespace

std::string ScattererFileName(const std::string& material, const char* extension) {
  return std::string(kScattererFolder) + "/" + material + extension;
}

Outcome<MaterialTables, ReadFailure> LoadMaterialTables(const std::filesystem::path& dataFolder,
                                                        const std::string& material, bool crossSections) {
  if (IsHalfReplaced(dataFolder, material)) {
    return ReadFailure{ReadProblem::HalfReplaced, ScattererFileName(EscapedName(material), ".xfs"), 1, "", 0};
  }
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
