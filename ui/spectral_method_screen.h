#pragma once
// The spectral-method screen: how the angular distribution is weighted over the
// energies of an X-ray spectrum.

#include "ui/screen_slot.h"
#include "ui/screen_window.h"

class QPushButton;
class QWidget;

namespace tervolin::ui {

class SpectralMethodScreen : public ScreenWindow, public SingleInstance<SpectralMethodScreen> {
  Q_OBJECT

 public:
  void onCloseClicked();

  QWidget* methodPicture = nullptr;
  QPushButton* closeButton = nullptr;

 private:
  friend class ScreenSlot<SpectralMethodScreen>;
  SpectralMethodScreen();
};

}  // namespace tervolin::ui
