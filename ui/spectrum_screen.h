#pragma once
// The spectrum screen: exposure conditions of the X-ray tube, the computed spectrum
// on its graph, and accepting it for the spectral distributions.

#include "core/tube_settings.h"
#include "ui/screen_window.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tervolin::ui {

class PictureSurface;

class SpectrumScreen : public ScreenWindow {
  Q_OBJECT

 public:
  explicit SpectrumScreen(Screens& screens);
  void onComputeClicked();
  void onCancelClicked();
  void onRedoClicked();
  void onOkClicked();
  void onScaleToggled();

  QLineEdit* tubeVoltageField = nullptr;         // kV
  QLineEdit* inherentFiltrationField = nullptr;  // mm Al equivalent
  QLineEdit* aluminiumFilterField = nullptr;     // mm
  QLineEdit* copperFilterField = nullptr;        // mm
  QLineEdit* targetAngleField = nullptr;         // degrees
  QPushButton* computeButton = nullptr;
  QPushButton* cancelButton = nullptr;
  QPushButton* redoButton = nullptr;
  QPushButton* okButton = nullptr;
  PictureSurface* graph = nullptr;
  // The graph menu's check item "スペクトルを共通の尺度で表示": the spectra relative
  // to the largest among them instead of each to its own maximum.
  QAction* commonScaleAction = nullptr;

  // The fields at their defaults and the graph at its axes, then the screen shown.
  void OpenWithDefaults();

 private:
  QLineEdit& FieldEdit(tervolin::SpectrumField field) const;
  tervolin::TubeSettings TypedSettings() const;
  void ClearGraph();
  void DrawShown();
};

}  // namespace tervolin::ui
