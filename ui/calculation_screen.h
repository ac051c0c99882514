#pragma once
// The calculation screen: energy mode, material and curve colour, the calculate,
// clear and return buttons, and the angular distribution graph.

#include "ui/screen_slot.h"
#include "ui/screen_window.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tervolin::ui {

class AngleViewActions;
class MagnitudeAction;
class PictureSurface;

class Form4 : public ScreenWindow, public SingleInstance<Form4> {
  Q_OBJECT

 public:
  void Form4_Command1_Click();  // 計算・描画
  void Form4_Command2_Click();  // スペクトル計算
  void Form4_Command3_Click();  // 終了して初期画面に戻る
  void Form4_Command4_Click();  // グラフ消去
  void Form4_Option1_Click();
  void Form4_Option2_Click();
  void Form4_Option3_Click();
  void Form4_Option4_Click();
  void Form4_Option5_Click();

  // True while a distribution is being computed (its event dispatch may run clicks).
  bool IsCalculating() const { return calculating_; }

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label20 = nullptr;
  QGroupBox* Frame1 = nullptr;
  QGroupBox* Frame2 = nullptr;
  QRadioButton* Option1 = nullptr;
  QRadioButton* Option2 = nullptr;
  QRadioButton* Option3 = nullptr;
  QRadioButton* Option4 = nullptr;
  QRadioButton* Option5 = nullptr;
  QLineEdit* Text1 = nullptr;
  QListWidget* List1 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command4 = nullptr;
  PictureSurface* Picture1 = nullptr;
  AngleViewActions* Views = nullptr;  // the graph's teaching views
  MagnitudeAction* Magnitudes = nullptr;  // 散乱の大きさを比較…

 protected:
  void FormUnload() override;  // Form4_Form_Unload
  bool CanCloseNow() const override { return !calculating_; }

 private:
  friend class ScreenSlot<Form4>;
  Form4();
  bool calculating_ = false;
};

}  // namespace tervolin::ui
