// The model's comparison of the sizes of coherent and incoherent scattering, and its
// graph.

#include <variant>

#include "core/field_number.h"
#include "data/material_magnitudes.h"
#include "workbench/workbench.h"

namespace tervolin {

// What a comparison is of: the material, then the energy or the accepted spectrum's
// settings.
CurveLabel Workbench::SubjectOf(const CurveChoice& choice) const {
  CurveLabel subject;
  if (!choice.material.empty()) subject.push_back(MaterialItem(choice.material));
  if (!Spectral()) subject.push_back({FieldValueText(choice.energyText), "keV"});
  if (!Spectral() || !acceptedSpectrum_) return subject;
  const CurveLabel conditions = SpectrumLabel(acceptedSpectrum_->settings);
  subject.insert(subject.end(), conditions.begin(), conditions.end());
  return subject;
}

Outcome<ScatteringMagnitudes> Workbench::Compare(const CurveChoice& choice) {
  Outcome<ScatteringMagnitudes> compared = Compared(choice);
  Tell(Change::kComparison);
  return compared;
}

Outcome<ScatteringMagnitudes> Workbench::Compared(const CurveChoice& choice) {
  comparison_ = {SubjectOf(choice), std::nullopt, MissingInput(choice), Spectral()};
  if (!comparison_.problem) {
    const double energyKev = FieldNumberOrZero(choice.energyText);
    const MagnitudesOfMaterial found =
        MaterialMagnitudes(dataFolder_, choice.material, energyMode_, energyKev, AcceptedFluence());
    if (const auto* failure = std::get_if<ReadFailure>(&found)) comparison_.problem = Unreadable(*failure);
    if (const auto* problem = std::get_if<Problem>(&found)) comparison_.problem = *problem;
    if (const auto* problem = std::get_if<MagnitudeProblem>(&found)) {
      comparison_.problem = ProblemOf(*problem, energyKev, language_);
    }
    if (const auto* magnitudes = std::get_if<ScatteringMagnitudes>(&found)) comparison_.magnitudes = *magnitudes;
  }
  if (comparison_.problem) return *comparison_.problem;
  return *comparison_.magnitudes;
}

MagnitudePlot Workbench::MagnitudePlotOf(const ViewSet& views, bool logarithmic) const {
  return tervolin::MagnitudePlotOf(LabelText(comparison_.subject, Wording()), comparison_.magnitudes,
                                   comparison_.spectral, views, logarithmic, language_);
}

std::string Workbench::MagnitudeCsv(const ViewSet& views) const {
  return MagnitudePlotCsv(MagnitudePlotOf(views, false), language_);
}

}  // namespace tervolin
