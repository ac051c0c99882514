#pragma once
// The figures a radiology teacher describes an X-ray beam by, from its photon
// fluence per 0.5-keV bin: mean energy, the first and second half-value layers in
// aluminium for air kerma, the homogeneity coefficient and the effective energy.

#include <array>
#include <optional>
#include <string>

#include "core/tables.h"
#include "core/text_catalogue.h"

namespace tervolin {

struct BeamFigures {
  std::optional<double> meanEnergyKev;       // keV
  std::optional<double> effectiveEnergyKev;  // keV
  std::optional<double> hvl1Mm;              // mm Al
  std::optional<double> hvl2Mm;              // mm Al
  std::optional<double> homogeneity;         // HVL1 / HVL2
  // Why the figures that need the air table are missing (a short line of the
  // catalogue); nothing when they could be worked out.
  std::optional<TextId> problem;
  // The standard's first half-value layer (mm Al) and homogeneity coefficient, for a
  // beam made with the settings of a standard quality (core/beam_qualities.h).
  std::optional<double> standardHvl1Mm;
  std::optional<double> standardHomogeneity;
};

// Σ Φ(n) E(n) / Σ Φ(n), keV; nothing when no bin holds fluence.
std::optional<double> MeanEnergy(const EnergyTable& fluence);

// Air kerma per bin, relative: K(n) = Φ(n) E(n) (μen/ρ)_air(n) (keV cm²/g per
// unit fluence).
EnergyTable AirKerma(const EnergyTable& fluence, const EnergyTable& muenAir);

// Share of the air kerma left behind t mm of aluminium (μ_Al in 1/cm):
// Σ K(n) exp(−μ_Al(n) t) / Σ K(n).
double TransmittedKerma(const EnergyTable& kerma, const EnergyTable& muAluminium, double thicknessMm);

// The aluminium thickness, mm, that lets the given share (0 < share < 1) of the air
// kerma through, to within kThicknessToleranceMm; nothing without kerma or with a
// coefficient that is not positive where there is kerma.
std::optional<double> AluminiumThicknessFor(const EnergyTable& kerma, const EnergyTable& muAluminium,
                                            double share);

// The photon energy, keV, at which aluminium attenuates as the beam does at its
// first half-value layer: μ_Al(E) = ln 2 / HVL1, log-log interpolated in the
// aluminium column above its K edge. Nothing outside that column's range.
std::optional<double> EffectiveEnergy(const EnergyTable& muAluminium, double hvl1Mm);

// All five figures of a spectrum, with μ_Al (1/cm) and (μen/ρ)_air; without a read
// air table only the mean energy, and the reason for the others' absence.
BeamFigures ComputeBeamFigures(const EnergyTable& fluence, const EnergyTable& muAluminium, const AirTable& air);

// One figure as it is printed: its English name, value, decimals and unit ("" for none).
struct BeamFigureLine {
  const char* name;  // "mean energy", "effective energy", "HVL1", "HVL2", "homogeneity coefficient"
  std::optional<double> value;
  int decimals;
  const char* unit;  // "keV", "mm Al", ""
};

// The five figures in the order FormatBeamFigures prints them.
std::array<BeamFigureLine, 5> BeamFigureLines(const BeamFigures& figures);

// One line "HVL1: 3.641 mm Al\n" as FormatBeamFigures prints it.
std::string FormatBeamFigureLine(const BeamFigureLine& line);

// The five lines "mean energy: 48.12 keV", "effective energy: 37.85 keV",
// "HVL1: 3.641 mm Al", "HVL2: 4.902 mm Al", "homogeneity coefficient: 0.743",
// each ended by "\n"; a missing figure reads "—". A point is the decimal
// separator whatever the locale.
std::string FormatBeamFigures(const BeamFigures& figures);

// A number with the given decimals ("—" for nothing), independent of the locale.
std::string FormatFigure(const std::optional<double>& value, int decimals);

}  // namespace tervolin
