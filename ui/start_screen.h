#pragma once
// The start screen: what the tool does, the way to the two explanation screens and
// the way out of the program.

#include "ui/screen_slot.h"
#include "ui/screen_window.h"

class QLabel;
class QPushButton;
class QWidget;

namespace tervolin::ui {

class Form1 : public ScreenWindow, public SingleInstance<Form1> {
  Q_OBJECT

 public:
  // Reads the attenuation table; false (after telling the user why) when the program
  // cannot start.
  bool Form1_Form_Load();
  void Form1_Command1_Click();
  void Form1_Command2_Click();
  void Form1_Command3_Click();

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* Label10 = nullptr;
  QWidget* Picture1 = nullptr;
  QWidget* Picture2 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;

 protected:
  void FormUnload() override;  // Form1_Form_Unload

 private:
  friend class ScreenSlot<Form1>;
  Form1();
  void CreateLabels();
  void CreateButtons();
  // Deletes "P_Spectrum.dat" in the working directory, ignoring every error.
  static void DeleteSpectrumFile();
};

}  // namespace tervolin::ui
