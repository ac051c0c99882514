#include "data/air_absorption_table.h"

#include <cmath>

#include "core/shared_state.h"
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

std::optional<std::string> LoadAirAbsorptionTable() {
  SharedState& state = Shared();
  const ItemsRead read =
      ReadItemsFromFile(kAirAbsorptionFileName, kEnergyBins * kFieldsPerRecord, kAirAbsorptionFileName);
  if (read.failure) {
    state.MuenAirStatus = read.failure->problem == ReadProblem::CannotOpen ? kAirTableMissing : kAirTableUnusable;
    return DescribeReadFailure(*read.failure);
  }
  if (const int record = FirstUnusableRecord(read.items); record != 0) {
    state.MuenAirStatus = kAirTableUnusable;
    return std::string("ファイル「") + kAirAbsorptionFileName + "」の " + std::to_string(record) +
           " 番目の係数が正の数ではありません";
  }
  for (int n = 1; n <= kEnergyBins; ++n) {
    state.MuenAir[n] = read.items[static_cast<std::size_t>(n - 1) * kFieldsPerRecord + 1];
  }
  state.MuenAirStatus = kAirTableRead;
  return std::nullopt;
}

}  // namespace tervolin
