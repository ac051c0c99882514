#include "cli/calculation.h"

#include <iostream>

#include "cli/calc_host.h"
#include "cli/run_failure.h"
#include "core/distributions.h"
#include "core/failure_rule.h"
#include "core/leading_number.h"
#include "core/messages.h"
#include "core/spectrum_model.h"
#include "data/air_absorption_table.h"
#include "data/attenuation_table.h"
#include "data/scatterer_data.h"
#include "data/utf8_text.h"

namespace tervolin::cli {

const char* const kCannotCalculate = "cannot calculate";

namespace {

// Any warning box the library would have shown ends the run with its text.
void ThrowOnWarning(const TextHost& host) {
  if (host.warnings.empty()) return;
  if (host.warnings.front() == msg::kCannotCalculate) throw RunFailure(kCannotCalculate);
  throw RunFailure("the calculation refused its input: " + host.warnings.front());
}

// A fresh shared state with the attenuation table read, as after start-up.
void StartRun() {
  ResetSharedState();
  ThrowOnReadFailure(LoadAttenuationTable());
}

void ComputeSpectrum(TextHost& host, const SpectrumTexts& texts) {
  for (std::size_t i = 0; i < texts.size(); ++i) host.spectrumFields[kSpectrumFields[i]] = texts[i];
  CalculateSpectrum();
  ThrowOnWarning(host);
}

// The distribution as the calculation screen's teaching views compute it, from the
// energy as the screen reads its field.
AngleTable CalculateInView(const AnglesRequest& request) {
  const DistributionRequest what{static_cast<ScatterKind>(request.scatterType),
                                 request.spectrum ? kSpectral : kSingleEnergy,
                                 ReadLeadingNumber(request.energyText.value_or(""))};
  try {
    return ComputeDistribution(what, request.view);
  } catch (const ArithmeticFailure&) {
    throw RunFailure(kCannotCalculate);
  }
}

}  // namespace

void ThrowOnReadFailure(const std::optional<ReadFailure>& failure) {
  if (failure) {
    throw RunFailure("cannot read the data file " + failure->fileName + ": " + DescribeReadFailure(*failure));
  }
}

void PrepareCalculation(InstalledHost& installed, const std::optional<SpectrumTexts>& spectrum) {
  StartRun();
  if (spectrum) {
    ComputeSpectrum(installed.host, *spectrum);
    AcceptComputedSpectrum();
  }
  Shared().EnergyMode = spectrum ? kSpectral : kSingleEnergy;
}

EnergyTable CalculateSpectrumFluence(const SpectrumTexts& texts) {
  InstalledHost installed;
  StartRun();
  ComputeSpectrum(installed.host, texts);
  return Shared().SpectrumFluence;
}

BeamFigures CalculateBeamFigures(const SpectrumTexts& texts) {
  InstalledHost installed;
  StartRun();
  if (const std::optional<std::string> failure = LoadAirAbsorptionTable()) {
    std::cerr << "tervolin-calc: " << EscapedForDisplay(*failure, false) << " (figures that need it are left out)\n";
  }
  ComputeSpectrum(installed.host, texts);
  return ComputeBeamFigures(Shared().SpectrumFluence);
}

AngleTable CalculateAngles(const AnglesRequest& request, const std::string& material) {
  InstalledHost installed;
  PrepareCalculation(installed, request.spectrum);
  installed.host.energyText = request.energyText.value_or("");
  Shared().ScatterType = request.scatterType;
  ThrowOnReadFailure(LoadScattererData(material));
  if (request.view.freeElectron || request.view.perSolidAngle) return CalculateInView(request);
  if (!RunChosenDistribution()) throw RunFailure(kCannotCalculate);
  ThrowOnWarning(installed.host);
  return Shared().AngleDistribution;
}

}  // namespace tervolin::cli
