#pragma once
// The spectrum screen: exposure conditions of the X-ray tube, the computed spectrum
// on its graph, and accepting it for the spectral distributions.

#include "core/tube_settings.h"
#include "ui/screen_slot.h"
#include "ui/screen_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tervolin::ui {

class PictureSurface;

class Form5 : public ScreenWindow, public SingleInstance<Form5> {
  Q_OBJECT

 public:
  void Form5_Command1_Click();  // スペクトル計算
  void Form5_Command2_Click();  // キャンセル
  void Form5_Command3_Click();  // やり直し
  void Form5_Command4_Click();  // OK

  QLineEdit* Text1 = nullptr;  // tube voltage, kV
  QLineEdit* Text2 = nullptr;  // inherent filtration, mm Al equivalent
  QLineEdit* Text3 = nullptr;  // added aluminium, mm
  QLineEdit* Text4 = nullptr;  // added copper, mm
  QLineEdit* Text5 = nullptr;  // target angle, degrees
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command4 = nullptr;
  PictureSurface* Picture3 = nullptr;

  // The fields at their defaults and the graph at its axes, then the screen shown.
  void OpenWithDefaults();

 private:
  friend class ScreenSlot<Form5>;
  Form5();
  QLineEdit& FieldEdit(tervolin::SpectrumField field) const;
  tervolin::TubeSettings TypedSettings() const;
  void ClearGraph();
};

}  // namespace tervolin::ui
