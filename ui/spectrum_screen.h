#pragma once
// The spectrum screen: exposure conditions of the X-ray tube, the computed spectrum
// on its graph, and accepting it for the spectral distributions.

#include "core/tube_settings.h"
#include "ui/screen_window.h"

class QAction;
class QComboBox;
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
  // A quality chosen fills the fields with its settings; a field edited by hand makes
  // the list say none again.
  void onQualityChosen(int index);
  void onFieldEdited();

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
  QComboBox* qualityList = nullptr;  // 線質（IEC 61267）: none, RQR 2 … 10, RQA 2 … 10

  // The fields at their defaults and the graph at its axes, then the screen shown.
  void OpenWithDefaults();

  QLineEdit& FieldEdit(tervolin::SpectrumField field) const;

 protected:
  void SetTexts() override;

 private:
  tervolin::TubeSettings TypedSettings() const;
};

}  // namespace tervolin::ui
