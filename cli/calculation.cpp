#include "cli/calculation.h"
#include "core/message_language.h"

#include <iostream>

#include "cli/run_failure.h"
#include "core/messages.h"
#include "data/material_catalogue.h"
#include "data/shown_item.h"
#include "data/utf8_text.h"

namespace tervolin::cli {

namespace {

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

}  // namespace

void ThrowProblem(const Problem& problem) {
  if (problem.kind == TextId::kCannotCalculate) throw RunFailure(Message(TextId::kCliCannotCalculate));
  if (problem.kind == TextId::kEnergyNotCalculable || problem.kind == TextId::kFilterTooThick) {
    throw RunFailure(CannotCalculate(problem));
  }
  // The model's description of an unreadable file, and the file's name.
  if (problem.kind == TextId::kUnreadableData) {
    throw RunFailure(Message(TextId::kCliCannotReadData, {problem.parameters.at(1), problem.parameters.at(0)}));
  }
  throw RunFailure(Message(TextId::kCliInputRefused, {MessageOf(problem, MessageLanguage())}));
}

void ThrowReadFailure(const ReadFailure& failure) {
  throw RunFailure(
      Message(TextId::kCliCannotReadData, {failure.fileName, DescribeReadFailure(failure, MessageLanguage())}));
}

Workbench OpenBench(const std::filesystem::path& dataFolder) { return Workbench(dataFolder, MessageLanguage()); }

std::string ListName(const Workbench& bench, const std::string& typed) {
  std::vector<MaterialEntry> entries;
  for (const ShownMaterial& m : bench.Materials()) entries.push_back({m.key, m.alias});
  const std::optional<MaterialEntry> entry = FindMaterial(entries, typed);
  if (!entry) throw UsageError(Message(TextId::kCliNotAMaterial, {ShownArgument(typed)}));
  return entry->name;
}

void ReadTables(Workbench& bench) {
  if (const auto failure = bench.ReadTables()) ThrowReadFailure(*failure);
}

FiguresRun CalculateBeamFigures(Workbench& bench, const TubeSettings& settings) {
  std::optional<std::string> airFailure;
  if (const auto failure = bench.ReadTables(&airFailure)) ThrowReadFailure(*failure);
  return {CalculateSpectrum(bench, settings).figures, airFailure};
}

Spectrum CalculateSpectrum(Workbench& bench, TubeSettings settings) {
  return ValueOrThrow(bench.ComputeSpectrum(settings));
}

void ChooseEnergy(Workbench& bench, ScatterKind scatter, const EnergyRequest& energy) {
  bench.StartCalculation(scatter);
  if (!energy.spectrum) return;
  bench.ChooseEnergyMode(kSpectral);
  bench.ClearSpectra();
  (void)CalculateSpectrum(bench, *energy.spectrum);
  if (const auto problem = bench.AcceptSpectrum()) ThrowProblem(*problem);
}

AngleTable CalculateAngles(Workbench& bench, const AnglesRequest& request, const std::string& material) {
  ChooseEnergy(bench, request.scatter, {request.energyText, request.spectrum});
  const ViewedCurve curve = ValueOrThrow(bench.ComputeCurve({material, request.energyText.value_or("")}, request.view));
  return *curve.In(request.view);
}

}  // namespace tervolin::cli
