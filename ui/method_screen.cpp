#include "ui/method_screen.h"

#include <QPushButton>

#include "ui/controls.h"
#include "ui/fonts.h"

namespace tervolin::ui {

Form7::Form7() : ScreenWindow(QString::fromUtf8("　スペクトルＸ線"), 11430, 6045, Frame::ToolWindow) {
  Picture1 = MakePictureBox(this, "Picture1", TwipsRect(360, 360, 10605, 4755),
                            QStringLiteral(":/images/formula_spectral.svg"));
  Command1 = MakeButton(this, "Command1", QString::fromUtf8("閉じる"), TwipsRect(5160, 5280, 1335, 495),
                        ScreenFont(QString::fromUtf8("メイリオ"), 12), kButtonYellow);
  connect(Command1, &QPushButton::clicked, this, &Form7::Form7_Command1_Click);
}

void Form7::Form7_Command1_Click() { HideScreen(); }

}  // namespace tervolin::ui
