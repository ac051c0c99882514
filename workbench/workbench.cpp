#include "workbench/workbench.h"

#include "core/calculation_inputs.h"
#include "core/field_number.h"
#include "data/air_absorption_table.h"
#include "data/attenuation_table.h"

namespace tervolin {

Workbench::Workbench(std::filesystem::path dataFolder, Language language)
    : dataFolder_(std::move(dataFolder)), language_(language), materials_(ListMaterials(dataFolder_)) {}

std::optional<ReadFailure> Workbench::ReadTables(std::optional<std::string>* airFailure) {
  const auto attenuation = LoadAttenuationTable(dataFolder_);
  if (!attenuation) return startFailure_ = attenuation.Fault();
  attenuation_ = attenuation.Value();
  const AirTableRead air = LoadAirAbsorptionTable(dataFolder_, language_);
  air_ = air.table;
  if (airFailure != nullptr) *airFailure = air.failure;
  return std::nullopt;
}

std::optional<Problem> Workbench::StartProblem() const {
  if (!startFailure_) return std::nullopt;
  return Problem{TextId::kUnreadableData, {}, {std::string(kAttenuationFileName) + ": " + DescribeReadFailure(*startFailure_, language_)}};
}

// A data file that could not be read, described in the run's language; the second
// parameter names the file, for a front end that words its own message.
Problem Workbench::Unreadable(const ReadFailure& failure) const {
  return Problem{TextId::kUnreadableData, {}, {DescribeReadFailure(failure, language_), failure.fileName}};
}

void Workbench::ChooseLanguage(Language language) {
  language_ = language;
  Tell(Change::kLanguage);
}

LabelWording Workbench::Wording() const {
  LabelWording wording{language_};
  for (const MaterialEntry& m : materials_) wording.materials[m.name] = ShownMaterialName(m, language_);
  return wording;
}

void Workbench::ReadMaterials() {
  materials_ = ListMaterials(dataFolder_);
  Tell(Change::kMaterials);
}

std::vector<ShownMaterial> Workbench::Materials() const {
  std::vector<ShownMaterial> shown;
  for (const MaterialEntry& m : materials_) shown.push_back({m.name, ShownMaterialName(m, language_), m.alias});
  return shown;
}

void Workbench::StartCalculation(ScatterKind kind) {
  scatter_ = kind;
  energyMode_ = kSingleEnergy;
  colour_ = kPaletteRed;
  acceptedSpectrum_.reset();
  curves_.Forget();
  comparison_ = {};
  Tell(Change::kChoices | Change::kAcceptedSpectrum | Change::kCurves | Change::kComparison);
}

void Workbench::ChooseScattering(ScatterKind kind) {
  scatter_ = kind;
  Tell(Change::kChoices);
}

void Workbench::ChooseEnergyMode(EnergyModeKind mode) {
  energyMode_ = mode;
  Tell(Change::kChoices);
}

void Workbench::ChooseColour(int paletteIndex) {
  colour_ = paletteIndex;
  Tell(Change::kChoices);
}

void Workbench::ChooseViews(const ViewSet& views) {
  if (views == curves_.Choices().views) return;
  curves_.Choose({views, curves_.Choices().palette});
  Tell(Change::kViews);
}

void Workbench::ChoosePalette(CurvePalette palette) {
  if (palette == curves_.Choices().palette) return;
  curves_.Choose({curves_.Choices().views, palette});
  Tell(Change::kViews);
}

std::optional<Problem> Workbench::MissingInput(const CurveChoice& choice, bool spectrumToCome) const {
  if (auto problem = StartProblem()) return problem;
  const double energyKev = FieldNumberOrZero(choice.energyText);
  return MissingCalculationInput({Spectral(), !choice.energyText.empty(), energyKev > 0.0,
                                  spectrumToCome || acceptedSpectrum_.has_value(), !choice.material.empty()});
}

DistributionRequest Workbench::RequestOf(const CurveChoice& choice) const {
  if (Spectral()) return {*scatter_, kSpectral, 0.0};
  return {*scatter_, kSingleEnergy, FieldNumberOrZero(choice.energyText)};
}

CurveLabel Workbench::LabelOf(const CurveChoice& choice) const {
  if (Spectral()) return SpectralLabel(*scatter_, choice.material, acceptedSpectrum_->settings);
  return MonoenergeticLabel(*scatter_, choice.material, choice.energyText);
}

}  // namespace tervolin
