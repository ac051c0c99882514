#include "data/air_absorption_table.h"

#include "core/shared_state.h"
#include "data/item_reader.h"
#include "data/table_checks.h"

namespace tervolin {

std::optional<std::string> LoadAirAbsorptionTable() {
  SharedState& state = Shared();
  const ItemsRead read =
      ReadItemsFromFile(kAirAbsorptionFileName, kEnergyBins * kAirAbsorptionFields, kAirAbsorptionFileName);
  if (read.failure) {
    state.MuenAirStatus = read.failure->problem == ReadProblem::CannotOpen ? kAirTableMissing : kAirTableUnusable;
    return DescribeReadFailure(*read.failure);
  }
  if (const auto fault = CheckAirAbsorptionRecords(read.items, kAirAbsorptionFileName)) {
    state.MuenAirStatus = kAirTableUnusable;
    return DescribeReadFailure(*fault);
  }
  for (int n = 1; n <= kEnergyBins; ++n) {
    state.MuenAir[n] = read.items[static_cast<std::size_t>(n - 1) * kAirAbsorptionFields + 1];
  }
  state.MuenAirStatus = kAirTableRead;
  return std::nullopt;
}

}  // namespace tervolin
