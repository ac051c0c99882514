#include "data/attenuation_table.h"

#include "core/shared_state.h"
#include "data/table_checks.h"

namespace tervolin {

std::optional<ReadFailure> LoadAttenuationTable() {
  const ItemsRead read =
      ReadItemsFromFile(kAttenuationFileName, kEnergyBins * kAttenuationFields, kAttenuationFileName);
  if (read.failure) return read.failure;
  if (auto fault = CheckAttenuationRecords(read.items, kAttenuationFileName)) return fault;
  SharedState& state = Shared();
  for (int n = 1; n <= kEnergyBins; ++n) {
    const std::size_t record = static_cast<std::size_t>(n - 1) * kAttenuationFields;
    state.MuTungsten[n] = read.items[record + 1];
    state.MuAluminium[n] = read.items[record + 2];
    state.MuCopper[n] = read.items[record + 3];
  }
  state.Pi = kProgramPi;
  return std::nullopt;
}

}  // namespace tervolin
