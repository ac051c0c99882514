#include "data/scatterer_data.h"

#include "core/shared_state.h"

namespace tervolin {

namespace {

inline constexpr std::size_t kXfsFields = 3;
inline constexpr std::size_t kCsvFields = 3;

ItemsRead ReadTable(const std::string& material, const char* extension, std::size_t items) {
  const std::string name = ScattererFileName(material, extension);
  return ReadItemsFromFile(std::filesystem::path(name), items, name);
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
  const ItemsRead formFactors = ReadTable(material, ".xfs", kXfsRows * kXfsFields);
  if (formFactors.failure) return formFactors.failure;
  ItemsRead crossSections;
  const bool spectral = Shared().EnergyMode == kSpectral;
  if (spectral) {
    crossSections = ReadTable(material, ".csv", kEnergyBins * kCsvFields);
    if (crossSections.failure) return crossSections.failure;
  }
  StoreFormFactorTable(formFactors.items);
  if (spectral) StoreCrossSectionTable(crossSections.items);
  return std::nullopt;
}

}  // namespace tervolin
