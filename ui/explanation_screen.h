#pragma once
// The two explanation screens (coherent and incoherent scattering), one class with
// two layouts: the formula sheet, the scattering-cone sketch, five lines on the
// procedure, a note on the data, and the buttons to the calculation screen, back to
// the start screen and to the two information screens. The screens differ only in
// what their ExplanationLayout holds.

#include <QPoint>
#include <QRect>
#include <QSize>

#include "core/energy_tables.h"
#include "ui/screen_window.h"

class QLabel;
class QPushButton;
class QWidget;

namespace tervolin::ui {

// Positions in twips; rectangles are left, top, width, height.
struct ExplanationLayout {
  UiText title;
  QSize client;
  UiText heading;  // headingLabel
  QPoint headingAt;
  const char* formulaSheet;  // SVG resource of formulaPicture
  QRect formulaBox;
  bool formulaOnWhite;     // white background behind the formula sheet
  const char* coneSketch;  // SVG resource of conePicture
  QRect coneBox;
  int procedureTops[5];  // procedureLine1, procedureLine2, procedureLine3, procedureLine4, procedureLine5
  UiText dataNote;  // dataNoteLabel
  QPoint dataNoteAt;
  QRect next, cancel, dataSource, spectralMethod;  // nextButton, cancelButton, dataSourceButton, spectralMethodButton
  tervolin::ScatterKind scatter;                   // given to the session by nextButton
  UiText calculationHeading;                  // given to the calculation screen by nextButton
};

class ExplanationScreen : public ScreenWindow {
  Q_OBJECT

 public:
  ExplanationScreen(Screens& screens, tervolin::ScatterKind scatter);
  QLabel* headingLabel = nullptr;
  QLabel* procedureLine1 = nullptr;
  QLabel* procedureLine2 = nullptr;
  QLabel* procedureLine3 = nullptr;
  QLabel* procedureLine4 = nullptr;
  QLabel* dataNoteLabel = nullptr;
  QLabel* procedureLine5 = nullptr;
  QWidget* formulaPicture = nullptr;
  QWidget* conePicture = nullptr;
  QPushButton* nextButton = nullptr;
  QPushButton* cancelButton = nullptr;
  QPushButton* dataSourceButton = nullptr;
  QPushButton* spectralMethodButton = nullptr;

  // Fixes the kind of scattering, puts the calculation screen into its starting
  // state with an empty graph, shows it and hides this screen.
  void onNextClicked();
  // Back to the start screen.
  void onCancelClicked();
  void onDataSourceClicked();
  void onSpectralMethodClicked();

 protected:
  // The close box: the start screen comes back and the data source screen goes.
  void onCloseBoxUsed() override;
  void SetTexts() override;  // the formula sheet in the new language

 private:

  void CreatePictures();
  void CreateTexts();
  void CreateButtons();
  void PrepareCalculationScreen();
  void HideDataSource();

  const ExplanationLayout& layout_;
};

// The layout of the screen of the kind of scattering.
const ExplanationLayout& ExplanationLayoutOf(tervolin::ScatterKind scatter);

}  // namespace tervolin::ui
