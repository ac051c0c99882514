#include "cli/calculation.h"

#include <iostream>

#include "cli/run_failure.h"
#include "core/distributions.h"
#include "core/field_number.h"
#include "core/messages.h"
#include "core/spectrum_model.h"
#include "data/air_absorption_table.h"
#include "data/attenuation_table.h"
#include "data/scatterer_data.h"
#include "data/shown_item.h"
#include "data/utf8_text.h"

namespace tervolin::cli {

const char* const kCannotCalculate = "cannot calculate";

namespace {

template <typename T>
T ValueOrThrow(const Outcome<T, ReadFailure>& read) {
  if (!read) ThrowReadFailure(read.Fault());
  return read.Value();
}

// Why a calculation failed, when the library knows: the input and its valid range.
std::string CannotCalculate(const Problem& problem) {
  const std::vector<std::string>& p = problem.parameters;
  if (problem.kind == TextId::kEnergyNotCalculable) {
    return std::string(kCannotCalculate) + " at --energy " + p[0] + " keV (the material's table computes " + p[1] +
           " to " + p[2] + " keV)";
  }
  const std::string option = OptionNameOf(problem.reset->field);
  return std::string(kCannotCalculate) + ": " + option + " " + ShownArgument(p[0]) +
         " mm leaves no photon the calculation can represent (" + option + " up to " + p[1] +
         " mm at these settings)";
}

// The problem the library returned ends the run with its text.
template <typename T>
T ValueOrThrow(const Outcome<T>& result) {
  if (result) return result.Value();
  const Problem& problem = result.Fault();
  if (problem.kind == TextId::kCannotCalculate) throw RunFailure(kCannotCalculate);
  if (problem.kind == TextId::kEnergyNotCalculable || problem.kind == TextId::kFilterTooThick) {
    throw RunFailure(CannotCalculate(problem));
  }
  throw RunFailure("the calculation refused its input: " + MessageOf(problem));
}

// The air table when it is usable; otherwise the reason goes to standard error.
AirTable AirTableOrNote(const std::filesystem::path& dataFolder) {
  const AirTableRead air = LoadAirAbsorptionTable(dataFolder);
  if (air.failure) {
    std::cerr << "tervolin-calc: " << EscapedForDisplay(*air.failure, false) << " (figures that need it are left out)\n";
  }
  return air.table;
}

// The attenuation table, read first as at start-up.
AttenuationTables StartRun(const std::filesystem::path& dataFolder) {
  return ValueOrThrow(LoadAttenuationTable(dataFolder));
}

}  // namespace

void ThrowReadFailure(const ReadFailure& failure) {
  throw RunFailure("cannot read the data file " + failure.fileName + ": " + DescribeReadFailure(failure));
}

EnergyTable PrepareCalculation(const std::filesystem::path& dataFolder, const std::optional<TubeSettings>& spectrum) {
  const AttenuationTables attenuation = StartRun(dataFolder);
  if (!spectrum) return EnergyTable{};
  return ValueOrThrow(ComputeSpectrum(*spectrum, attenuation, {})).fluence;
}

EnergyTable CalculateSpectrumFluence(const std::filesystem::path& dataFolder, const TubeSettings& settings) {
  return ValueOrThrow(ComputeSpectrum(settings, StartRun(dataFolder), {})).fluence;
}

BeamFigures CalculateBeamFigures(const std::filesystem::path& dataFolder, const TubeSettings& settings) {
  const AttenuationTables attenuation = StartRun(dataFolder);
  return ValueOrThrow(ComputeSpectrum(settings, attenuation, AirTableOrNote(dataFolder))).figures;
}

AngleTable CalculateAngles(const std::filesystem::path& dataFolder, const AnglesRequest& request,
                           const std::string& material) {
  const EnergyTable fluence = PrepareCalculation(dataFolder, request.spectrum);
  const EnergyModeKind mode = request.spectrum ? kSpectral : kSingleEnergy;
  const MaterialTables tables =
      ValueOrThrow(LoadMaterialTables(dataFolder, material, request.spectrum.has_value()));
  const DistributionRequest what{request.scatter, mode, FieldNumberOrZero(request.energyText.value_or(""))};
  return ValueOrThrow(Distribution(what, request.view, tables, fluence));
}

}  // namespace tervolin::cli
