#include "workbench/workbench.h"

#include "core/beam_qualities.h"
#include "core/calculation_inputs.h"
#include "core/distribution_views.h"
#include "core/distributions.h"
#include "core/field_number.h"
#include "data/air_absorption_table.h"
#include "data/attenuation_table.h"
#include "data/material_catalogue.h"
#include "data/material_magnitudes.h"
#include "data/scatterer_data.h"
#include "data/spectrum_acceptance.h"
#include "graphs/angle_graph.h"

namespace tervolin {

namespace {

Problem Unreadable(const ReadFailure& failure, Language language) {
  return Problem{TextId::kUnreadableData, {}, {DescribeReadFailure(failure, language)}};
}

}  // namespace

Workbench::Workbench(std::filesystem::path dataFolder) : dataFolder_(std::move(dataFolder)) {}

std::optional<ReadFailure> Workbench::ReadTables(std::optional<std::string>* airFailure) {
  const auto attenuation = LoadAttenuationTable(dataFolder_);
  if (!attenuation) return startFailure_ = attenuation.Fault();
  attenuation_ = attenuation.Value();
  const AirTableRead air = LoadAirAbsorptionTable(dataFolder_, language);
  air_ = air.table;
  if (airFailure != nullptr) *airFailure = air.failure;
  return std::nullopt;
}

std::optional<Problem> Workbench::StartProblem() const {
  if (!startFailure_) return std::nullopt;
  return Problem{TextId::kUnreadableData, {}, {std::string(kAttenuationFileName) + ": " + DescribeReadFailure(*startFailure_, language)}};
}

void Workbench::StartCalculation(ScatterKind kind) {
  scatter = kind;
  energyMode = kSingleEnergy;
  colour = kPaletteRed;
  acceptedSpectrum.reset();
  views.Forget();
}

std::optional<Problem> Workbench::MissingInput(const CurveChoice& choice, bool spectrumToCome) const {
  if (auto problem = StartProblem()) return problem;
  const double energyKev = FieldNumberOrZero(choice.energyText);
  return MissingCalculationInput({Spectral(), !choice.energyText.empty(), energyKev > 0.0,
                                  spectrumToCome || acceptedSpectrum.has_value(), !choice.material.empty()});
}

DistributionRequest Workbench::RequestOf(const CurveChoice& choice) const {
  if (Spectral()) return {*scatter, kSpectral, 0.0};
  return {*scatter, kSingleEnergy, FieldNumberOrZero(choice.energyText)};
}

CurveLabel Workbench::LabelOf(const CurveChoice& choice) const {
  const std::string material = ShownMaterialName(dataFolder_, choice.material, language);
  if (Spectral()) return SpectralLabel(*scatter, material, acceptedSpectrum->settings, language);
  return MonoenergeticLabel(*scatter, material, choice.energyText, language);
}

Outcome<const ViewedCurve*> Workbench::ComputeCurve(const CurveChoice& choice) {
  if (auto problem = MissingInput(choice)) return *problem;
  const auto material = LoadMaterialTables(dataFolder_, choice.material, Spectral());
  if (!material) return Unreadable(material.Fault(), language);
  const DistributionRequest request = RequestOf(choice);
  const Outcome<AngleTable> values = Distribution(request, {}, material.Value(), AcceptedFluence());
  if (!values) return values.Fault();
  views.Add({ComputeDistributionViews(request, values.Value(), material.Value(), AcceptedFluence()),
             PaletteColour(colour), LabelOf(choice),
             Spectral() ? std::optional(ReadTubeFigures(acceptedSpectrum->settings)) : std::nullopt});
  return &views.Curves().back();
}

void Workbench::DrawLastCurve(DrawingSurface& graph) const {
  const ViewedCurve& curve = views.Curves().back();
  PlotAngleCurve(graph, *curve.In({}), curve.colour, curve.label, true);
  if (views.choices.AnyChosen()) RedrawAngleGraph(graph, views);
}

void Workbench::ClearAngleGraph(DrawingSurface& graph) {
  views.Forget();
  DrawAngleAxes(graph, views.choices.perSolidAngle);
  DrawGraphFrame(graph);
}

Outcome<Spectrum> Workbench::ComputeSpectrum(TubeSettings& settings) {
  if (auto problem = StartProblem()) return *problem;
  std::optional<Problem> problem = CheckTubeSettings(settings);
  Outcome<Spectrum> spectrum = problem ? Outcome<Spectrum>(*problem) : tervolin::ComputeSpectrum(settings, attenuation_, air_);
  if (!spectrum) {
    if (const auto& reset = spectrum.Fault().reset) settings.Text(reset->field) = reset->text;
    return spectrum;
  }
  AddStandardFigures(spectrum.Value().figures, settings);
  shownSpectra.push_back(spectrum.Value());
  return spectrum;
}

std::optional<Problem> Workbench::AcceptSpectrum() {
  if (shownSpectra.empty()) return Problem{TextId::kNoSpectrum};
  acceptedSpectrum = shownSpectra.back();
  return std::nullopt;
}

std::optional<Problem> Workbench::WriteAndAcceptSpectrum(const FileSystemCalls& calls) {
  const Spectrum* shown = shownSpectra.empty() ? nullptr : &shownSpectra.back();
  WrittenSpectrumFile written;
  if (auto problem = WriteAcceptedSpectrum(dataFolder_ / kSpectrumFileName, shown, &written, calls, language)) return problem;
  writtenSpectrumFile = std::move(written);
  return AcceptSpectrum();
}

void Workbench::DeleteSpectrumFile() const {
  tervolin::DeleteSpectrumFile(dataFolder_ / kSpectrumFileName, writtenSpectrumFile);
}

const EnergyTable& Workbench::AcceptedFluence() const {
  static constexpr EnergyTable kNoPhotons{};
  return acceptedSpectrum ? acceptedSpectrum->fluence : kNoPhotons;
}

Outcome<ScatteringMagnitudes> Workbench::Magnitudes(const CurveChoice& choice) const {
  if (auto problem = MissingInput(choice)) return *problem;
  const double energyKev = FieldNumberOrZero(choice.energyText);
  const MagnitudesOfMaterial found =
      MaterialMagnitudes(dataFolder_, choice.material, energyMode, energyKev, AcceptedFluence());
  if (const auto* failure = std::get_if<ReadFailure>(&found)) return Unreadable(*failure, language);
  if (const auto* problem = std::get_if<Problem>(&found)) return *problem;
  if (const auto* problem = std::get_if<MagnitudeProblem>(&found)) return ProblemOf(*problem, energyKev, language);
  return std::get<ScatteringMagnitudes>(found);
}

CurveLabel Workbench::MagnitudeSubject(const CurveChoice& choice) const {
  CurveLabel subject;
  if (!choice.material.empty()) subject.push_back({ShownMaterialName(dataFolder_, choice.material, language), ""});
  if (!Spectral()) subject.push_back({FieldValueText(choice.energyText), "keV"});
  if (!Spectral() || !acceptedSpectrum) return subject;
  const CurveLabel conditions = SpectrumLabel(acceptedSpectrum->settings, language);
  subject.insert(subject.end(), conditions.begin(), conditions.end());
  return subject;
}

}  // namespace tervolin
