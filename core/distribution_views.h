#pragma once
// A computed angular distribution in the four teaching views: per unit angle or per
// unit solid angle, of the atom or of the free electron (Thomson, Klein–Nishina).
// All four are computed with the curve, since the material and the spectrum may
// change afterwards.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/distributions.h"

namespace tervolin {

struct DistributionViews {
  DistributionRequest request;
  // One per set of views, at its Index(); a view that cannot be calculated is empty.
  std::array<std::optional<AngleTable>, ViewSet::kSets> views;
  const std::optional<AngleTable>& In(const DistributionView& view) const;
};

// The distribution just computed in `view` (`computed`) with its other views, from
// the same material and spectrum.
DistributionViews ComputeDistributionViews(const DistributionRequest& request, const DistributionView& view,
                                           const AngleTable& computed, const MaterialTables& material,
                                           const EnergyTable& fluence);

// The read-out's lines for the single-energy requests at angle index i (θ = i + 1°):
// "60 keV: x = 2.419 Å⁻¹, E′ = 53.72 keV", E′ when an incoherent request has that
// energy; one line per energy.
std::string EnergyReadOutLines(const std::vector<DistributionRequest>& requests, int index);

}  // namespace tervolin
