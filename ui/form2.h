#pragma once
// The coherent (Rayleigh) scattering explanation screen.

#include "ui/explanation_screen.h"
#include "ui/screen_slot.h"

class Form2 : public ExplanationScreen {
  Q_OBJECT

 public:
  static Form2& Instance();
  static Form2* Existing();

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
