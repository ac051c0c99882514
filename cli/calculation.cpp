#include "cli/calculation.h"
#include "core/message_language.h"

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

namespace {

template <typename T>
T ValueOrThrow(const Outcome<T, ReadFailure>& read) {
  if (!read) ThrowReadFailure(read.Fault());
  return read.Value();
}

// Why a calculation failed, when the library knows: the input and its valid range.
std::string CannotCalculate(const Problem& problem) {
  const std::vector<std::string>& p = problem.parameters;
  if (problem.kind == TextId::kEnergyNotCalculable) return Message(TextId::kCliEnergyNotCalculable, p);
  return Message(TextId::kCliFilterTooThick, {OptionNameOf(problem.reset->field), ShownArgument(p[0]), p[1]});
}

template <typename T>
T ValueOrThrow(const Outcome<T>& result) {
  if (!result) ThrowProblem(result.Fault());
  return result.Value();
}

// The attenuation table, read first as at start-up.
AttenuationTables StartRun(const std::filesystem::path& dataFolder) {
  return ValueOrThrow(LoadAttenuationTable(dataFolder));
}

}  // namespace

void ThrowProblem(const Problem& problem) {
  if (problem.kind == TextId::kCannotCalculate) throw RunFailure(Message(TextId::kCliCannotCalculate));
  if (problem.kind == TextId::kEnergyNotCalculable || problem.kind == TextId::kFilterTooThick) {
    throw RunFailure(CannotCalculate(problem));
  }
  throw RunFailure(Message(TextId::kCliInputRefused, {MessageOf(problem, MessageLanguage())}));
}

void ThrowReadFailure(const ReadFailure& failure) {
  throw RunFailure(
      Message(TextId::kCliCannotReadData, {failure.fileName, DescribeReadFailure(failure, MessageLanguage())}));
}

EnergyTable PrepareCalculation(const std::filesystem::path& dataFolder, const std::optional<TubeSettings>& spectrum) {
  const AttenuationTables attenuation = StartRun(dataFolder);
  if (!spectrum) return EnergyTable{};
  return ValueOrThrow(ComputeSpectrum(*spectrum, attenuation, {})).fluence;
}

EnergyTable CalculateSpectrumFluence(const std::filesystem::path& dataFolder, const TubeSettings& settings) {
  return ValueOrThrow(ComputeSpectrum(settings, StartRun(dataFolder), {})).fluence;
}

FiguresRun CalculateBeamFigures(const std::filesystem::path& dataFolder, const TubeSettings& settings) {
  const AttenuationTables attenuation = StartRun(dataFolder);
  const AirTableRead air = LoadAirAbsorptionTable(dataFolder, MessageLanguage());
  return {ValueOrThrow(ComputeSpectrum(settings, attenuation, air.table)).figures, air.failure};
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
