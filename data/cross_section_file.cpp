#include "data/cross_section_file.h"

#include "data/scatterer_data.h"
#include "data/table_checks.h"

namespace tervolin {

std::variant<CrossSectionTables, ReadFailure> ReadCrossSectionTables(const std::string& material) {
  const std::string name = ScattererFileName(material, ".csv");
  ItemsRead read = ReadItemsFromFile(std::filesystem::path(name), kEnergyBins * kCsvFields, name);
  if (!read.failure) read.failure = CheckCrossSectionRecords(read.items, name);
  if (read.failure) return *read.failure;
  CrossSectionTables tables;
  for (int n = 1; n <= kEnergyBins; ++n) {
    const std::size_t record = static_cast<std::size_t>(n - 1) * kCsvFields;
    tables.coherent[n] = read.items[record + 1];
    tables.incoherent[n] = read.items[record + 2];
  }
  return tables;
}

}  // namespace tervolin
