#pragma once
// The program's steps, written once for every front end: what the screens, the page
// and tervolin-calc share of a run. It holds the tables read at the start, the kind of
// scattering, the energy mode and the colour chosen, the spectra shown and the one
// accepted, and the angular graph's curves in every view; each step checks its inputs
// and returns its result or the problem that stopped it. Standard C++ only: a front
// end reads its controls, calls a step, and shows what comes back.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/outcome.h"
#include "core/scattering_magnitudes.h"
#include "core/spectrum_model.h"
#include "core/tables.h"
#include "core/tube_settings.h"
#include "data/file_system_calls.h"
#include "data/item_reader.h"
#include "data/spectrum_file.h"
#include "graphs/angle_graph_views.h"
#include "graphs/curve_label.h"
#include "graphs/drawing_surface.h"
#include "graphs/palette.h"
#include "graphs/shown_spectra.h"

namespace tervolin {

// What a front end chose for one curve or comparison, as typed.
struct CurveChoice {
  std::string material;    // the material's name in the data folder; empty: none chosen
  std::string energyText;  // the photon energy field, keV
};

class Workbench {
 public:
  // The data folder holds Mus2018.dat, MuenAir.dat, XFS_Data/ and, once a spectrum
  // is accepted, P_Spectrum.dat.
  explicit Workbench(std::filesystem::path dataFolder);

  const std::filesystem::path& DataFolder() const { return dataFolder_; }

  // Reads the attenuation table, without which nothing can be computed, and the air
  // table, without which the figures that need it are left out (`airFailure` says
  // why, when given). The attenuation table's failure, if any.
  std::optional<ReadFailure> ReadTables(std::optional<std::string>* airFailure = nullptr);
  // Why nothing can be computed (the attenuation table could not be read), or nothing.
  std::optional<Problem> StartProblem() const;
  const AttenuationTables& Attenuation() const { return attenuation_; }
  const AirTable& Air() const { return air_; }

  // The language of the run's messages, curve labels and the graphs' words.
  Language language = Language::kJapanese;

  // The choices of the explanation screens and of the calculation screen's options.
  std::optional<ScatterKind> scatter;
  EnergyModeKind energyMode = kSingleEnergy;
  int colour = 0;  // index into the 16-colour palette; red once a calculation starts
  bool Spectral() const { return energyMode == kSpectral; }

  // A calculation starts afresh: the kind of scattering, one photon energy, red
  // curves, no spectrum accepted, no curve on the graph.
  void StartCalculation(ScatterKind kind);

  // The angular graph.
  // The first missing input; with `spectrumToCome` (the page computes a spectral
  // curve's spectrum just before it) no spectrum need have been accepted.
  std::optional<Problem> MissingInput(const CurveChoice& choice, bool spectrumToCome = false) const;
  // The chosen curve in every view, kept with the graph's curves; or why it cannot be.
  Outcome<const ViewedCurve*> ComputeCurve(const CurveChoice& choice);
  // The curve computed last drawn on `graph`, which is drawn anew in the chosen views.
  void DrawLastCurve(DrawingSurface& graph) const;
  // The graph with nothing but its axes and frame; the views forget their curves.
  void ClearAngleGraph(DrawingSurface& graph);

  // The spectrum graph. A refused setting is reset in `settings` as its problem asks;
  // a computed spectrum joins those shown.
  Outcome<Spectrum> ComputeSpectrum(TubeSettings& settings);
  // The last spectrum shown becomes the accepted one; no spectrum shown: kNoSpectrum.
  std::optional<Problem> AcceptSpectrum();
  // The same, once the spectrum is written to the data folder's spectrum file; a
  // failed write accepts nothing.
  std::optional<Problem> WriteAndAcceptSpectrum(const FileSystemCalls& calls = {});
  // Removes the spectrum file at the end, if it is still the one this run wrote.
  void DeleteSpectrumFile() const;
  // The accepted spectrum's fluence, or no photons at all.
  const EnergyTable& AcceptedFluence() const;

  // The comparison of the sizes of coherent and incoherent scattering.
  Outcome<ScatteringMagnitudes> Magnitudes(const CurveChoice& choice) const;
  // What a comparison is of: the material, then the energy or the accepted spectrum's
  // settings.
  CurveLabel MagnitudeSubject(const CurveChoice& choice) const;

 private:
  DistributionRequest RequestOf(const CurveChoice& choice) const;
  CurveLabel LabelOf(const CurveChoice& choice) const;

  std::filesystem::path dataFolder_;
  AttenuationTables attenuation_;
  AirTable air_;
  std::optional<ReadFailure> startFailure_;

 public:
  // The spectra the spectrum graph shows, in the order computed; the last is the one
  // to accept.
  std::vector<Spectrum> shownSpectra;
  // The spectrum the spectral distributions weight with, accepted since the
  // calculation started.
  std::optional<Spectrum> acceptedSpectrum;
  // What the spectrum file was written with, so that the end removes only our file.
  std::optional<WrittenSpectrumFile> writtenSpectrumFile;
  // The angular graph's curves in every view, and the views chosen.
  AngleGraphViews views;
};

}  // namespace tervolin
