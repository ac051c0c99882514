#pragma once
// What the screens give the rest of the Qt layer: the controls the computation
// reads and draws on. The screens define these functions; each creates its screen,
// hidden, on first use, like any other first access to a screen.

#include <QString>

#include "core/host.h"

class QLineEdit;

namespace tervolin::ui {

class PictureSurface;

// The calculation screen's angular graph (Picture1).
PictureSurface& CalculationGraphSurface();
// The text of the calculation screen's photon-energy field (Text1).
QString CalculationEnergyText();

// The spectrum screen's graph (Picture3).
PictureSurface& SpectrumGraphSurface();
// The spectrum screen's input field for one of its five values.
QLineEdit& SpectrumFieldEdit(tervolin::SpectrumField field);

}  // namespace tervolin::ui
