#include "ui/spectral_method_screen.h"

#include <QPushButton>

#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/qt_text.h"
#include "ui/screens.h"

namespace tervolin::ui {

namespace {

const QString kMethodSheet = QStringLiteral(":/images/formula_spectral.svg");

}  // namespace

SpectralMethodScreen::SpectralMethodScreen(Screens& screens) : ScreenWindow(screens, Ui("　スペクトルＸ線"), 11430, 6045, Frame::ToolWindow) {
  methodPicture = MakePictureBox(this, "methodPicture", TwipsRect(360, 360, 10605, 4755),
                                 PictureInLanguage(kMethodSheet, screens.Bench().TextLanguage()));
  closeButton = MakeButton(this, "closeButton", Ui("閉じる"), TwipsRect(5160, 5280, 1335, 495),
                        ScreenFont(Utf8("メイリオ"), 12), kButtonYellow);
  connect(closeButton, &QPushButton::clicked, this, &SpectralMethodScreen::onCloseClicked);
}

void SpectralMethodScreen::SetTexts() {
  ShowInPictureBox(*methodPicture, PictureInLanguage(kMethodSheet, screens_.Bench().TextLanguage()));
}

void SpectralMethodScreen::onCloseClicked() { HideScreen(); }

}  // namespace tervolin::ui
