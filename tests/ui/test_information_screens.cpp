// The data source and spectral-method screens: their layout and window kind, and how
// they come, go and come back beside the other screens.

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "screen_checks.h"
#include "ui/start_screen.h"
#include "ui/explanation_screen.h"
#include "ui/calculation_screen.h"
#include "ui/data_source_screen.h"
#include "ui/spectral_method_screen.h"

using namespace tervolin::ui;

using namespace tervolin::testing;

namespace {

// The coherent explanation screen, opened from the start screen.
ExplanationScreen& OpenCoherentScreen() {
  StartScreen& start = Program().Start();
  start.ShowScreen();
  QTest::mouseClick(start.coherentButton, Qt::LeftButton);
  return Program().Explanation(tervolin::kCoherent);
}

bool HasMinimiseOrMaximise(const QWidget& window) {
  return (window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) != 0;
}

}  // namespace

class InformationScreensTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallScreenFonts(); }
  void cleanup() { DiscardAllWindows(); }

  void dataSourceScreenLayout() {
    DataSourceScreen& source = Program().DataSource();
    QCOMPARE(source.windowTitle(), Utf8("　Data reference"));
    QCOMPARE(source.size(), QSize(524, 262));
    QCOMPARE(source.minimumSize(), source.maximumSize());
    QCOMPARE(source.windowFlags() & Qt::WindowType_Mask, Qt::Window);  // its own task-bar entry
    QVERIFY(source.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!HasMinimiseOrMaximise(source));
    QVERIFY(!source.windowIcon().isNull());

    QCOMPARE(source.headingLabel->text(), Utf8("データの出典"));
    QCOMPARE(source.headingLabel->pos(), QPoint(24, 24));
    QCOMPARE(source.headingLabel->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(source.citationLine2->text(), Utf8("Atomic Form Factors, Incoherent Scattering Functions,"));
    QCOMPARE(source.citationLine3->text(), Utf8("and Photon Scattering Cross Sections."));
    QCOMPARE(source.citationLine4->text(), Utf8("Journal of Physical and Chemical Reference Data"));
    QCOMPARE(source.citationLine5->text(), Utf8("Vol.4, No.3, pages 471-538, (1975)"));
    QVERIFY(!source.citationLine1->text().isEmpty());
    const QPoint citation[] = {{24, 64}, {40, 88}, {40, 112}, {40, 144}, {40, 168}};
    QLabel* const lines[] = {source.citationLine1, source.citationLine2, source.citationLine3, source.citationLine4, source.citationLine5};
    for (int i = 0; i < 5; ++i) {
      QCOMPARE(lines[i]->pos(), citation[i]);
      QCOMPARE(lines[i]->font().pixelSize(), 21);
      QVERIFY2(lines[i]->geometry().right() < source.width(), qPrintable(lines[i]->text()));
    }
    QCOMPARE(source.closeButton->text(), Utf8("閉じる"));
    QCOMPARE(source.closeButton->geometry(), QRect(224, 216, 73, 33));
    QCOMPARE(FaceColour(source.closeButton), QColor(255, 255, 192));
  }

  void dataSourceScreenIsWhite() {
    DataSourceScreen& source = Program().DataSource();
    source.ShowScreen();
    const QImage shot = Shot(&source);
    const QRect margins[] = {{0, 0, 524, 20}, {0, 200, 200, 62}, {320, 200, 204, 62}};
    for (const QRect& area : margins) {
      QCOMPARE(CountPixels(shot, area, [](QColor c) { return c != QColor(Qt::white); }), 0);
    }
  }

  void spectralMethodScreenLayout() {
    SpectralMethodScreen& method = Program().SpectralMethod();
    QCOMPARE(method.windowTitle(), Utf8("　スペクトルＸ線"));
    QCOMPARE(method.size(), QSize(762, 403));
    QCOMPARE(method.minimumSize(), method.maximumSize());
    QCOMPARE(method.windowFlags() & Qt::WindowType_Mask, Qt::Tool);  // small title bar, no task-bar entry
    QVERIFY(method.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!HasMinimiseOrMaximise(method));
    QVERIFY(method.windowIcon().isNull());
    QCOMPARE(method.methodPicture->geometry(), QRect(24, 24, 707, 317));
    QCOMPARE(method.closeButton->text(), Utf8("閉じる"));
    QCOMPARE(method.closeButton->geometry(), QRect(344, 352, 89, 33));
    QCOMPARE(FaceColour(method.closeButton), QColor(255, 255, 192));

    method.ShowScreen();
    const QImage shot = Shot(&method);
    QVERIFY(CountPixels(shot, QRect(40, 30, 400, 40), IsInk) > 100);  // the sheet's heading
  }

  void dataSourceComesBackOnceWhereItWas() {
    ExplanationScreen& explanation = OpenCoherentScreen();
    Click(explanation.dataSourceButton);
    DataSourceScreen* source = Program().ExistingDataSource();
    QVERIFY(IsShown(source));
    source->move(source->pos() + QPoint(37, 23));
    const QPoint moved = source->pos();
    Click(source->closeButton);
    QVERIFY(!source->isVisible());
    QCOMPARE(Program().ExistingDataSource(), source);

    Click(explanation.dataSourceButton);
    QCOMPARE(Program().ExistingDataSource(), source);
    QVERIFY(source->isVisible());
    QCOMPARE(source->pos(), moved);
    Click(explanation.dataSourceButton);
    QCOMPARE(CountWindows<DataSourceScreen>(), 1);
  }

  void closeBoxDestroysAndTheNextShowingBuildsAnew() {
    ExplanationScreen& explanation = OpenCoherentScreen();
    Click(explanation.dataSourceButton);
    Click(explanation.spectralMethodButton);
    QPointer<DataSourceScreen> source = Program().ExistingDataSource();
    QPointer<SpectralMethodScreen> method = Program().ExistingSpectralMethod();
    CloseBox(source);
    CloseBox(method);
    QVERIFY(source.isNull() && method.isNull());
    QCOMPARE(Program().ExistingDataSource(), nullptr);
    QCOMPARE(Program().ExistingSpectralMethod(), nullptr);
    QVERIFY(explanation.isVisible());  // neither has a close handler of its own

    Click(explanation.dataSourceButton);
    Click(explanation.spectralMethodButton);
    QVERIFY(IsShown(Program().ExistingDataSource()));
    QVERIFY(IsShown(Program().ExistingSpectralMethod()));
    QCOMPARE(Program().ExistingDataSource()->headingLabel->text(), Utf8("データの出典"));
  }

  void spectralMethodStaysWhileTheUserMovesOn() {
    ExplanationScreen& explanation = OpenCoherentScreen();
    Click(explanation.spectralMethodButton);
    SpectralMethodScreen* method = Program().ExistingSpectralMethod();
    Click(explanation.nextButton);  // on to the calculation screen
    QVERIFY(IsShown(Program().ExistingCalculation()));
    QVERIFY(method->isVisible());
    Click(Program().ExistingCalculation()->returnButton);  // back to the start screen
    QVERIFY(Program().Start().isVisible());
    QVERIFY(method->isVisible());
    QTest::mouseClick(Program().Start().incoherentButton, Qt::LeftButton);
    Click(Program().Explanation(tervolin::kIncoherent).cancelButton);
    QCOMPARE(Program().ExistingSpectralMethod(), method);
    QVERIFY(method->isVisible());

    Click(method->closeButton);
    QVERIFY(!method->isVisible());
    QCOMPARE(Program().ExistingSpectralMethod(), method);
  }
};

QTEST_MAIN(InformationScreensTest)
#include "test_information_screens.moc"
