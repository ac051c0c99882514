#include "data/attenuation_table.h"

#include "data/table_checks.h"

namespace tervolin {

Outcome<AttenuationTables, ReadFailure> LoadAttenuationTable(const std::filesystem::path& dataFolder) {
  const ItemsRead read = ReadItemsFromFile(dataFolder / kAttenuationFileName, kEnergyBins * kAttenuationFields,
                                           kAttenuationFileName);
  if (read.failure) return *read.failure;
  if (auto fault = CheckAttenuationRecords(read.items, kAttenuationFileName)) return *fault;
  AttenuationTables tables;
  for (int n = 1; n <= kEnergyBins; ++n) {
    const std::size_t record = static_cast<std::size_t>(n - 1) * kAttenuationFields;
    tables.tungsten[n] = read.items[record + 1];
    tables.aluminium[n] = read.items[record + 2];
    tables.copper[n] = read.items[record + 3];
  }
  return tables;
}

}  // namespace tervolin
