#pragma once
// The texts the program shows, by what they say: each language's wording lives in a
// catalogue of its own (core/texts_ja.cpp), so that a front end asks for a text by its
// id and never holds the wording itself.

#include <string>
#include <vector>

namespace tervolin {

enum class TextId {
  // Messages of the calculation screen, the page and tervolin-calc.
  kCannotCalculate,
  kNoEnergy,
  kNoSpectrum,
  kNoScatterer,
  // The spectrum screen's checks of its fields.
  kEnterTubeVoltage,
  kReenterTargetAngle,
  kReenterInherentFiltration,
  kReenterAluminiumFilter,
  kReenterCopperFilter,
  // The spectrum model's range.
  kMaxTubeVoltage,
  kMinTubeVoltage,
  kMinInherentFiltration,
  // A field whose text is not one number, or not one the field accepts: the field and
  // what it accepts.
  kTubeVoltageNotANumber,
  kTargetAngleNotANumber,
  kInherentFiltrationNotANumber,
  kAluminiumFilterNotANumber,
  kCopperFilterNotANumber,
  kEnergyNotANumber,
  // A data file that could not be read, or a file that could not be written; the
  // parameter says which and why.
  kUnreadableData,
  kFileNotWritten,
  // The comparison of the sizes of scattering: an energy outside the cross-section
  // table ({1} as typed, {2} the table's range), an accepted spectrum without photons.
  kEnergyOutsideTable,
  kNoFluence,
  // The beam's figures, when the air table they need is missing or damaged.
  kAirTableMissing,
  kAirTableUnusable,
  // The solver of a beam quality's inherent filtration.
  kQualityNeedsAirTable,
  kQualityOutOfReach,
  // A calculation that overflowed, with its reason: the energy ({1}, keV) and the
  // range the material's table can compute ({2}…{3} keV); a filter too thick for any photon to remain
  // representable ({1} mm as typed, {2} the largest thickness that leaves some, mm).
  kEnergyNotCalculable,
  kFilterTooThick,
  // The title of the program's windows and message boxes.
  kCaption,
  // Curve labels, legends, file names and the graphs' own words.
  kCoherentScattering,
  kIncoherentScattering,
  kThomsonCurve,        // the free electron's coherent curve, the same at every energy
  kKleinNishinaCurve,   // the free electron's incoherent curve, before its energy or beam
  kPerSolidAngle,
  kInherentFiltration,  // the spectrum label's name for the inherent filtration
  kGraphFileStem,       // a graph's file name when no curve names it
  kNumberedCurve,       // a curve drawn without a label: {1} its number from 1
  kPeak,                // the legend's note: {1} the angle of the curve's maximum
  kAngleAxisHeading,    // the angle column of a table
  kEnergyAxisHeading,   // the energy column of a table
  kAngleAxisTitle,      // the magnitudes graph's abscissa
  kIncidentXrays,       // the polar diagram's arrow
  kMeanEnergy,          // the beam's figures
  kEffectiveEnergy,
  kFirstHalfValueLayer,
  kSecondHalfValueLayer,
  kHomogeneity,
  kStandardFigure,       // the standard quality's figure, under the computed one
  kTotalScattering,         // the sum of coherent and incoherent scattering
  kCrossSectionShares,      // the magnitudes' table: σ/ρ and shares at one energy
  kMeanCrossSectionShares,  // the same, averaged over a spectrum's photons
  kMagnitudeRatio,          // {1}: incoherent σ/ρ over coherent σ/ρ
  kCurveIntegral,           // {1}: the curve's σ/ρ; {2}: the table's over it
  kScaledToTable,           // a table without the molar mass: the curves' shapes scaled to σ/ρ
  kAngleGraphTitle,         // a slide's title line: the graph, then its kinds and views
  kSpectrumGraphTitle,
  kFreeElectronView,        // the view with the free electron's curves
  kCount  // the number of texts, not a text
};

// One language's catalogue: the text of each id ("{1}" stands for a parameter), and
// whether the warning box frames it with ideographic spaces as the screens frame
// their own checks' messages.
struct CatalogueEntry {
  const char* text;
  bool framed;
};

// The catalogue entry of `id` (Japanese).
const CatalogueEntry& CatalogueEntryOf(TextId id);

// The text of `id`, "{n}" replaced by the n-th parameter (in one pass: a parameter
// that holds such a mark is shown as it is); without parameters the marks stay.
std::string TextOf(TextId id, const std::vector<std::string>& parameters = {});

}  // namespace tervolin
