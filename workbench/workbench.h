#pragma once
// The model: the program's state and steps, one for every front end (the screens,
// the page and tervolin-calc). Its state is its own. A front end calls an operation
// named for what the user wants (choose the energy mode, compute a curve, accept a
// spectrum, compare, switch the language) and shows the problem that may come back;
// the model tells its observers what changed (workbench/observers.h), and every
// window and the page draw themselves anew from it. Queries give values, never a
// way into the state. The model holds the one language of the run: labels, legend
// rows, titles and tables are kept as keys and worded when they are asked for, so a
// switch of language relabels what every graph already shows. Standard C++ only.
//
// The operations are written in files by what they hold: workbench.cpp (the start,
// the language, the materials, the choices), angular_graph.cpp (the curves, the
// graphs' pictures and the polar diagram), spectra.cpp and comparison.cpp.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/outcome.h"
#include "core/scattering_magnitudes.h"
#include "core/spectrum_model.h"
#include "core/tables.h"
#include "core/tube_settings.h"
#include "core/views.h"
#include "data/file_system_calls.h"
#include "data/item_reader.h"
#include "data/material_catalogue.h"
#include "data/spectrum_file.h"
#include "graphs/angle_graph_views.h"
#include "graphs/curve_label.h"
#include "graphs/curve_record.h"
#include "graphs/drawing_surface.h"
#include "graphs/graph_legend.h"
#include "graphs/graph_picture.h"
#include "graphs/magnitude_graph.h"
#include "graphs/palette.h"
#include "graphs/shown_spectra.h"
#include "graphs/text_measures.h"
#include "workbench/observers.h"

namespace tervolin {

// What a front end chose for one curve or comparison, as typed.
struct CurveChoice {
  std::string material;    // the material's name in the data folder; empty: none chosen
  std::string energyText;  // the photon energy field, keV
};

// The graphs with a legend, a table and picture files.
enum class GraphKind { kAngle, kSpectrum };

// What a picture of a graph holds besides the graph: its legend, a title line, and
// whether it is a 16:9 slide instead of the graph's own size.
struct PictureChoice {
  bool legend = false;
  bool title = false;
  bool slide = false;
};

// A material of the data folder as a list shows it: by its name in the run's
// language, chosen by its key.
struct ShownMaterial {
  std::string key;    // the name in the data folder
  std::string shown;  // in the run's language
  std::string alias;  // the English alias, or empty
};

// The last comparison of the sizes of coherent and incoherent scattering.
struct Comparison {
  CurveLabel subject;  // the material, then the energy or the accepted spectrum's settings
  std::optional<ScatteringMagnitudes> magnitudes;
  std::optional<Problem> problem;  // why there are no magnitudes, when asked for them
  bool spectral = false;           // the cross sections are the spectrum's means
};

// How the spectrum steps differ from the spectrum screen's: the page accepts a
// computed spectrum at once, and keeps one of two equal spectra computed one after
// the other.
struct SpectrumOptions {
  bool acceptAtOnce = false;
  bool dropRepeated = false;
};

class Workbench {
 public:
  // The data folder holds Mus2018.dat, MuenAir.dat, XFS_Data/ and, once a spectrum
  // is accepted, P_Spectrum.dat. Its materials are read at once.
  Workbench(std::filesystem::path dataFolder, Language language);

  // The start. Reads the attenuation table, without which nothing can be computed,
  // and the air table, without which the figures that need it are left out
  // (`airFailure` says why, when given). The attenuation table's failure, if any.
  std::optional<ReadFailure> ReadTables(std::optional<std::string>* airFailure = nullptr);
  // Why nothing can be computed (the attenuation table could not be read), or nothing.
  std::optional<Problem> StartProblem() const;
  const std::filesystem::path& DataFolder() const { return dataFolder_; }
  const AttenuationTables& Attenuation() const { return attenuation_; }
  const AirTable& Air() const { return air_; }

  // The observers, told after each operation what it changed. Observing changes
  // nothing of the model.
  [[nodiscard]] Subscription Observe(Observer observer) const { return observers_.Add(std::move(observer)); }

  // The language of every text the model words.
  Language TextLanguage() const { return language_; }
  void ChooseLanguage(Language language);
  // The labels' words in it: the language and the materials' names.
  LabelWording Wording() const;

  // The data folder's materials, read again (a material added meanwhile comes in).
  void ReadMaterials();
  std::vector<ShownMaterial> Materials() const;

  // The choices of the explanation screens and of the calculation screen's options.
  // A calculation starts afresh: the kind of scattering, one photon energy, red
  // curves, no spectrum accepted, no curve on the graph, nothing compared.
  void StartCalculation(ScatterKind kind);
  void ChooseScattering(ScatterKind kind);
  void ChooseEnergyMode(EnergyModeKind mode);
  void ChooseColour(int paletteIndex);  // of the 16-colour palette
  std::optional<ScatterKind> Scattering() const { return scatter_; }
  EnergyModeKind EnergyMode() const { return energyMode_; }
  bool Spectral() const { return energyMode_ == kSpectral; }
  int Colour() const { return colour_; }
  // The angular graph's views and palette.
  void ChooseViews(const ViewSet& views);
  void ChoosePalette(CurvePalette palette);
  const AngleGraphChoices& GraphChoices() const { return curves_.Choices(); }

