// The screens in both languages: every text of every screen and graph window fits its
// control in the control's own font, and no text runs into another control; the
// program started in English shows English, and its language switch turns every open
// screen to Japanese at once and is remembered for the next start.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyle>
#include <QStyleOption>
#include <QtTest>
#include <filesystem>

#include "modal_answerer.h"
#include "screen_checks.h"
#include "support/scratch_directory.h"
#include "ui/angle_view_actions.h"
#include "ui/calculation_screen.h"
#include "ui/data_source_screen.h"
#include "ui/explanation_screen.h"
#include "ui/magnitude_action.h"
#include "ui/magnitude_window.h"
#include "ui/polar_diagram_window.h"
#include "ui/program.h"
#include "ui/qt_translations.h"
#include "ui/spectral_method_screen.h"
#include "ui/spectrum_screen.h"
#include "ui/start_screen.h"

using namespace tervolin::testing;
using tervolin::Language;

namespace {

// The room a control's text needs beside the text itself: a push button's frame and
// margins, an option's indicator and its spacing, a label's margins.
int RoomAround(const QWidget& control) {
  const QStyle& style = *control.style();
  if (qobject_cast<const QRadioButton*>(&control)) {
    return style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) + style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
  }
  if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
    const int indicator = button->menu() != nullptr ? style.pixelMetric(QStyle::PM_MenuButtonIndicator) : 0;
    return 2 * (style.pixelMetric(QStyle::PM_ButtonMargin) + style.pixelMetric(QStyle::PM_DefaultFrameWidth)) + indicator;
  }
  if (qobject_cast<const QGroupBox*>(&control)) return 2 * style.pixelMetric(QStyle::PM_LayoutLeftMargin);
  const QMargins m = control.contentsMargins();
  const auto* label = qobject_cast<const QLabel*>(&control);
  return m.left() + m.right() + (label != nullptr ? 2 * label->margin() : 0);
}

QString ShownText(const QWidget& control) {
  if (const auto* label = qobject_cast<const QLabel*>(&control)) return label->wordWrap() ? QString() : label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
  if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) return frame->title();
  return {};
}

int TextWidth(const QWidget& control, const QString& text) {
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    widest = std::max(widest, control.fontMetrics().horizontalAdvance(line));
  }
  return widest;
}

// Where the control's text lies in its parent: a label's ink as aligned (labels stand
// closer than their line height), another control's whole rectangle.
QRect TextRect(const QWidget& control, const QString& text, int needed) {
  const QRect g = control.geometry();
  const auto* label = qobject_cast<const QLabel*>(&control);
  if (label == nullptr) return g;
  const QRect ink = control.fontMetrics().tightBoundingRect(text.section(QLatin1Char('\n'), 0, 0));
  const int top = g.top() + control.contentsRect().top() + control.fontMetrics().ascent() + ink.top();
  const int lines = text.count(QLatin1Char('\n'));
  const int height = ink.height() + lines * control.fontMetrics().lineSpacing();
  int left = g.left();
  if (needed < g.width() && (label->alignment() & Qt::AlignRight)) left = g.right() + 1 - needed;
  if (needed < g.width() && (label->alignment() & Qt::AlignHCenter)) left = g.center().x() - needed / 2;
  return QRect(left, top, needed, height);
}

// A control another text must not run into: a text, a field, a list, a picture.
bool Occupies(const QWidget& w) {
  if (w.isHidden() || w.isWindow()) return false;
  if (const auto* label = qobject_cast<const QLabel*>(&w)) return !label->text().isEmpty();
  return !qobject_cast<const QMenu*>(&w);
}

QRect OccupiedRect(const QWidget& w) {
  const QString text = ShownText(w);
  return qobject_cast<const QLabel*>(&w) ? TextRect(w, text, TextWidth(w, text) + RoomAround(w)) : w.geometry();
}

