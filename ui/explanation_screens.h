#pragma once
// The two explanation screens: coherent (Rayleigh) and incoherent (Compton)
// scattering, each a formula sheet, a cone sketch and the way on to the calculation.

#include "ui/explanation_screen.h"
#include "ui/screen_slot.h"

namespace tervolin::ui {

// The coherent (Rayleigh) scattering explanation screen.
class Form2 : public ExplanationScreen, public SingleInstance<Form2> {
  Q_OBJECT

 public:
  void Form2_Command1_Click();  // 次へ進む
  void Form2_Command2_Click();  // キャンセル
  void Form2_Command3_Click();  // データ出典
  void Form2_Command5_Click();  // スペクトルＸ線に対する計算方法

 protected:
  void FormUnload() override { Form2_Form_Unload(); }
  void Form2_Form_Unload();

 private:
  friend class ScreenSlot<Form2>;
  Form2();
};

// The incoherent (Compton) scattering explanation screen.
class Form3 : public ExplanationScreen, public SingleInstance<Form3> {
  Q_OBJECT

 public:
  void Form3_Command1_Click();  // 次へ進む
  void Form3_Command2_Click();  // キャンセル
  void Form3_Command3_Click();  // データ出典
  void Form3_Command5_Click();  // スペクトルＸ線に対する計算方法

 protected:
  void FormUnload() override { Form3_Form_Unload(); }
  void Form3_Form_Unload();

 private:
  friend class ScreenSlot<Form3>;
  Form3();
};

}  // namespace tervolin::ui
