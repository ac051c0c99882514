#pragma once
// The checked inputs of the calculations, built from the command line: the texts
// handed to the library as the tube settings and the photon energy, each already
// known to be a whole decimal number within the screens' ranges.

#include <optional>
#include <string>

#include "cli/options.h"
#include "core/distributions.h"
#include "core/tube_settings.h"

namespace tervolin::cli {

// One photon energy or the spectrum of a tube.
struct EnergyRequest {
  std::optional<std::string> energyText;  // keV, one photon energy
  std::optional<TubeSettings> spectrum;   // instead of the energy
};

struct AnglesRequest {
  ScatterKind scatter;
  std::string material;                   // as the user typed it; looked up later
  std::optional<std::string> energyText;  // keV, one photon energy
  std::optional<TubeSettings> spectrum;   // instead of the energy
  DistributionView view;                  // the views' flags: --free-electron, --per-solid-angle
};

enum class Format { Csv, Tsv, Dat };

// The option that sets a spectrum field ("--al").
std::string OptionNameOf(SpectrumField field);

// The option's text; throws UsageError when it was not given.
const std::string& Required(const Invocation& invocation, const std::string& name);

// The options of the spectrum (--kv required, the others defaulted as the spectrum
// screen opens), or the settings of --quality, which excludes them; throws UsageError.
TubeSettings SpectrumRequest(const Invocation& invocation);

// Either --energy or the spectrum; throws UsageError.
EnergyRequest MakeEnergyRequest(const Invocation& invocation);

// --scattering, --material and either --energy or the spectrum; throws UsageError.
AnglesRequest MakeAnglesRequest(const Invocation& invocation);

// --colour of a plot's curve as an index into the 16-colour palette (graphs/palette.h),
// red when absent; throws UsageError.
int CurveColourIndex(const Invocation& curve);

// The views whose flags (core/views.h) are given.
ViewSet ChosenViews(const Invocation& invocation);

// --format, csv when absent; dat only where `datAllowed`; throws UsageError.
Format OutputFormat(const Invocation& invocation, bool datAllowed);

}  // namespace tervolin::cli
