#pragma once
// The standard radiation qualities of diagnostic radiology (IEC 61267): RQR 2 … RQR
// 10, the beam as it leaves the tube, and RQA 2 … RQA 10, that beam behind an
// aluminium filter that stands for the patient. Each is a tube voltage and the first
// half-value layer the beam must have; the program reaches it with the inherent
// filtration solved on its own tube model.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/beam_figures.h"
#include "core/outcome.h"
#include "core/tables.h"
#include "core/tube_settings.h"

namespace tervolin {

enum class QualitySeries { kRqr, kRqa };

struct BeamQuality {
  QualitySeries series;
  int number;                       // 2 … 10
  double tubeVoltageKv;             // kV
  double standardHvl1Mm;            // mm Al, the standard's first half-value layer
  std::optional<double> standardHomogeneity;  // HVL1 / HVL2, given for RQR only
  double addedAluminiumMm;          // mm; the patient-equivalent filter of RQA, 0 for RQR
  // mm Al: the program's inherent filtration at which its HVL1 of the RQR of the same
  // voltage meets the standard's (SolveInherentFiltration); RQA adds its filter to it.
  double inherentFiltrationMm;
};

// The eighteen qualities, RQR 2 … RQR 10 then RQA 2 … RQA 10.
std::span<const BeamQuality> BeamQualities();

// "RQR 8", "RQA 5": the name as the standard writes it.
std::string QualityName(const BeamQuality& quality);

// The quality named "RQR8", "RQR 8", "rqa5", "Rqa 5" … (one blank at most between
// letters and number), read as a field reads its word (FieldWord: blanks around it,
// full-width "ＲＱＲ８"); nothing for any other text.
std::optional<BeamQuality> FindBeamQuality(std::string_view name);

// The tube settings of the quality: its voltage, a 12° target, its inherent
// filtration with two decimals, its added aluminium, no copper.
TubeSettings QualitySettings(const BeamQuality& quality);

// The quality whose settings these are (each field read as a number, equal to the
// quality's), or nothing: a quality chosen and then changed in any field is none.
std::optional<BeamQuality> QualityOfSettings(const TubeSettings& settings);

// The standard's figures of the quality whose settings made the beam, beside the
// computed ones; the figures unchanged for other settings.
void AddStandardFigures(BeamFigures& figures, const TubeSettings& settings);

// The inherent filtration, mm Al in hundredths from 1.00 to 10.00 mm, at which the
// program's HVL1 of the quality's tube voltage without added filters comes closest to
// `targetHvl1Mm`: a bisection on the HVL1, which grows with the filtration. A problem
// when the air table is missing, when a spectrum cannot be computed, or when the
// target lies outside what that range of filtration gives.
Outcome<double> SolveInherentFiltration(double tubeVoltageKv, double targetHvl1Mm,
                                        const AttenuationTables& attenuation, const AirTable& air);

}  // namespace tervolin
