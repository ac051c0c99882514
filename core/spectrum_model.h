#pragma once
// Approximate photon spectrum of an X-ray tube with a thick tungsten anode at
// constant potential, on 0.5-keV bins: bremsstrahlung summed over the electrons'
// slowing-down (Thomson–Whiddington), self-absorption in the anode at the target
// angle, tungsten K lines above 70 kV, filtration, conversion to photon fluence and
// scaling to a maximum of 1.

#include "core/beam_figures.h"
#include "core/outcome.h"
#include "core/tables.h"
#include "core/tube_settings.h"

namespace tervolin {

// A computed spectrum: the settings it was computed for, the spectrum leaving the
// anode, its relative photon fluence after the filters (largest value 1), the
// largest bin's fluence before that scaling, and the beam's figures. Bin 1 and the
// bins above the tube voltage are 0.
struct Spectrum {
  TubeSettings settings;
  EnergyTable target{};   // leaving the anode, before filtration
  EnergyTable fluence{};  // relative photon fluence
  // The largest bin's fluence before the scaling to 1: photons per electron striking
  // the anode, in one arbitrary unit for every setting, so spectra compare by it.
  double unscaledMaximum = 0.0;
  BeamFigures figures;
};

// The spectrum of the settings, with μ of tungsten, aluminium and copper from
// `attenuation` and the figures that need it from `air`. A tube voltage outside
// 30…150 kV or an inherent filtration below 1.0 mm is refused (CheckTubeRange); an
// arithmetic failure (overflow, or a spectrum with no positive bin) gives "cannot be
// calculated correctly".
Outcome<Spectrum> ComputeSpectrum(const TubeSettings& settings, const AttenuationTables& attenuation,
                                  const AirTable& air);

// The spectrum's fluence on a scale shared with others: φ(E) × unscaledMaximum /
// `largestMaximum`, so that the spectrum whose unscaled maximum is `largestMaximum`
// peaks at 1 and the others in proportion (for the same tube current and time).
EnergyTable FluenceOnCommonScale(const Spectrum& spectrum, double largestMaximum);

}  // namespace tervolin
