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
  // A calculation refused before it is made: a single energy ({1}, keV) outside the
  // range in which the material's tables are interpolated at every angle ({2}…{3} keV);
  // filters so thick that no bin keeps a fluence a double represents ({1} mm as typed,
  // {2} the largest thickness that computes, mm).
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
  kCurveIntegral,           // {1}: the drawn curve's σ/ρ; {2}: the table's over it
  kScaledToTable,           // a table without the molar mass: the curves' shapes scaled to σ/ρ
  kMagnitudesNote,          // the magnitudes window's and the page's note: the curves, the table, their sources
  kAngleGraphTitle,         // a slide's title line: the graph, then its kinds and views
  kSpectrumGraphTitle,
  kFreeElectronView,        // the view with the free electron's curves
  // The angular graph's axis titles: the ordinate's, per angle and per solid angle (a
  // relative differential cross section, each curve's maximum 1), and the abscissa's.
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
  kReadHalfReplaced,           // a table of a pair left half replaced
  kReadBadMolarMass,           // {2}: the line, {3}: its text, {4}: the range
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
  kCliEnergyNotCalculable,   // {1}: the energy, {2}…{3}: the range the material's tables hold at every angle
  kCliFilterTooThick,        // {1}: the option, {2}: its thickness, {3}: the largest that leaves photons
  kTitleWithParts,           // a slide's title: {1} the graph, {2} its kinds and views joined
  kAfterClosingBracket,      // between a closing bracket and the item after it: none after "）"
  kCliFiguresNotGiven,         // {1}: the figures' names, {2}: why
  kCliFiguresBeyondTables,
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
  kTablesCompletedPair,        // {1}: the file completed
  kTablesHalfReplaced,         // {1}: the .xfs of a pair neither old nor new can make whole
  kTablesMolarMassOutOfRange,  // {1}: the source, {2}: its molar mass, {3}: the range
  kTablesNameHiddenCharacter,  // {1}: the character, escaped
  kTablesNameBeginsWithMark,   // {1}: the mark, escaped
  kTablesMakeEmptyFolder,
  kTablesMakeOption,           // {1}: the option as typed
  kPolarCaption,             // the polar diagram's caption, per angle
  kPolarCaptionPerSolidAngle,
  // The page's own words: its headings, labels, buttons and accessible names. The
  // build writes them into the page's texts.js (web/page_texts.cpp).
  kPageTitle,
  kPageHeading,
  kPageSubtitle,
  kPageLanguageLabel,
  kPageKindLegend,
  kPageEnergyLegend,
  kPageSingleEnergy,
  kPageSpectralXrays,
  kPageEnergyField,
  kPageTubeLegend,
  kPageQuality,
  kPageNoQuality,
  kPageTubeVoltage,
  kPageTubeVoltageRange,
  kPageTargetAngle,
  kPageInherentFiltration,
  kPageInherentFiltrationRange,
  kPageAluminiumFilter,
  kPageCopperFilter,
  kPageRectification,
  kPageComputeSpectrum,
  kPageMaterial,
  kPageChooseMaterial,
  kPageColourLegend,
  kPageRed,
  kPageDarkGreen,
  kPageBlue,
  kPageCompute,
  kPageClearGraph,
  kPageViewsLegend,
  kPageFreeElectron,
  kPagePerSolidAngle,
  kPagePolar,
  kPageMagnitudes,
  kPageLogarithmic,
  kPageCoherentSheet,
  kPageIncoherentSheet,
  kPageSpectralSheet,
  kPageDataSource,
  kPageShareLink,
  kPageLinkCopied,
  kPageLinkNotCopied,
  kPageAngleTitle,
  kPagePolarTitle,
  kPageSpectrumTitle,
  kPageAngleGraph,
  kPagePolarGraph,
  kPageMagnitudeGraph,
  kPageSpectrumGraph,
  kPageOneCurve,     // a graph's curves counted, {1} being 1; the page chooses by the count
  kPageCurves,       // {1} any other count
  kPageOneSpectrum,  // the same for spectra
  kPageSpectra,
  kPageAngleSvg,
  kPageAnglePng,
  kPageAngleCsv,
  kPagePolarSvg,
  kPagePolarPng,
  kPageMagnitudeSvg,
  kPageMagnitudePng,
  kPageSpectrumSvg,
  kPageSpectrumPng,
  kPageSpectrumCsv,
  kPageClearSpectra,
  kPageCommonScale,
  kPagePalette,
  kPageSlideSvg,
  kPageSlidePng,
  kPageAngleSlideSvg,
  kPageAngleSlidePng,
  kPageSpectrumSlideSvg,
  kPageSpectrumSlidePng,
  kPageShare,
  kPageClose,
  kPageCoherentSheetTitle,
  kPageIncoherentSheetTitle,
  kPageCoherentFormula,
  kPageIncoherentFormula,
  kPageSpectralFormula,
  kPageCone,
  kPageFormulaLeft,
  kPageFormulaAbove,
  kPageSheetMethod,
  kPageCoherentTables,
  kPageIncoherentTables,
  kPageSourceTitle,
  // The teaching views' check items (core/views.h), on the screens and the page.
  kPerSolidAngleMenuItem,
  kFreeElectronMenuItem,
  kCount  // the number of texts, not a text
};

inline constexpr std::size_t kTextCount = static_cast<std::size_t>(TextId::kCount);

// One entry of a language's catalogue: the id it words, its text ("{1}" stands for a
// parameter), and whether the warning box frames it with ideographic spaces as the
// Japanese screens frame their own checks' messages.
struct CatalogueEntry {
  TextId id;
  const char* text;
  bool framed = false;
};

using Catalogue = std::array<CatalogueEntry, kTextCount>;

// The catalogues, each in a file of its own, every id once in the order of TextId.
extern const Catalogue kJapaneseTexts;
extern const Catalogue kEnglishTexts;

// The first place in `catalogue` that does not hold its own id's text (an entry left
// out, listed twice or under another id), or kTextCount when every id has its text
// there, once, in the order of TextId. Each catalogue file asserts it as it compiles.
constexpr std::size_t FirstMisplacedText(const Catalogue& catalogue) {
  for (std::size_t i = 0; i < kTextCount; ++i) {
    if (catalogue[i].id != static_cast<TextId>(i) || catalogue[i].text == nullptr) return i;
  }
  return kTextCount;
}

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