// Every fault of `window`'s texts: a text wider than its control, out of its parent,
// or over a sibling control.
QStringList TextFaults(const QWidget& window) {
  QStringList faults;
  for (const QWidget* control : window.findChildren<QWidget*>()) {
    const QString text = ShownText(*control);
    if (text.isEmpty() || control->isHidden() || control->isWindow() || control->window() != &window) continue;
    const int needed = TextWidth(*control, text) + RoomAround(*control);
    const QString name = window.objectName() + "/" + control->objectName() + " «" + text + "»";
    if (needed > control->width()) faults << QString("%1 needs %2 px, has %3").arg(name).arg(needed).arg(control->width());
    const QRect rect = TextRect(*control, text, needed);
    if (!control->parentWidget()->rect().contains(rect)) faults << name + " leaves its parent";
    for (const QWidget* sibling : control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (sibling != control && Occupies(*sibling) && OccupiedRect(*sibling).intersects(rect)) {
        faults << name + " runs into " + sibling->objectName();
      }
    }
  }
  return faults;
}

class LanguagesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    InstallScreenFonts();
    std::filesystem::current_path(TERVOLIN_TABLES_DIR);
    qputenv("XDG_CONFIG_HOME", QByteArray(config_.path().c_str()));
  }
  void cleanup() {
    DiscardAllWindows();
    InstallQtTranslations();
  }

  void textsFitTheirControls_data() {
    QTest::addColumn<Language>("language");
    for (const Language language : tervolin::AllLanguages()) QTest::newRow(tervolin::LanguageCode(language)) << language;
  }
  // All seven screens and the two graph windows, each as its first showing lays it out.
  void textsFitTheirControls() {
    QFETCH(Language, language);
    tervolin::ui::InstallLanguage(language);
    ScreenSet& screens = Program();
    screens.Bench().ChooseLanguage(language);
    QVERIFY(!screens.Bench().ReadTables());
    CalculationScreen& calculation = screens.Calculation();
    calculation.views->ShowPolarWindow();
    calculation.magnitudes->ShowWindow();
    QWidget* windows[] = {&screens.Start(),        &screens.Explanation(tervolin::kCoherent),
                          &screens.Explanation(tervolin::kIncoherent), &calculation,
                          &screens.Spectrum(),     &screens.DataSource(),
                          &screens.SpectralMethod(), calculation.views->PolarWindow(),
                          calculation.magnitudes->Window()};
    for (QWidget* window : windows) {
      QVERIFY(window != nullptr);
      window->show();
      const QStringList faults = TextFaults(*window);
      QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }
  }

  // LANGUAGE=en: the start screen and the calculation screen in English, a warning in
  // English; the switch to 日本語 turns the open screens at once and is kept.
  void startsInEnglishAndSwitches() {
    qputenv("LANGUAGE", "en");
    QCOMPARE(StartTervolin(Program()), std::nullopt);
    StartScreen& start = Program().Start();
    QCOMPARE(start.coherentButton->text(), QString("Coherent"));
    Click(start.coherentButton);
    CalculationScreen& calculation = Program().Calculation();
    Click(Program().Explanation(tervolin::kCoherent).nextButton);
    QCOMPARE(calculation.computeButton->text(), QString("Calculate"));
    ModalAnswerer answerer;
    Click(calculation.computeButton);
    QTRY_COMPARE(answerer.Answered().size(), 1);
    QCOMPARE(answerer.Answered().front().text, QString("Enter the photon energy"));
    const QList<QAction*> items = start.languageButton->menu()->actions();
    QCOMPARE(items.size(), 2);
    items.front()->trigger();  // 日本語
    QCoreApplication::sendPostedEvents();
    QCOMPARE(start.coherentButton->text(), Utf8("干渉性散乱"));
    QCOMPARE(calculation.computeButton->text(), Utf8("計算・描画"));
    QCOMPARE(tervolin::ui::StartLanguage(), Language::kJapanese);  // the choice wins over LANGUAGE=en
    qunsetenv("LANGUAGE");
  }

 private:
  tervolin::testing::ScratchDirectory config_;
};

}  // namespace

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"
