#pragma once
// The data source screen: the compilation the form factors and incoherent scattering
// functions of the material files come from.

#include "ui/screen_window.h"

class QLabel;
class QPushButton;

namespace tervolin::ui {

class DataSourceScreen : public ScreenWindow {
  Q_OBJECT

 public:
  explicit DataSourceScreen(Screens& screens);
  void onCloseClicked();

  QLabel* citationLine1 = nullptr;
  QLabel* citationLine2 = nullptr;
  QLabel* citationLine3 = nullptr;
  QLabel* citationLine4 = nullptr;
  QLabel* citationLine5 = nullptr;
  QLabel* headingLabel = nullptr;
  QPushButton* closeButton = nullptr;

 private:
  void CreateLabels();
};

}  // namespace tervolin::ui
