#pragma once
// The calculation screen: energy mode, material and curve colour, the calculate,
// clear and return buttons, and the angular distribution graph.

#include "core/tables.h"
#include "ui/screen_window.h"
#include "workbench/observers.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tervolin::ui {

class AngleViewActions;
class MagnitudeAction;
class PictureSurface;

class CalculationScreen : public ScreenWindow {
  Q_OBJECT

 public:
  explicit CalculationScreen(Screens& screens);
  void onComputeClicked();
  void onSpectrumClicked();
  void onReturnClicked();
  void onClearClicked();
  void onSingleEnergyChosen();
  void onSpectrumChosen();
  void onRedChosen();
  void onDarkGreenChosen();
  void onBlueChosen();

  // The materials of the model, by their names in its language.
  void ListMaterials();
  // The polar and magnitude windows show the graph: they close when the screen is left.
  void CloseGraphWindows();

  QLabel* graphTitleLabel = nullptr;
  QLabel* materialTitleLabel = nullptr;
  QLabel* energyUnitLabel = nullptr;
  QLabel* settingsTitleLabel = nullptr;
  QLabel* scatterHeadingLabel = nullptr;
  QGroupBox* energyFrame = nullptr;
  QGroupBox* colourFrame = nullptr;
  QRadioButton* singleEnergyOption = nullptr;
  QRadioButton* spectrumOption = nullptr;
  QRadioButton* redOption = nullptr;
  QRadioButton* darkGreenOption = nullptr;
  QRadioButton* blueOption = nullptr;
  QLineEdit* energyField = nullptr;
  QListWidget* materialList = nullptr;
  QPushButton* computeButton = nullptr;
  QPushButton* spectrumButton = nullptr;
  QPushButton* returnButton = nullptr;
  QPushButton* clearButton = nullptr;
  PictureSurface* graph = nullptr;
  AngleViewActions* views = nullptr;  // the graph's teaching views
  MagnitudeAction* magnitudes = nullptr;  // 散乱の大きさを比較…

 protected:
  void onCloseBoxUsed() override;

 private:
  tervolin::Subscription listed_;  // the materials listed anew as the model changes them
};

}  // namespace tervolin::ui
