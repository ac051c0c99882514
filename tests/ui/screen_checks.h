#pragma once
// What the screen tests share: a clean slate between cases, clicks as the user makes
// them, and looks at what a widget shows.

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "ui/fonts.h"
#include "ui/qt_text.h"
#include "program_slot.h"

using namespace tervolin::ui;

namespace tervolin::testing {

using tervolin::ui::Utf8;

// Lets the windows closed by a test go away for good.
inline void FlushDeletions() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Deletes every window (no close handler runs) and empties the screens' session.
inline void DiscardAllWindows() {
  QList<QPointer<QWidget>> windows;
  for (QWidget* window : QApplication::topLevelWidgets()) windows.append(window);
  for (const QPointer<QWidget>& window : windows) delete window.data();
  FlushDeletions();
  ResetProgram();
}

// The fonts the program installs, for tests that run the screens without start-up.
inline void InstallScreenFonts() { InstallFontSubstitutions(); }

inline void Click(QAbstractButton* button) {
  QVERIFY(button != nullptr);
  QVERIFY(button->isVisible());
  QTest::mouseClick(button, Qt::LeftButton);
}

// An option button is clicked on its round indicator.
inline void ClickOption(QRadioButton* option) {
  QVERIFY(option != nullptr);
  QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// The close box: the window gets the same close request.
inline void CloseBox(QWidget* window) {
  QVERIFY(window != nullptr);
  window->close();
  FlushDeletions();
}

inline int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += test(image.pixelColor(x, y)) ? 1 : 0;
  }
  return count;
}

inline bool IsInk(QColor c) { return qGray(c.rgb()) < 128; }

// What the widget shows, one image pixel per logical pixel.
inline QImage Shot(QWidget* widget) {
  QImage image = widget->grab().toImage();
  return image.scaled(widget->size()).convertToFormat(QImage::Format_RGB32);
}

// The face colour of a push button, away from its text and border.
inline QColor FaceColour(QPushButton* button) {
  return Shot(button).pixelColor(4, button->height() / 2);
}

// Every window of a kind that exists, visible or not.
template <typename Screen>
int CountWindows() {
  int count = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) count += qobject_cast<Screen*>(window) != nullptr ? 1 : 0;
  return count;
}

// Whether a window of the kind exists and is visible.
template <typename Screen>
bool IsShown(Screen* screen) {
  return screen != nullptr && screen->isVisible();
}

}  // namespace tervolin::testing
