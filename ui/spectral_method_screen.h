#pragma once
// The spectral-method screen: how the angular distribution is weighted over the
// energies of an X-ray spectrum.

#include "ui/screen_window.h"

class QPushButton;
class QWidget;

namespace tervolin::ui {

class SpectralMethodScreen : public ScreenWindow {
  Q_OBJECT

 public:
  explicit SpectralMethodScreen(Screens& screens);
  void onCloseClicked();

  QWidget* methodPicture = nullptr;
  QPushButton* closeButton = nullptr;

 protected:
  void SetTexts() override;  // the sheet in the new language

 private:
};

}  // namespace tervolin::ui
