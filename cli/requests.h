#pragma once
// The checked inputs of the calculations, built from the command line: the texts
// handed to the library as the screens' fields, each already known to be a whole
// decimal number within the screens' ranges.

#include <array>
#include <optional>
#include <string>

#include "cli/options.h"
#include "core/distributions.h"
#include "core/host.h"

namespace tervolin::cli {

// The five spectrum fields' texts, in the order of kSpectrumFields.
using SpectrumTexts = std::array<std::string, std::size(kSpectrumFields)>;

// One photon energy or the spectrum of a tube.
struct EnergyRequest {
  std::optional<std::string> energyText;  // keV, one photon energy
  std::optional<SpectrumTexts> spectrum;  // instead of the energy
};

struct AnglesRequest {
  int scatterType;                        // kCoherent or kIncoherent
  std::string material;                   // as the user typed it; looked up later
  std::optional<std::string> energyText;  // keV, one photon energy
  std::optional<SpectrumTexts> spectrum;  // instead of the energy
  DistributionView view;                  // --free-electron, --per-solid-angle
};

enum class Format { Csv, Tsv, Dat };

// The option's text; throws UsageError when it was not given.
const std::string& Required(const Invocation& invocation, const std::string& name);

// The options of the spectrum (--kv required, the others defaulted as the spectrum
// screen opens); throws UsageError.
SpectrumTexts SpectrumRequest(const Invocation& invocation);

// Either --energy or the spectrum; throws UsageError.
EnergyRequest MakeEnergyRequest(const Invocation& invocation);

// --scattering, --material and either --energy or the spectrum; throws UsageError.
AnglesRequest MakeAnglesRequest(const Invocation& invocation);

// --format, csv when absent; dat only where `datAllowed`; throws UsageError.
Format OutputFormat(const Invocation& invocation, bool datAllowed);

}  // namespace tervolin::cli
