#pragma once
// The data source screen: the compilation the form factors and incoherent scattering
// functions of the material files come from.

#include "ui/screen_slot.h"
#include "ui/screen_window.h"

class QLabel;
class QPushButton;

namespace tervolin::ui {

class Form6 : public ScreenWindow, public SingleInstance<Form6> {
  Q_OBJECT

 public:
  void Form6_Command1_Click();  // 閉じる

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QPushButton* Command1 = nullptr;

 private:
  friend class ScreenSlot<Form6>;
  Form6();
  void CreateLabels();
};

}  // namespace tervolin::ui
