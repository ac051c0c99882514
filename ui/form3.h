#pragma once
// The incoherent (Compton) scattering explanation screen.

#include "ui/explanation_screen.h"
#include "ui/screen_slot.h"

class Form3 : public ExplanationScreen {
  Q_OBJECT

 public:
  static Form3& Instance();
  static Form3* Existing();

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
