#include "ui/screen_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "ui/controls.h"
#include "ui/screens.h"

namespace tervolin::ui {

namespace {

Qt::WindowFlags FlagsFor(ScreenWindow::Frame frame) {
  const Qt::WindowFlags titleAndClose =
      Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
  switch (frame) {
    case ScreenWindow::Frame::FixedDialog: return Qt::Dialog | titleAndClose;
    case ScreenWindow::Frame::FixedSingle: return Qt::Window | titleAndClose;
    case ScreenWindow::Frame::ToolWindow: return Qt::Tool | titleAndClose;
  }
  return Qt::Window;
}

}  // namespace

ScreenWindow::ScreenWindow(Screens& screens, const QString& title, int clientWidthTwips, int clientHeightTwips,
                           Frame frame)
    : QWidget(nullptr, FlagsFor(frame)), screens_(screens) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(title);
  setFixedSize(TwipsToPixels(clientWidthTwips), TwipsToPixels(clientHeightTwips));
}

ScreenWindow::ScreenWindow(Screens& screens, UiText title, int clientWidthTwips, int clientHeightTwips, Frame frame)
    : ScreenWindow(screens, QString(), clientWidthTwips, clientHeightTwips, frame) {
  SetUiText(this, title);
}

void ShowInFront(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

void ScreenWindow::ShowScreen() { ShowInFront(*this); }

void ScreenWindow::HideScreen() { hide(); }

void ScreenWindow::ShowHomeScreen() { screens_.Home().ShowScreen(); }

void ScreenWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (centred_) return;
  centred_ = true;
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

void ScreenWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  RetranslateTexts(*this);
  SetTexts();
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
  closing_ = true;
  onCloseBoxUsed();
  event->accept();
}

}  // namespace tervolin::ui
