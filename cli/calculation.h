#pragma once
// The calculations of the screens, run on the library in the order the screens run
// them: the attenuation table as at start-up, the spectrum as its compute button,
// the material's tables and the distribution as the calculation screen's. The data
// files are read from the data folder given. Each throws RunFailure on a data-file
// problem or on the problem the library returns.

#include <filesystem>
#include <optional>
#include <string>

#include "cli/requests.h"
#include "core/beam_figures.h"
#include "core/energy_tables.h"
#include "data/item_reader.h"

namespace tervolin::cli {


EnergyTable CalculateSpectrumFluence(const std::filesystem::path& dataFolder, const TubeSettings& settings);

// The spectrum's beam figures. Without a usable "MuenAir.dat" the figures that need
// it are missing, and `airFailure` says why.
struct FiguresRun {
  BeamFigures figures;
  std::optional<std::string> airFailure;
};
FiguresRun CalculateBeamFigures(const std::filesystem::path& dataFolder, const TubeSettings& settings);

// Ends the run with the problem the library returned: why it cannot calculate, or
// that it refused the input, with the library's message.
[[noreturn]] void ThrowProblem(const Problem& problem);

// A data file's failure as the run's failure, naming the file and the reason.
[[noreturn]] void ThrowReadFailure(const ReadFailure& failure);

// What the calculation screen has before its compute button: the attenuation table
// read, and the fluence of the spectrum computed and accepted when one is given (all
// zero for one photon energy).
EnergyTable PrepareCalculation(const std::filesystem::path& dataFolder, const std::optional<TubeSettings>& spectrum);

// `material` must be a list name of the data folder.
AngleTable CalculateAngles(const std::filesystem::path& dataFolder, const AnglesRequest& request,
                           const std::string& material);

}  // namespace tervolin::cli
