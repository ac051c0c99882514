#include "cli/calculation.h"

#include <iostream>

#include "cli/run_failure.h"
#include "core/distributions.h"
#include "core/leading_number.h"
#include "core/messages.h"
#include "core/spectrum_model.h"
#include "data/air_absorption_table.h"
#include "data/attenuation_table.h"
#include "data/scatterer_data.h"

namespace tervolin::cli {

const char* const kCannotCalculate = "cannot calculate";

namespace {

template <typename T>
T ValueOrThrow(const Outcome<T, ReadFailure>& read) {
  if (read) return read.Value();
  const ReadFailure& failure = read.Fault();
  throw RunFailure("cannot read the data file " + failure.fileName + ": " + DescribeReadFailure(failure));
}

// The problem the library returned ends the run with its text.
template <typename T>
T ValueOrThrow(const Outcome<T>& result) {
  if (result) return result.Value();
  const std::string& message = result.Fault().message;
  if (message == msg::kCannotCalculate) throw RunFailure(kCannotCalculate);
  throw RunFailure("the calculation refused its input: " + message);
}

// The air table when it is usable; otherwise the reason goes to standard error.
AirTable AirTableOrNote() {
  const AirTableRead air = LoadAirAbsorptionTable();
  if (air.failure) std::cerr << "tervolin-calc: " << *air.failure << " (figures that need it are left out)\n";
  return air.table;
}

// The attenuation table, read first as at start-up.
AttenuationTables StartRun() { return ValueOrThrow(LoadAttenuationTable()); }

}  // namespace

EnergyTable CalculateSpectrumFluence(const TubeSettings& settings) {
  return ValueOrThrow(ComputeSpectrum(settings, StartRun(), {})).fluence;
}

BeamFigures CalculateBeamFigures(const TubeSettings& settings) {
  const AttenuationTables attenuation = StartRun();
  return ValueOrThrow(ComputeSpectrum(settings, attenuation, AirTableOrNote())).figures;
}

AngleTable CalculateAngles(const AnglesRequest& request, const std::string& material) {
  const AttenuationTables attenuation = StartRun();
  const EnergyModeKind mode = request.spectrum ? kSpectral : kSingleEnergy;
  EnergyTable fluence{};
  if (request.spectrum) fluence = ValueOrThrow(ComputeSpectrum(*request.spectrum, attenuation, {})).fluence;
  const MaterialTables tables = ValueOrThrow(LoadMaterialTables(material, request.spectrum.has_value()));
  const DistributionRequest what{request.scatter, mode, ReadLeadingNumber(request.energyText.value_or(""))};
  return ValueOrThrow(Distribution(what, request.view, tables, fluence));
}

}  // namespace tervolin::cli
