// The data source and spectral-method screens: their layout and window kind, and how
// they come, go and come back beside the other screens.

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "screen_checks.h"
#include "ui/start_screen.h"
#include "ui/explanation_screens.h"
#include "ui/calculation_screen.h"
#include "ui/data_source_screen.h"
#include "ui/method_screen.h"

using namespace tervolin::ui;

using namespace tervolin::testing;

namespace {

// The coherent explanation screen, opened from the start screen.
Form2& OpenCoherentScreen() {
  Form1& start = Form1::Instance();
  start.ShowScreen();
  QTest::mouseClick(start.Command1, Qt::LeftButton);
  return Form2::Instance();
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
    Form6& source = Form6::Instance();
    QCOMPARE(source.windowTitle(), Utf8("　Data reference"));
    QCOMPARE(source.size(), QSize(524, 262));
    QCOMPARE(source.minimumSize(), source.maximumSize());
    QCOMPARE(source.windowFlags() & Qt::WindowType_Mask, Qt::Window);  // its own task-bar entry
    QVERIFY(source.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!HasMinimiseOrMaximise(source));
    QVERIFY(!source.windowIcon().isNull());

    QCOMPARE(source.Label6->text(), Utf8("データの出典"));
    QCOMPARE(source.Label6->pos(), QPoint(24, 24));
    QCOMPARE(source.Label6->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(source.Label2->text(), Utf8("Atomic Form Factors, Incoherent Scattering Functions,"));
    QCOMPARE(source.Label3->text(), Utf8("and Photon Scattering Cross Sections."));
    QCOMPARE(source.Label4->text(), Utf8("Journal of Physical and Chemical Reference Data"));
    QCOMPARE(source.Label5->text(), Utf8("Vol.4, No.3, pages 471-538, (1975)"));
    QVERIFY(!source.Label1->text().isEmpty());
    const QPoint citation[] = {{24, 64}, {40, 88}, {40, 112}, {40, 144}, {40, 168}};
    QLabel* const lines[] = {source.Label1, source.Label2, source.Label3, source.Label4, source.Label5};
    for (int i = 0; i < 5; ++i) {
      QCOMPARE(lines[i]->pos(), citation[i]);
      QCOMPARE(lines[i]->font().pixelSize(), 21);
      QVERIFY2(lines[i]->geometry().right() < source.width(), qPrintable(lines[i]->text()));
    }
    QCOMPARE(source.Command1->text(), Utf8("閉じる"));
    QCOMPARE(source.Command1->geometry(), QRect(224, 216, 73, 33));
    QCOMPARE(FaceColour(source.Command1), QColor(255, 255, 192));
  }

  void dataSourceScreenIsWhite() {
    Form6& source = Form6::Instance();
    source.ShowScreen();
    const QImage shot = Shot(&source);
    const QRect margins[] = {{0, 0, 524, 20}, {0, 200, 200, 62}, {320, 200, 204, 62}};
    for (const QRect& area : margins) {
      QCOMPARE(CountPixels(shot, area, [](QColor c) { return c != QColor(Qt::white); }), 0);
    }
  }

  void spectralMethodScreenLayout() {
    Form7& method = Form7::Instance();
    QCOMPARE(method.windowTitle(), Utf8("　スペクトルＸ線"));
    QCOMPARE(method.size(), QSize(762, 403));
    QCOMPARE(method.minimumSize(), method.maximumSize());
    QCOMPARE(method.windowFlags() & Qt::WindowType_Mask, Qt::Tool);  // small title bar, no task-bar entry
    QVERIFY(method.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!HasMinimiseOrMaximise(method));
    QVERIFY(method.windowIcon().isNull());
    QCOMPARE(method.Picture1->geometry(), QRect(24, 24, 707, 317));
    QCOMPARE(method.Command1->text(), Utf8("閉じる"));
    QCOMPARE(method.Command1->geometry(), QRect(344, 352, 89, 33));
    QCOMPARE(FaceColour(method.Command1), QColor(255, 255, 192));

    method.ShowScreen();
    const QImage shot = Shot(&method);
    QVERIFY(CountPixels(shot, QRect(40, 30, 400, 40), IsInk) > 100);  // the sheet's heading
  }

  void dataSourceComesBackOnceWhereItWas() {
    Form2& explanation = OpenCoherentScreen();
    Click(explanation.Command3);
    Form6* source = Form6::Existing();
    QVERIFY(IsShown(source));
    source->move(source->pos() + QPoint(37, 23));
    const QPoint moved = source->pos();
    Click(source->Command1);
    QVERIFY(!source->isVisible());
    QCOMPARE(Form6::Existing(), source);

    Click(explanation.Command3);
    QCOMPARE(Form6::Existing(), source);
    QVERIFY(source->isVisible());
    QCOMPARE(source->pos(), moved);
    Click(explanation.Command3);
    QCOMPARE(CountWindows<Form6>(), 1);
  }

  void closeBoxDestroysAndTheNextShowingBuildsAnew() {
    Form2& explanation = OpenCoherentScreen();
    Click(explanation.Command3);
    Click(explanation.Command5);
    QPointer<Form6> source = Form6::Existing();
    QPointer<Form7> method = Form7::Existing();
    CloseBox(source);
    CloseBox(method);
    QVERIFY(source.isNull() && method.isNull());
    QCOMPARE(Form6::Existing(), nullptr);
    QCOMPARE(Form7::Existing(), nullptr);
    QVERIFY(explanation.isVisible());  // neither has a close handler of its own

    Click(explanation.Command3);
    Click(explanation.Command5);
    QVERIFY(IsShown(Form6::Existing()));
    QVERIFY(IsShown(Form7::Existing()));
    QCOMPARE(Form6::Existing()->Label6->text(), Utf8("データの出典"));
  }

  void spectralMethodStaysWhileTheUserMovesOn() {
    Form2& explanation = OpenCoherentScreen();
    Click(explanation.Command5);
    Form7* method = Form7::Existing();
    Click(explanation.Command1);  // on to the calculation screen
    QVERIFY(IsShown(Form4::Existing()));
    QVERIFY(method->isVisible());
    Click(Form4::Existing()->Command3);  // back to the start screen
    QVERIFY(Form1::Instance().isVisible());
    QVERIFY(method->isVisible());
    QTest::mouseClick(Form1::Instance().Command2, Qt::LeftButton);
    Click(Form3::Instance().Command2);
    QCOMPARE(Form7::Existing(), method);
    QVERIFY(method->isVisible());

    Click(method->Command1);
    QVERIFY(!method->isVisible());
    QCOMPARE(Form7::Existing(), method);
  }
};

QTEST_MAIN(InformationScreensTest)
#include "test_information_screens.moc"
