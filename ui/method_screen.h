#pragma once
// The spectral-method screen: how the angular distribution is weighted over the
// energies of an X-ray spectrum.

#include "ui/screen_slot.h"
#include "ui/screen_window.h"

class QPushButton;
class QWidget;

namespace tervolin::ui {

class Form7 : public ScreenWindow, public SingleInstance<Form7> {
  Q_OBJECT

 public:
  void Form7_Command1_Click();  // 閉じる

  QWidget* Picture1 = nullptr;
  QPushButton* Command1 = nullptr;

 private:
  friend class ScreenSlot<Form7>;
  Form7();
};

}  // namespace tervolin::ui
