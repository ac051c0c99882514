#pragma once
// The texts the program shows, by what they say: each language's wording lives in a
// catalogue of its own (core/texts_ja.cpp, core/texts_en.cpp), so that a front end
// asks for a text by its id and its language and never holds the wording itself.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "core/language.h"

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
  // The angular graph's axis titles: the ordinate's, per angle and per solid angle,
  // and the abscissa's.
  kProbabilityAxisTitle,
  kPerSolidAngleAxisTitle,
  kAngleGraphAbscissa,
  // A data file that could not be read ({1} its name as shown): why.
  kReadCannotOpen,
  kReadIsFolder,
  kReadNotRegularFile,
  kReadTooLarge,         // {2}: the largest size read, MiB
  kReadNotANumber,       // {2}: the item's number from 1, {3}: the item as shown
  kReadOutOfRange,
  kReadTooLong,          // {4}: the longest item, characters
  kReadEndedEarly,       // {2}: the items read, {3}: the items the table needs
  kReadBadRecord,        // {2}: the record's number from 1, {3}: what is wrong with it
  kReadFailed,
  // What is wrong with a table's record: {1} the column's name.
  kColumnNotFinite,
  kColumnNotPositive,
  kColumnNotAscending,
  kColumnOffEnergyGrid,
  kColumnNegative,
  kColumnAirOutOfRange,
  // The columns of the tables, as the faults above name them.
  kColumnFormFactorX,
  kColumnFormFactor,
  kColumnIncoherentFunction,
  kColumnEnergy,
  kColumnCoherentCrossSection,
  kColumnIncoherentCrossSection,
  kColumnAirAbsorption,
  kColumnTungsten,
  kColumnAluminium,
  kColumnCopper,
  kColumnMolarMass,
  // A file that could not be written ({1} its name): the step that failed, with
  // {2} why; and the reasons of its own.
  kReplaceCannotRewrite,
  kReplaceCannotCreate,
  kReplaceCannotWrite,
  kReplaceCannotReplace,
  kFolderRefusesWriting,   // {1}: the folder
  kIsFolder,
  kIsDevice,
  kIsPipe,
  kIsSocket,
  kNotRegularFile,
  kIsReadOnly,
  kProtectedLink,
  kDanglingLink,
  kNoSpace,
  kOverQuota,
  kWriteNotAllowed,
  kReadOnlyFileSystem,
  kFolderNotFound,
  kPathNotFolder,
  kFileTooLarge,
  kDiskError,
  kNameTooLong,
  kTooManyLinks,
  kInterrupted,
  kFileBusy,
  kTooManyOpenFiles,
  kOutOfMemory,
  kSystemError,            // {1}: the error's number
  kValueRange,             // {1} to {2}
  kItemJoiner,             // between a curve label's settings: "100 kV・12°"
  // tervolin-calc's own messages, about its command line, data folder and output.
  kCliNotAMaterial,
  kCliCannotCalculate,
  kCliInputRefused,
  kCliCannotReadData,
  kCliFiguresLeftOut,
  kCliNoDataFolder,
  kCliCannotUseDataFolder,
  kCliOutsideTable,
  kCliNoPhotons,
  kCliCannotWriteOutput,
  kCliCommandFirst,
  kCliUnknownCommand,
  kCliUnknownOption,
  kCliOptionNotForCommand,
  kCliGivenTwice,
  kCliTakesNoValue,
  kCliNeedsValue,
  kCliEmptyValue,
  kCliNoCommand,
  kCliUnexpectedArgument,
  kCliNotANumber,
  kCliAcceptsKv,
  kCliAcceptsInherent,
  kCliAcceptsNotNegative,
  kCliAcceptsTargetAngle,
  kCliAcceptsEnergy,
  kCliRuleKv,
  kCliRuleInherent,
  kCliRuleNotNegative,
  kCliRuleTargetAngle,
  kCliBadScattering,
  kCliExcludeEachOther,
  kCliNotAQuality,
  kCliMissing,
  kCliEnergyNotAboveZero,
  kCliEnergyMissing,
  kCliBadFormatWithDat,
  kCliBadFormat,
  kCliGivenTwiceForCurve,    // {1}: the option, given twice among one curve's options
  kCliEnergyNotCalculable,   // {1}: the energy, {2}…{3}: the range the material's table computes
  kCliFilterTooThick,        // {1}: the option, {2}: its thickness, {3}: the largest that leaves photons
  kTitleWithParts,           // a slide's title: {1} the graph, {2} its kinds and views joined
  kAfterClosingBracket,      // between a closing bracket and the item after it: none after "）"
  // tervolin-tables' messages
  kTablesNoCommand,
  kTablesDataNeedsFolder,
  kTablesWaitNotSeconds,       // {1}: the value as typed
  kTablesAddNeedsNameAndSource,
  kTablesTooManyArguments,
  kTablesMakeNeedsOneDir,
  kTablesUnknownCommand,
  kTablesNeitherCommandNorFolder,
  kTablesNeitherCommandNorFolderHint,  // {2}: the command the word begins
  kTablesCannotWriteOutput,
  kTablesCannotLock,           // {2}: the system's reason
  kTablesWaitingForLock,       // {1}: the lock file
  kTablesGaveUpWaiting,        // {1}: the seconds waited, {2}: the lock file
  kTablesMaterialFileExists,
  kTablesNameTaken,            // {2}: the listed material
  kTablesUnusableName,         // {2}: one of the kTablesName… reasons
  kTablesNameEmpty,
  kTablesNameDots,
  kTablesNameTooLong,
  kTablesNameLeadingDash,
  kTablesNameSlash,
  kTablesNameControl,
  kTablesNameNotUtf8,
  kTablesNameFormatCharacter,  // {1}: the character, escaped
  kTablesNameLeadingBlank,
  kTablesNameTrailingBlank,
  kTablesNoDataFolder,
  kTablesWrote,                // {1}: a table file, on standard output
  kTablesCannotRemove,
  kTablesRemovedLeftover,
  kTablesCannotPutBack,
  kTablesPutBackOld,
  kTablesCannotMakeFolder,
  kTablesUnknownSource,        // {2}: why the formula parser refused it
  kTablesXraylibError,         // {1}: the call, {2}: xraylib's own message
  kTablesXraylibUnknownError,  // xraylib's error without a message
  kTablesXraylibNoResult,
  kTablesNotPositive,          // {1}: the call, {2}: its value
  kPolarCaption,             // the polar diagram's caption, per angle
  kPolarCaptionPerSolidAngle,
  // The teaching views' check items (core/views.h), on the screens and the page.
  kPerSolidAngleMenuItem,
  kFreeElectronMenuItem,
  kCount  // the number of texts, not a text
};

inline constexpr std::size_t kTextCount = static_cast<std::size_t>(TextId::kCount);

// One entry of a language's catalogue: the text of an id ("{1}" stands for a
// parameter), and whether the warning box frames it with ideographic spaces as the
// Japanese screens frame their own checks' messages.
struct CatalogueEntry {
  const char* text;
  bool framed;
};

using Catalogue = std::array<CatalogueEntry, kTextCount>;

// The catalogues, each in a file of its own, in the order of TextId.
extern const Catalogue kJapaneseTexts;
extern const Catalogue kEnglishTexts;

// The catalogue of `language`, from the table of languages (core/text_catalogue.cpp).
const Catalogue& CatalogueOf(Language language);

// The catalogue entry of `id` in `language`.
const CatalogueEntry& CatalogueEntryOf(TextId id, Language language);

// The text of `id` in `language`, "{n}" replaced by the n-th parameter (in one pass:
// a parameter that holds such a mark is shown as it is); without parameters the
// marks stay.
std::string TextOf(TextId id, const std::vector<std::string>& parameters, Language language);
// The same without parameters.
std::string TextOf(TextId id, Language language);

}  // namespace tervolin
