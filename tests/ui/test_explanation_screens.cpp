// The two explanation screens: their layout, and where each of their buttons and
// their close box leads, with what "次へ進む" leaves on the calculation screen.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <cmath>

#include "graphs/drawing_surface.h"
#include "ui/screen_set.h"
#include "graphs/user_coordinates.h"
#include "modal_answerer.h"
#include "screen_checks.h"
#include "ui/start_screen.h"
#include "ui/explanation_screen.h"
#include "ui/calculation_screen.h"
#include "ui/data_source_screen.h"
#include "ui/spectral_method_screen.h"
#include "ui/picture_surface.h"

using namespace tervolin::ui;

using namespace tervolin::testing;

namespace {

// Which explanation screen a data row is about.
enum Which { kCoherentScreen = 2, kIncoherentScreen = 3 };

ExplanationScreen& Screen(int which) {
  if (which == kCoherentScreen) return Program().Explanation(tervolin::kCoherent);
  return Program().Explanation(tervolin::kIncoherent);
}

ExplanationScreen* ExistingScreen(int which) {
  if (which == kCoherentScreen) return Program().ExistingExplanation(tervolin::kCoherent);
  return Program().ExistingExplanation(tervolin::kIncoherent);
}

// Opens the explanation screen the way the user does, from the start screen.
ExplanationScreen& OpenFromStart(int which) {
  StartScreen& start = Program().Start();
  start.ShowScreen();
  QTest::mouseClick(which == kCoherentScreen ? start.coherentButton : start.incoherentButton, Qt::LeftButton);
  return Screen(which);
}

QColor ImagePixel(const QImage& image, QPoint logical) {
  const qreal ratio = image.devicePixelRatio();
  return image.pixelColor(QPoint(static_cast<int>((logical.x() + 0.5) * ratio),
                                 static_cast<int>((logical.y() + 0.5) * ratio)));
}

bool IsReddish(QColor c) { return c.red() > c.green() + 60 && c.red() > c.blue() + 60; }

// The pixel of the angular graph at user point (x, y).
QPoint GraphPixel(double x, double y) {
  const tervolin::PixelPoint p = tervolin::UserToPixel(tervolin::kAngleGraphScale, tervolin::kAngleGraphPixelWidth,
                                                       tervolin::kAngleGraphPixelHeight, x, y);
  return QPoint(static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y)));
}

bool InkNear(const QImage& image, QPoint p) {
  for (int dx = -1; dx <= 1; ++dx) {
    if (IsInk(ImagePixel(image, p + QPoint(dx, 0)))) return true;
  }
  return false;
}

// The calculation screen as a previous pass may have left it: spectral mode with an
// accepted spectrum, blue curves, an energy typed, a curve on the graph and the second
// material selected.
void LeaveCalculationScreenUsed() {
  CalculationScreen& calculation = Program().Calculation();
  calculation.spectrumOption->setChecked(true);
  calculation.blueOption->setChecked(true);
  calculation.spectrumButton->setEnabled(true);
  calculation.energyField->setText(QStringLiteral("60"));
  calculation.graph->Drawing().Line(0, 0.5, 180, 0.5, tervolin::Rgb{255, 0, 0});
  QVERIFY(calculation.materialList->count() >= 2);
  calculation.materialList->setCurrentRow(1);
  tervolin::Workbench& session = Program().Bench();
  session.ChooseEnergyMode(tervolin::kSpectral);
  tervolin::TubeSettings tube = tervolin::DefaultTubeSettings();
  QVERIFY(session.ComputeSpectrum(tube) && !session.AcceptSpectrum());
  session.ChooseColour(9);
}

}  // namespace

class ExplanationScreensTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallScreenFonts(); }

  void cleanup() {
    answerer_.Clear();
    DiscardAllWindows();
  }

  void layoutOfBothScreens_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QPoint>("headingAt");
    QTest::addColumn<QRect>("formulaBox");
    QTest::addColumn<QRect>("coneBox");
    QTest::addColumn<int>("firstLineTop");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QPoint>("noteAt");
    QTest::addColumn<QRect>("nextButton");
    QTest::addColumn<QRect>("spectralMethodButton");
    QTest::newRow("coherent") << int(kCoherentScreen) << Utf8(" Coherent scattering") << QSize(1118, 491)
                              << Utf8("干渉性散乱（レイリー散乱）") << QPoint(152, 8) << QRect(8, 40, 646, 392)
                              << QRect(704, 40, 395, 185) << 240
                              << Utf8("各物質の形状因子は、付属の tervolin-tables で xraylib から作成できる")
                              << QPoint(40, 456) << QRect(752, 392, 129, 49) << QRect(752, 448, 273, 33);
    QTest::newRow("incoherent") << int(kIncoherentScreen) << Utf8(" Incoherent scattering") << QSize(1117, 617)
                                << Utf8("非干渉性散乱（コンプトン散乱）") << QPoint(128, 8) << QRect(8, 40, 660, 526)
                                << QRect(688, 40, 403, 201) << 280
                                << Utf8("各物質の非干渉性散乱関数は、付属の tervolin-tables で xraylib から作成できる")
                                << QPoint(16, 584) << QRect(752, 480, 129, 49) << QRect(760, 568, 273, 33);
  }

  void layoutOfBothScreens() {
    QFETCH(int, which);
    ExplanationScreen& screen = Screen(which);
    QTEST(screen.windowTitle(), "title");
    QTEST(screen.size(), "client");
    QCOMPARE(screen.minimumSize(), screen.maximumSize());
    QCOMPARE(screen.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(!(screen.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!screen.windowIcon().isNull());
    QTEST(screen.headingLabel->text(), "heading");
    QTEST(screen.headingLabel->pos(), "headingAt");
    QTEST(screen.formulaPicture->geometry(), "formulaBox");
    QTEST(screen.conePicture->geometry(), "coneBox");
    QTEST(screen.dataNoteLabel->text(), "note");
    QTEST(screen.dataNoteLabel->pos(), "noteAt");
    QCOMPARE(screen.dataNoteLabel->font().pixelSize(), 15);
    // The note is shown whole and ends before the data-source button beside it.
    QVERIFY2(screen.dataNoteLabel->width() >= screen.dataNoteLabel->sizeHint().width(),
             qPrintable(QString("%1 < %2").arg(screen.dataNoteLabel->width()).arg(screen.dataNoteLabel->sizeHint().width())));
    QVERIFY2(screen.dataNoteLabel->x() + screen.dataNoteLabel->sizeHint().width() < screen.dataSourceButton->x(),
             qPrintable(QString("note ends at %1, button starts at %2")
                            .arg(screen.dataNoteLabel->x() + screen.dataNoteLabel->sizeHint().width())
                            .arg(screen.dataSourceButton->x())));
    // A picture to look at by eye.
    QVERIFY(screen.grab().save(QStringLiteral(TERVOLIN_TEST_OUTPUT_DIR "/explanation_%1.png").arg(which)));
    QTEST(screen.nextButton->geometry(), "nextButton");
    QTEST(screen.spectralMethodButton->geometry(), "spectralMethodButton");
    QFETCH(int, firstLineTop);
    QCOMPARE(screen.procedureLine1->pos(), QPoint(704, firstLineTop));
    for (QLabel* label : {screen.headingLabel, screen.procedureLine1, screen.procedureLine2, screen.procedureLine3, screen.procedureLine4, screen.procedureLine5}) {
      QCOMPARE(label->font().pixelSize(), 19);
      QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
      QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    }
  }

  void procedureTextIsTheSameOnBoth() {
    for (int which : {kCoherentScreen, kIncoherentScreen}) {
      ExplanationScreen& screen = Screen(which);
      QCOMPARE(screen.procedureLine1->text(), Utf8("左に示した式を用いて"));
      QCOMPARE(screen.procedureLine2->text(), Utf8("散乱角度 1 度～180 度まで、1 度間隔で"));
      QCOMPARE(screen.procedureLine3->text(), Utf8("微分断面積を計算する"));
      QCOMPARE(screen.procedureLine4->text(), Utf8("各散乱角の微分断面積を、最大値で正規化し"));
      QCOMPARE(screen.procedureLine5->text(), Utf8("散乱角度の確率密度分布をグラフ表示する"));
    }
  }

  void buttonsTheirFacesAndTabOrder_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("coherent") << int(kCoherentScreen);
    QTest::newRow("incoherent") << int(kIncoherentScreen);
  }

  void buttonsTheirFacesAndTabOrder() {
    QFETCH(int, which);
    ExplanationScreen& screen = OpenFromStart(which);
    QPushButton* const order[] = {screen.nextButton, screen.cancelButton, screen.dataSourceButton, screen.spectralMethodButton};
    const char* const texts[] = {"次へ進む", "キャンセル", "データ出典", "スペクトルＸ線に対する計算方法"};
    const QColor yellow(255, 255, 192), cyan(192, 255, 255);
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(order[i]->text(), Utf8(texts[i]));
      QCOMPARE(FaceColour(order[i]), i == 2 ? cyan : yellow);
      QVERIFY(!order[i]->isDefault() && !order[i]->autoDefault());
    }
    QCOMPARE(screen.dataSourceButton->font().pixelSize(), 16);
    QCOMPARE(screen.spectralMethodButton->font().pixelSize(), 15);
    screen.nextButton->setFocus();
    for (int i = 1; i <= 4; ++i) {
      QTest::keyClick(screen.focusWidget(), Qt::Key_Tab);
      QCOMPARE(screen.focusWidget(), order[i % 4]);
    }
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) QTest::keyClick(screen.nextButton, key);
    QVERIFY(screen.isVisible());
    QCOMPARE(Program().ExistingCalculation(), nullptr);
  }

  void nextPreparesTheCalculationScreen_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("scatterType");
    QTest::newRow("coherent") << int(kCoherentScreen) << Utf8("干渉性散乱") << 1;
    QTest::newRow("incoherent") << int(kIncoherentScreen) << Utf8("非干渉性散乱") << 2;
  }

  void nextPreparesTheCalculationScreen() {
    QFETCH(int, which);
    LeaveCalculationScreenUsed();
    ExplanationScreen& screen = OpenFromStart(which);
    Click(screen.dataSourceButton);
    Click(screen.spectralMethodButton);
    Click(screen.nextButton);

    CalculationScreen* calculation = Program().ExistingCalculation();
    QVERIFY(IsShown(calculation));
    QTEST(calculation->scatterHeadingLabel->text(), "heading");
    QVERIFY(calculation->singleEnergyOption->isChecked() && !calculation->spectrumOption->isChecked());
    QVERIFY(calculation->redOption->isChecked() && !calculation->blueOption->isChecked());
    QVERIFY(!calculation->spectrumButton->isEnabled());
    QCOMPARE(calculation->energyField->text(), QString());
    QCOMPARE(calculation->materialList->currentRow(), 1);
    QFETCH(int, scatterType);
    QVERIFY(Program().Bench().Scattering() == static_cast<tervolin::ScatterKind>(scatterType));
    QCOMPARE(Program().Bench().EnergyMode(), tervolin::kSingleEnergy);
    QVERIFY(!Program().Bench().AcceptedSpectrum());
    QCOMPARE(Program().Bench().Colour(), 12);

    const QImage graph = calculation->graph->RetainedImage();
    QCOMPARE(CountPixels(graph, graph.rect(), IsReddish), 0);
    QVERIFY(InkNear(graph, GraphPixel(0, 0.5)));    // frame, left
    QVERIFY(InkNear(graph, GraphPixel(180, 0.5)));  // frame, right

    QVERIFY(!screen.isVisible());
    QVERIFY(!Program().Start().isVisible());
    QVERIFY(!IsShown(Program().ExistingDataSource()));
    QVERIFY(IsShown(Program().ExistingSpectralMethod()));
    QVERIFY(answerer_.Answered().isEmpty());
  }

  void nextAfterCurvesWereDrawnLeavesOnlyTheEmptyGraph() {
    ExplanationScreen& screen = OpenFromStart(kCoherentScreen);
    Click(screen.nextButton);
    const QImage empty = Program().ExistingCalculation()->graph->RetainedImage();
    QVERIFY(CountPixels(empty, empty.rect(), IsInk) > 0);
    Program().ExistingCalculation()->graph->Drawing().Line(10, 0.2, 170, 0.9, tervolin::Rgb{0, 0, 255});
    Program().ExistingCalculation()->hide();
    Click(OpenFromStart(kCoherentScreen).nextButton);
    QCOMPARE(Program().ExistingCalculation()->graph->RetainedImage(), empty);
  }

  void cancelGoesBackToTheStartScreen_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("coherent") << int(kCoherentScreen);
    QTest::newRow("incoherent") << int(kIncoherentScreen);
  }

  void cancelGoesBackToTheStartScreen() {
    QFETCH(int, which);
    Program().Bench().ChooseScattering(tervolin::kCoherent);
    Program().Bench().ChooseColour(2);
    ExplanationScreen& screen = OpenFromStart(which);
    Click(screen.dataSourceButton);
    Click(screen.spectralMethodButton);
    Click(screen.cancelButton);
    QVERIFY(Program().Start().isVisible());
    QVERIFY(!screen.isVisible());
    QCOMPARE(ExistingScreen(which), &screen);  // hidden, not gone
    QVERIFY(!IsShown(Program().ExistingDataSource()));
    QVERIFY(IsShown(Program().ExistingSpectralMethod()));
    QCOMPARE(Program().ExistingCalculation(), nullptr);
    QVERIFY(Program().Bench().Scattering() == tervolin::kCoherent);
    QCOMPARE(Program().Bench().Colour(), 2);
  }

  void closeBoxGoesBackAndTheNextVisitBuildsTheScreenAnew_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("coherent") << int(kCoherentScreen);
    QTest::newRow("incoherent") << int(kIncoherentScreen);
  }

  void closeBoxGoesBackAndTheNextVisitBuildsTheScreenAnew() {
    QFETCH(int, which);
    QPointer<ExplanationScreen> first = &OpenFromStart(which);
    const QString heading = first->headingLabel->text();
    Click(first->dataSourceButton);
    Click(first->spectralMethodButton);
    CloseBox(first);
    QVERIFY(first.isNull());
    QCOMPARE(ExistingScreen(which), nullptr);
    QVERIFY(Program().Start().isVisible());
    QVERIFY(!IsShown(Program().ExistingDataSource()));
    QVERIFY(IsShown(Program().ExistingSpectralMethod()));

    ExplanationScreen& second = OpenFromStart(which);
    QVERIFY(second.isVisible());
    QCOMPARE(second.headingLabel->text(), heading);
    QVERIFY(!Program().Start().isVisible());
  }

  void dataSourceTwiceLeavesOneScreen() {
    ExplanationScreen& screen = OpenFromStart(kIncoherentScreen);
    Click(screen.dataSourceButton);
    DataSourceScreen* source = Program().ExistingDataSource();
    Click(screen.dataSourceButton);
    QCOMPARE(Program().ExistingDataSource(), source);
    QCOMPARE(CountWindows<DataSourceScreen>(), 1);
    QVERIFY(source->isVisible());
    Click(screen.spectralMethodButton);
    Click(screen.spectralMethodButton);
    QCOMPARE(CountWindows<SpectralMethodScreen>(), 1);
    QVERIFY(Program().ExistingSpectralMethod()->isVisible());
  }

 private:
  ModalAnswerer answerer_;
};

QTEST_MAIN(ExplanationScreensTest)
#include "test_explanation_screens.moc"
