#pragma once
// The compare command's calculation and texts: coherent and incoherent scattering of
// a material on one absolute scale, dσ/dθ in cm²/g per degree (or dσ/dΩ in cm²/g/sr).

#include <filesystem>
#include <string>

#include "cli/requests.h"
#include "core/scattering_magnitudes.h"
#include "workbench/workbench.h"

namespace tervolin::cli {

// The model's comparison for a list name of its data folder, at the energy or over the
// tube's spectrum. Throws UsageError for an energy outside the cross-section table,
// RunFailure on a data file or a calculation that fails.
ScatteringMagnitudes CalculateMagnitudes(Workbench& bench, const EnergyRequest& energy, const std::string& material);

// theta_deg and the three curves, the header naming the unit.
std::string MagnitudeCurvesText(const ScatteringMagnitudes& magnitudes, Format format, bool perSolidAngle);

// "coherent: 0.0139 cm2/g, 7.29 % (curve 0.01385 cm2/g, table/curve 1.0036)" and the
// same for incoherent, then the total: the tabulated σ/ρ, its share, the curve's
// integral and their ratio; for a table without the molar mass a note instead.
std::string MagnitudeTotalsText(const ScatteringMagnitudes& magnitudes);

// The same as a table: scattering, cross_section_cm2_per_g, share_percent,
// curve_integral_cm2_per_g, table_to_curve_ratio (the last two empty without the
// molar mass).
std::string MagnitudeTotalsTable(const ScatteringMagnitudes& magnitudes, Format format);

}  // namespace tervolin::cli
