#pragma once
// The build shared by the two explanation screens (coherent and incoherent
// scattering): the formula sheet, the scattering-cone sketch, five lines on the
// procedure, a note on the data, and the buttons to the calculation screen, back to
// the start screen and to the two information screens. The screens differ only in
// what an ExplanationLayout holds.

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
  const char* title;
  QSize client;
  const char* heading;  // Label1
  QPoint headingAt;
  const char* formulaSheet;  // SVG resource of Picture1
  QRect formulaBox;
  bool formulaOnWhite;     // white background behind the formula sheet
  const char* coneSketch;  // SVG resource of Picture2
  QRect coneBox;
  int procedureTops[5];  // Label2, Label3, Label4, Label5, Label7
  const char* dataNote;  // Label6
  QPoint dataNoteAt;
  QRect next, cancel, dataSource, spectralMethod;  // Command1, Command2, Command3, Command5
  tervolin::ScatterKind scatter;                   // given to the session by Command1
  const char* calculationHeading;                  // given to the calculation screen by Command1
};

class ExplanationScreen : public ScreenWindow {
  Q_OBJECT

 public:
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QWidget* Picture1 = nullptr;
  QWidget* Picture2 = nullptr;
  QPushButton* Command1 = nullptr;  // 次へ進む
  QPushButton* Command2 = nullptr;  // キャンセル
  QPushButton* Command3 = nullptr;  // データ出典
  QPushButton* Command5 = nullptr;  // スペクトルＸ線に対する計算方法

 protected:
  explicit ExplanationScreen(const ExplanationLayout& layout);

  // 次へ進む: fixes the kind of scattering, puts the calculation screen into its
  // starting state with an empty graph, shows it and hides this screen.
  void GoToCalculation();
  // キャンセル: back to the start screen.
  void ReturnToStart();
  // The close box: the start screen comes back and the data source screen goes.
  void ReturnAfterClose();
  static void ShowDataSource();
  static void ShowSpectralMethod();

 private:
  void CreatePictures();
  void CreateTexts();
  void CreateButtons();
  void PrepareCalculationScreen();

  const ExplanationLayout& layout_;
};

}  // namespace tervolin::ui
