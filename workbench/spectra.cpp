// The model's spectra: computed with the tube's settings, shown together, accepted
// and written to the data folder's spectrum file.

#include "core/beam_qualities.h"
#include "data/spectrum_acceptance.h"
#include "workbench/workbench.h"

namespace tervolin {

Outcome<Spectrum> Workbench::ComputeSpectrum(TubeSettings& settings) {
  if (auto problem = StartProblem()) return *problem;
  std::optional<Problem> problem = CheckTubeSettings(settings);
  Outcome<Spectrum> spectrum = problem ? Outcome<Spectrum>(*problem) : tervolin::ComputeSpectrum(settings, attenuation_, air_);
  if (!spectrum) {
    if (const auto& reset = spectrum.Fault().reset) settings.Text(reset->field) = reset->text;
    return spectrum;
  }
  AddStandardFigures(spectrum.Value().figures, settings);
  const bool repeated = !shownSpectra_.empty() && shownSpectra_.back().fluence == spectrum.Value().fluence;
  if (spectrumOptions_.dropRepeated && repeated) shownSpectra_.pop_back();
  shownSpectra_.push_back(spectrum.Value());
  if (!spectrumOptions_.acceptAtOnce) {
    Tell(Change::kSpectra);
    return spectrum;
  }
  acceptedSpectrum_ = spectrum.Value();
  Tell(Change::kSpectra | Change::kAcceptedSpectrum);
  return spectrum;
}

void Workbench::ClearSpectra() {
  shownSpectra_.clear();
  Tell(Change::kSpectra);
}

void Workbench::ChooseSpectrumScale(SpectrumScale scale) {
  spectrumScale_ = scale;
  Tell(Change::kSpectra);
}

std::optional<Problem> Workbench::AcceptSpectrum() {
  if (shownSpectra_.empty()) return Problem{TextId::kNoSpectrum};
  acceptedSpectrum_ = shownSpectra_.back();
  Tell(Change::kAcceptedSpectrum);
  return std::nullopt;
}

std::optional<Problem> Workbench::WriteAndAcceptSpectrum(const FileSystemCalls& calls) {
  const Spectrum* shown = shownSpectra_.empty() ? nullptr : &shownSpectra_.back();
  WrittenSpectrumFile written;
  if (auto problem = WriteAcceptedSpectrum(dataFolder_ / kSpectrumFileName, shown, language_, &written, calls)) {
    return problem;
  }
  writtenSpectrumFile_ = std::move(written);
  return AcceptSpectrum();
}

void Workbench::DeleteSpectrumFile() const {
  tervolin::DeleteSpectrumFile(dataFolder_ / kSpectrumFileName, writtenSpectrumFile_);
}

const EnergyTable& Workbench::AcceptedFluence() const {
  static constexpr EnergyTable kNoPhotons{};
  return acceptedSpectrum_ ? acceptedSpectrum_->fluence : kNoPhotons;
}

}  // namespace tervolin
