#pragma once
// What the calculation and spectrum screen tests share: a working directory with
// copies of the shipped tables, the session as start-up leaves it (attenuation and
// air tables read), the way the user opens the calculation screen, and looks at the
// graphs.

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QList>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "modal_answerer.h"
#include "data/air_absorption_table.h"
#include "data/attenuation_table.h"
#include "support/scratch_directory.h"
#include "ui/fonts.h"
#include "ui/explanation_screen.h"
#include "ui/calculation_screen.h"
#include "ui/qt_text.h"
#include "ui/window_graph.h"
#include "program_slot.h"

using namespace tervolin::ui;

namespace tervolin::testing {

using tervolin::ui::Utf8;

// The texts of the boxes answered so far.
inline QStringList Messages(const ModalAnswerer& answerer) {
  QStringList texts;
  for (const AnsweredBox& box : answerer.Answered()) texts.append(box.text);
  return texts;
}

// Every box so far was the program's warning box.
inline void CheckWarningBoxes(const ModalAnswerer& answerer) {
  for (const AnsweredBox& box : answerer.Answered()) {
    QCOMPARE(box.title, Utf8("Tervolin"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    QCOMPARE(box.modality, Qt::ApplicationModal);
  }
}

// The tables shipped with the program, by an absolute path: the tests change their
// working directory, and __FILE__ may be relative (as ccache's base folder makes it).
inline std::filesystem::path ShippedTables() { return std::filesystem::path(TERVOLIN_TABLES_DIR); }

// A fresh working directory holding "Mus2018.dat" and "XFS_Data", and the session
// as start-up leaves it.
class ScreenWorkspace {
 public:
  ScreenWorkspace() {
    namespace fs = std::filesystem;
    fs::copy_file(ShippedTables() / "Mus2018.dat", scratch_.path() / "Mus2018.dat");
    fs::copy_file(ShippedTables() / "MuenAir.dat", scratch_.path() / "MuenAir.dat");
    fs::copy(ShippedTables() / "XFS_Data", scratch_.path() / "XFS_Data", fs::copy_options::recursive);
    ResetProgram();
    std::optional<std::string> airFailure;
    attenuationRead_ = !Program().Bench().ReadTables(&airFailure) && !airFailure;
    InstallFontSubstitutions();
  }
  ~ScreenWorkspace() {
    DiscardWindows();
    ResetProgram();
  }
  ScreenWorkspace(const ScreenWorkspace&) = delete;
  ScreenWorkspace& operator=(const ScreenWorkspace&) = delete;

  bool AttenuationRead() const { return attenuationRead_; }
  const ScratchWorkingDirectory& Scratch() const { return scratch_; }

  // Deletes every window without running a close handler. A window with a parent (a
  // combo box's popup, a screen's graph window) goes with its parent, which still
  // uses it while it goes.
  static void DiscardWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->parentWidget() == nullptr) windows.append(window);
    }
    for (const QPointer<QWidget>& window : windows) delete window.data();
    FlushDeletions();
  }

  // Lets windows closed by their close box go away for good.
  static void FlushDeletions() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

 private:
  ScratchWorkingDirectory scratch_;
  bool attenuationRead_ = false;
};

// Whether a spectrum was accepted since the calculation screen was prepared (1) or
// not (0); setting it accepts the default tube's spectrum, as the spectrum screen's OK
// does but without its file and leaving its graph empty, or checks none is accepted.
inline int SpectrumReady() { return Program().Bench().AcceptedSpectrum() ? 1 : 0; }
inline void SetSpectrumReady(int ready) {
  if (ready == 0) {
    QVERIFY(!Program().Bench().AcceptedSpectrum());
    return;
  }
  TubeSettings tube = DefaultTubeSettings();
  QVERIFY(Program().Bench().ComputeSpectrum(tube) && !Program().Bench().AcceptSpectrum());
  Program().Bench().ClearSpectra();
}

// The calculation screen as the explanation screen's "次へ進む" leaves it.
inline CalculationScreen& OpenCalculationScreen(int scatterType) {
  if (scatterType == kIncoherent) {
    Program().Explanation(tervolin::kIncoherent).onNextClicked();
  } else {
    Program().Explanation(tervolin::kCoherent).onNextClicked();
  }
  return Program().Calculation();
}

// An option button is clicked on its round indicator, as a user clicks it.
inline void ClickOption(QRadioButton* option) {
  QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// Selects the material by clicking its entry in the list.
inline void ClickMaterial(QListWidget* list, const char* material) {
  const QList<QListWidgetItem*> found = list->findItems(Utf8(material), Qt::MatchExactly);
  QVERIFY(found.size() == 1);
  list->scrollToItem(found.first());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
  QVERIFY(found.first()->isSelected());
}

// The image at one pixel per logical pixel, whatever the screen's pixel ratio.
inline QImage AtLogicalSize(const QImage& image) {
  const QSize logical = (QSizeF(image.size()) / image.devicePixelRatio()).toSize();
  QImage scaled = image.scaled(logical).convertToFormat(QImage::Format_RGB32);
  scaled.setDevicePixelRatio(1.0);
  return scaled;
}

// What the widget shows, one image pixel per logical pixel.
inline QImage Shot(QWidget& widget) { return AtLogicalSize(widget.grab().toImage()); }

inline int CountPixels(const QImage& image, const std::function<bool(QColor)>& test) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += test(image.pixelColor(x, y)) ? 1 : 0;
  }
  return count;
}

inline bool IsRed(QColor c) { return c.red() > c.green() + 60 && c.red() > c.blue() + 60; }
inline bool IsGreen(QColor c) { return c.green() > c.red() + 40 && c.green() > c.blue() + 40; }
inline bool IsBlue(QColor c) { return c.blue() > c.red() + 60 && c.blue() > c.green() + 60; }

// The line style of each curve a window's graph draws, in order.
inline std::vector<LineStyle> CurveStyles(const WindowGraph& graph) {
  std::vector<LineStyle> styles;
  LineStyle style = LineStyle::kSolid;
  for (const DrawingOperation& op : graph.Operations()) {
    if (op.kind == DrawingKind::kStrokeStyle) style = op.style;
    if (op.kind == DrawingKind::kBeginCurve) styles.push_back(style);
  }
  return styles;
}

// Saves a picture of the widget for a look by eye.
inline void SaveShot(QWidget& widget, const char* fileName) {
  QVERIFY(widget.grab().save(QStringLiteral(TERVOLIN_TEST_OUTPUT_DIR "/") + QLatin1String(fileName)));
}

}  // namespace tervolin::testing
