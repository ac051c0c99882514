#pragma once
// The abscissa shared by the curves of one graph: value i of a curve belongs to
// step × (i + 1) in the axis's unit.

#include <string>

#include "core/text_catalogue.h"
#include "core/energy_tables.h"
#include "core/number_text.h"

namespace tervolin {

struct CurveAxis {
  TextId heading;       // the CSV column's title
  const char* symbol;   // the read-out's name for the quantity
  const char* unit;     // appended to a value, with its space if it needs one
  double step;
  int points;
};

// θ = 1° … 180°.
inline constexpr CurveAxis kAngleAxis{TextId::kAngleAxisHeading, "θ", "°", 1.0, kAngles};
// The 300 energy bins, 0.5 … 150 keV.
inline constexpr CurveAxis kEnergyAxis{TextId::kEnergyAxisHeading, "E", " keV", kBinWidthKev, kEnergyBins};

inline double AbscissaAt(const CurveAxis& axis, int index) { return axis.step * (index + 1); }

// The index whose abscissa is nearest to `abscissa`, kept within the axis.
int NearestIndex(const CurveAxis& axis, double abscissa);

// "8°", "59.5 keV".
std::string AbscissaText(const CurveAxis& axis, int index);

}  // namespace tervolin
