#pragma once
// The calculations of the screens, run on the model (workbench/workbench.h) in the
// order the screens run them: the tables read as at start-up, the spectrum computed
// and accepted as on the spectrum screen, the curve or the comparison as on the
// calculation screen. The data files are read from the data folder given; the model
// words its texts in the run's language. Each throws RunFailure on a data-file
// problem or on the problem the model returns.

#include <filesystem>
#include <optional>
#include <string>

#include "cli/requests.h"
#include "core/beam_figures.h"
#include "core/energy_tables.h"
#include "data/item_reader.h"
#include "workbench/workbench.h"

namespace tervolin::cli {

// A model on the data folder, in the run's language, its tables not yet read.
Workbench OpenBench(const std::filesystem::path& dataFolder);

// The list name of the material of the model's data folder the user named, by name or
// alias; throws UsageError.
std::string ListName(const Workbench& bench, const std::string& typed);

// The tables read as at start-up.
void ReadTables(Workbench& bench);

// The spectrum's beam figures, the tables read first. Without a usable "MuenAir.dat"
// the figures that need it are missing, and `airFailure` says why.
struct FiguresRun {
  BeamFigures figures;
  std::optional<std::string> airFailure;
};
FiguresRun CalculateBeamFigures(Workbench& bench, const TubeSettings& settings);

// The spectrum of the settings computed (and shown) on the spectrum graph.
Spectrum CalculateSpectrum(Workbench& bench, TubeSettings settings);

// What the calculation screen has before its compute button: the kind of scattering,
// and one photon energy or the spectrum computed and accepted.
void ChooseEnergy(Workbench& bench, ScatterKind scatter, const EnergyRequest& energy);

// The curve of a list name of the model's data folder in the request's views.
AngleTable CalculateAngles(Workbench& bench, const AnglesRequest& request, const std::string& material);

// Ends the run with the problem the model returned: why it cannot calculate, that
// it could not read a data file, or that it refused the input, with the library's
// message.
[[noreturn]] void ThrowProblem(const Problem& problem);

// A data file's failure as the run's failure, naming the file and the reason.
[[noreturn]] void ThrowReadFailure(const ReadFailure& failure);

}  // namespace tervolin::cli
