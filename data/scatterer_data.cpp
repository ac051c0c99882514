#include "data/scatterer_data.h"

#include "core/shared_state.h"
#include "data/table_checks.h"

namespace tervolin {

namespace {

using RecordCheck = std::optional<ReadFailure> (*)(const std::vector<double>&, const std::string&);

// The table's items, or the failure of reading them or of the records' check.
ItemsRead ReadTable(const std::string& material, const char* extension, std::size_t items,
                    RecordCheck check) {
  const std::string name = ScattererFileName(material, extension);
  ItemsRead read = ReadItemsFromFile(std::filesystem::path(name), items, name);
  if (!read.failure) read.failure = check(read.items, name);
  return read;
}

void StoreFormFactorTable(const std::vector<double>& items) {
  SharedState& state = Shared();
  for (int r = 1; r <= kXfsRows; ++r) {
    const std::size_t record = static_cast<std::size_t>(r - 1) * kXfsFields;
    state.XfsGrid[r] = items[record];
    state.XfsFormFactor[r] = items[record + 1];
    state.XfsScatterFunction[r] = items[record + 2];
  }
}

void StoreCrossSectionTable(const std::vector<double>& items) {
  SharedState& state = Shared();
  for (int r = 1; r <= kEnergyBins; ++r) {
    const std::size_t record = static_cast<std::size_t>(r - 1) * kCsvFields;
    state.CoherentByEnergy[r] = items[record + 1];
    state.IncoherentByEnergy[r] = items[record + 2];
  }
}

}  // namespace

std::string ScattererFileName(const std::string& material, const char* extension) {
  return std::string(kScattererFolder) + "/" + material + extension;
}

std::optional<ReadFailure> LoadScattererData(const std::string& material) {
  const ItemsRead formFactors = ReadTable(material, ".xfs", kXfsRows * kXfsFields, CheckFormFactorRecords);
  if (formFactors.failure) return formFactors.failure;
  ItemsRead crossSections;
  const bool spectral = Shared().EnergyMode == kSpectral;
  if (spectral) {
    crossSections = ReadTable(material, ".csv", kEnergyBins * kCsvFields, CheckCrossSectionRecords);
    if (crossSections.failure) return crossSections.failure;
  }
  StoreFormFactorTable(formFactors.items);
  if (spectral) StoreCrossSectionTable(crossSections.items);
  return std::nullopt;
}

}  // namespace tervolin
