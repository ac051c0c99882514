#pragma once
// The calculations of the screens, run on the library in the order the screens run
// them: the attenuation table as at start-up, the spectrum as its compute button,
// the material's tables and the distribution as the calculation screen's. The data
// files are read from the working directory. Each throws RunFailure on a data-file
// problem, an arithmetic failure or any warning the library raises.

#include <optional>

#include "cli/calc_host.h"
#include "cli/requests.h"
#include "core/beam_figures.h"
#include "core/shared_state.h"
#include "data/item_reader.h"

namespace tervolin::cli {

extern const char* const kCannotCalculate;  // "cannot calculate"

EnergyTable CalculateSpectrumFluence(const SpectrumTexts& texts);

// The spectrum's beam figures. Without a usable "MuenAir.dat" the figures that need
// it are missing, and the reason goes to standard error.
BeamFigures CalculateBeamFigures(const SpectrumTexts& texts);

// A data file's failure as the run's failure, naming the file and the reason.
void ThrowOnReadFailure(const std::optional<ReadFailure>& failure);

// The shared state as the calculation screen has it before its compute button: the
// attenuation table read, the spectrum computed and accepted when given, the energy
// mode set. The host must stay installed for the calculation that follows.
void PrepareCalculation(InstalledHost& installed, const std::optional<SpectrumTexts>& spectrum);

// `material` must be a list name of the data folder.
AngleTable CalculateAngles(const AnglesRequest& request, const std::string& material);

}  // namespace tervolin::cli
