#pragma once
// What the screens share during one run of the program: the tables read at start-up,
// the kind of scattering and energy mode chosen, the spectra the spectrum screen
// shows and the one accepted, the curve colour, and what the angular graph shows.
// The screens are single instances; so is the session they share.

#include <optional>
#include <vector>

#include "core/spectrum_model.h"
#include "core/tables.h"
#include "data/spectrum_file.h"
#include "graphs/angle_graph_views.h"
#include "graphs/palette.h"

namespace tervolin::ui {

struct Session {
  tervolin::AttenuationTables attenuation;  // read at start-up
  tervolin::AirTable air;                   // read at start-up when usable

  std::optional<tervolin::ScatterKind> scatter;  // fixed by an explanation screen's next button
  tervolin::EnergyModeKind energyMode = tervolin::kSingleEnergy;
  int plotColour = 0;  // index into the 16-colour palette: 12 red, 2 dark green, 9 blue

  // The spectra the spectrum screen's graph shows, in the order computed; the last
  // is the one OK accepts.
  std::vector<tervolin::Spectrum> shownSpectra;
  // The spectrum accepted with OK since the calculation screen was prepared: the one
  // the spectral distributions weight with.
  std::optional<tervolin::Spectrum> acceptedSpectrum;
  // What OK last wrote to the spectrum file, which the program removes at its end.
  std::optional<tervolin::WrittenSpectrumFile> writtenSpectrumFile;

  // The angular graph's curves in every view, and the views chosen.
  tervolin::AngleGraphViews graphViews;
};

Session& TheSession();
// A session as the program starts one (tests).
void ResetSession();

}  // namespace tervolin::ui