  // The angular graph. The first missing input; with `spectrumToCome` (the page
  // computes a spectral curve's spectrum just before it) no spectrum need have been
  // accepted.
  std::optional<Problem> MissingInput(const CurveChoice& choice, bool spectrumToCome = false) const;
  // The chosen curve, computed in `view` (which must be calculable) and in the other
  // views, joins the graph's curves; or why it cannot be. A comparison that follows
  // the curves (FollowCurvesWithComparison) is made for the same choice.
  Outcome<ViewedCurve> ComputeCurve(const CurveChoice& choice, const DistributionView& view = {});
  // The graph without curves, and nothing compared.
  void ClearCurves();
  const std::vector<ViewedCurve>& Curves() const { return curves_.Curves(); }

  // The angular and the spectrum graph: drawn whole on `surface` (in the user
  // coordinates of graphs/user_coordinates.h), their curves as shown, legend rows,
  // table (CSV), file name, read-out at a curve index, slide title, and the picture
  // every front end saves: its layout (for a PNG or PDF) and its SVG.
  void DrawGraph(GraphKind graph, DrawingSurface& surface) const;
  std::vector<CurveRecord> ShownCurves(GraphKind graph) const;
  std::vector<LegendRow> LegendRows(GraphKind graph) const;
  std::string Csv(GraphKind graph) const;
  std::string FileStem(GraphKind graph) const;
  std::string ReadOut(GraphKind graph, int index) const;
  std::string Title(GraphKind graph) const;
  PictureLayout PictureLayoutOf(GraphKind graph, const PictureChoice& choice) const;
  std::string PictureSvg(GraphKind graph, const PictureChoice& choice) const;
  // The graph's font in those pictures (its legend's: EstimatedLegendFont).
  SvgFont PictureFont(GraphKind graph) const;

  // After a curve was added (Change::kCurveAdded), the angular graph's shown curves
  // from the `first` on, drawn over a surface that shows the graph with those before.
  void DrawAngleCurvesFrom(DrawingSurface& surface, std::size_t first) const;

  // The polar diagram of the angular graph's curves as shown, on a surface whose user
  // units are pixels, width × height.
  void DrawPolar(DrawingSurface& surface, double width, double height, const TextMeasures& text) const;

  // The spectrum graph. A refused setting is reset in `settings` as its problem asks;
  // a computed spectrum joins those shown.
  Outcome<Spectrum> ComputeSpectrum(TubeSettings& settings);
  void SetSpectrumOptions(const SpectrumOptions& options) { spectrumOptions_ = options; }
  void ClearSpectra();
  void ChooseSpectrumScale(SpectrumScale scale);
  SpectrumScale SpectrumScaleChosen() const { return spectrumScale_; }
  const std::vector<Spectrum>& ShownSpectra() const { return shownSpectra_; }
  // The last spectrum shown becomes the accepted one; no spectrum shown: kNoSpectrum.
  std::optional<Problem> AcceptSpectrum();
  // The same, once the spectrum is written to the data folder's spectrum file; a
  // failed write accepts nothing.
  std::optional<Problem> WriteAndAcceptSpectrum(const FileSystemCalls& calls = {});
  // Removes the spectrum file at the end, if it is still the one this run wrote.
  void DeleteSpectrumFile() const;
  const std::optional<Spectrum>& AcceptedSpectrum() const { return acceptedSpectrum_; }
  // The accepted spectrum's fluence, or no photons at all.
  const EnergyTable& AcceptedFluence() const;

  // The comparison of the sizes of coherent and incoherent scattering for the choice,
  // kept as the last comparison.
  Outcome<ScatteringMagnitudes> Compare(const CurveChoice& choice);
  // Whether each curve computed is compared too (while a comparison is shown).
  void FollowCurvesWithComparison(bool follow) { comparisonFollows_ = follow; }
  const Comparison& LastComparison() const { return comparison_; }
  // The last comparison as its graph shows it, per degree or per steradian (`views`).
  MagnitudePlot MagnitudePlotOf(const ViewSet& views, bool logarithmic) const;
  std::string MagnitudeCsv(const ViewSet& views) const;

 private:
  DistributionRequest RequestOf(const CurveChoice& choice) const;
  CurveLabel LabelOf(const CurveChoice& choice) const;
  CurveLabel SubjectOf(const CurveChoice& choice) const;
  // The comparison made and kept, the observers not told.
  Outcome<ScatteringMagnitudes> Compared(const CurveChoice& choice);
  Problem Unreadable(const ReadFailure& failure) const;
  // The graph drawn as the files draw it (fonts named, not measured).
  SvgSurface FileGraph(GraphKind graph) const;
  void Tell(Changes changes) const { observers_.Tell(changes); }

  std::filesystem::path dataFolder_;
  Language language_;
  AttenuationTables attenuation_;
  AirTable air_;
  std::optional<ReadFailure> startFailure_;
  std::vector<MaterialEntry> materials_;
  std::optional<ScatterKind> scatter_;
  EnergyModeKind energyMode_ = kSingleEnergy;
  int colour_ = kPaletteBlack;  // red once a calculation starts
  // The angular graph's curves in every view, and the views chosen.
  AngleGraphViews curves_;
  // The spectra the spectrum graph shows, in the order computed; the last is the one
  // to accept.
  std::vector<Spectrum> shownSpectra_;
  SpectrumScale spectrumScale_ = SpectrumScale::kEachToItsMaximum;
  SpectrumOptions spectrumOptions_;
  // The spectrum the spectral distributions weight with, accepted since the
  // calculation started.
  std::optional<Spectrum> acceptedSpectrum_;
  // What the spectrum file was written with, so that the end removes only our file.
  std::optional<WrittenSpectrumFile> writtenSpectrumFile_;
  Comparison comparison_;
  bool comparisonFollows_ = false;
  mutable Observers observers_;
};

}  // namespace tervolin
