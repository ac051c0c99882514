#include "core/distribution_views.h"

#include <algorithm>

#include "core/angle_readout.h"
#include "core/number_text.h"

namespace tervolin {

namespace {

std::optional<AngleTable> TryCompute(const DistributionRequest& request, const DistributionView& view,
                                     const MaterialTables& material, const EnergyTable& fluence) {
  const Outcome<AngleTable> values = Distribution(request, view, material, fluence);
  if (!values) return std::nullopt;
  return values.Value();
}

bool HasIncoherentAt(const std::vector<DistributionRequest>& requests, double energy) {
  return std::any_of(requests.begin(), requests.end(), [energy](const DistributionRequest& r) {
    return r.energyMode == kSingleEnergy && r.scatter == kIncoherent && r.energyKeV == energy;
  });
}

// "60 keV: x = 2.419 Å⁻¹" and, with E′, ", E′ = 53.72 keV".
std::string EnergyLine(double energy, int degrees, bool withScattered) {
  std::string line = ShortestText(energy) + " keV: x = " + FixedText(MomentumTransferAtAngle(energy, degrees), 3) + " Å⁻¹";
  if (withScattered) line += ", E′ = " + FixedText(ScatteredPhotonEnergy(energy, degrees), 2) + " keV";
  return line;
}

}  // namespace

const std::optional<AngleTable>& DistributionViews::In(const DistributionView& view) const {
  return views[view.Index()];
}

DistributionViews ComputeDistributionViews(const DistributionRequest& request, const DistributionView& view,
                                           const AngleTable& computed, const MaterialTables& material,
                                           const EnergyTable& fluence) {
  DistributionViews curve{request, {}};
  for (std::size_t set = 0; set < ViewSet::kSets; ++set) {
    const DistributionView other = ViewSet::AtIndex(set);
    curve.views[set] = other == view ? std::optional(computed) : TryCompute(request, other, material, fluence);
  }
  return curve;
}

std::string EnergyReadOutLines(const std::vector<DistributionRequest>& requests, int index) {
  std::string lines;
  std::vector<double> energies;
  for (const DistributionRequest& r : requests) {
    if (r.energyMode != kSingleEnergy || std::find(energies.begin(), energies.end(), r.energyKeV) != energies.end()) {
      continue;
    }
    energies.push_back(r.energyKeV);
    // A computed curve's energy is a usable one: these lines cannot fail.
    lines += (lines.empty() ? "" : "\n") + EnergyLine(r.energyKeV, index + 1, HasIncoherentAt(requests, r.energyKeV));
  }
  return lines;
}

}  // namespace tervolin
