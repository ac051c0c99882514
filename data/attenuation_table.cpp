#include "data/attenuation_table.h"

#include "core/shared_state.h"

namespace tervolin {

namespace {
inline constexpr std::size_t kFieldsPerRecord = 7;
}

std::optional<ReadFailure> LoadAttenuationTable() {
  const ItemsRead read =
      ReadItemsFromFile(kAttenuationFileName, kEnergyBins * kFieldsPerRecord, kAttenuationFileName);
  if (read.failure) return read.failure;
  SharedState& state = Shared();
  for (int n = 1; n <= kEnergyBins; ++n) {
    const std::size_t record = static_cast<std::size_t>(n - 1) * kFieldsPerRecord;
    state.MuTungsten[n] = read.items[record + 1];
    state.MuAluminium[n] = read.items[record + 2];
    state.MuCopper[n] = read.items[record + 3];
  }
  state.Pi = kProgramPi;
  return std::nullopt;
}

}  // namespace tervolin
