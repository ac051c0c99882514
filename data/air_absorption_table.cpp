#include "data/air_absorption_table.h"

#include <cmath>

#include "core/energy_tables.h"

#include "data/item_reader.h"

namespace tervolin {

namespace {

inline constexpr std::size_t kFieldsPerRecord = 2;

// The first record whose coefficient is not a positive number, or 0.
int FirstUnusableRecord(const std::vector<double>& items) {
  for (int n = 1; n <= kEnergyBins; ++n) {
    const double value = items[static_cast<std::size_t>(n - 1) * kFieldsPerRecord + 1];
    if (!(value > 0.0) || !std::isfinite(value)) return n;
  }
  return 0;
}

}  // namespace

AirTableRead LoadAirAbsorptionTable() {
  const ItemsRead read =
      ReadItemsFromFile(kAirAbsorptionFileName, kEnergyBins * kFieldsPerRecord, kAirAbsorptionFileName);
  if (read.failure) {
    const bool missing = read.failure->problem == ReadProblem::CannotOpen;
    return {{missing ? kAirTableMissing : kAirTableUnusable, {}}, DescribeReadFailure(*read.failure)};
  }
  if (const int record = FirstUnusableRecord(read.items); record != 0) {
    return {{kAirTableUnusable, {}}, std::string("ファイル「") + kAirAbsorptionFileName + "」の " +
                                         std::to_string(record) + " 番目の係数が正の数ではありません"};
  }
  AirTableRead result{{kAirTableRead, {}}, std::nullopt};
  for (int n = 1; n <= kEnergyBins; ++n) {
    result.table.muen[n] = read.items[static_cast<std::size_t>(n - 1) * kFieldsPerRecord + 1];
  }
  return result;
}

}  // namespace tervolin
