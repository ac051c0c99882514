#include "data/air_absorption_table.h"

#include "data/item_reader.h"
#include "data/table_checks.h"

namespace tervolin {

AirTableRead LoadAirAbsorptionTable(const std::filesystem::path& dataFolder, Language language) {
  const ItemsRead read = ReadItemsFromFile(dataFolder / kAirAbsorptionFileName, kEnergyBins * kAirAbsorptionFields,
                                           kAirAbsorptionFileName);
  if (read.failure) {
    const bool missing = read.failure->problem == ReadProblem::CannotOpen;
    return {{missing ? kAirTableMissing : kAirTableUnusable, {}}, DescribeReadFailure(*read.failure, language)};
  }
  if (const auto fault = CheckAirAbsorptionRecords(read.items, kAirAbsorptionFileName)) {
    return {{kAirTableUnusable, {}}, DescribeReadFailure(*fault, language)};
  }
  AirTableRead result{{kAirTableRead, {}}, std::nullopt};
  for (int n = 1; n <= kEnergyBins; ++n) {
    result.table.muen[n] = read.items[static_cast<std::size_t>(n - 1) * kAirAbsorptionFields + 1];
  }
  return result;
}

}  // namespace tervolin
