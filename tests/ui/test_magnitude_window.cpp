// The scattering-magnitude window: opened from the angular graph's menu for the
// screen's material and energy, its table equal to tervolin-calc compare's, its
// views and its following the compute button.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "calculation_fixture.h"
#include "modal_answerer.h"
#include "ui/angle_view_actions.h"
#include "ui/calculation_screen.h"
#include "ui/graph_tools.h"
#include "ui/magnitude_action.h"
#include "ui/magnitude_graph.h"
#include "ui/magnitude_window.h"
#include "ui/picture_surface.h"
#include "ui/polar_diagram_window.h"

using namespace tervolin::ui;
using namespace tervolin::testing;

namespace {

// The value rows of a table, header dropped, fields split at commas.
QList<QStringList> Rows(QString text) {
  QList<QStringList> rows;
  const QStringList lines = text.remove(QChar(0xFEFF)).remove('\r').split('\n', Qt::SkipEmptyParts);
  for (qsizetype i = 1; i < lines.size(); ++i) rows.append(lines[i].split(','));
  return rows;
}

QString CalcOutput(const QStringList& arguments) {
  QProcess calc;
  calc.start(QStringLiteral(TERVOLIN_CALC), arguments);
  return calc.waitForFinished(30000) && calc.exitCode() == 0 ? QString::fromUtf8(calc.readAllStandardOutput()) : QString();
}

// The window's table and the command line's, the same numbers to the bit; the window's
// ends with its σ/ρ table (heading, three kinds, ratio).
void CompareWithCalc(const MagnitudeWindow& window, QStringList arguments) {
  const QList<QStringList> shown = Rows(QString::fromUtf8(window.FileContents(GraphFileType::kCsv)));
  const QList<QStringList> printed = Rows(CalcOutput(arguments << QStringLiteral("--data") << QDir::currentPath()));
  QCOMPARE(shown.size(), 185);
  QCOMPARE(printed.size(), 180);
  for (qsizetype i = 0; i < printed.size(); ++i) {
    for (qsizetype k = 0; k < 4; ++k) QCOMPARE(shown[i][k].toDouble(), printed[i][k].toDouble());
  }
}

}  // namespace

class MagnitudeWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { workspace_ = std::make_unique<ScreenWorkspace>(); }
  void cleanup() { workspace_.reset(); }

  void OpensFromTheGraphMenuEqualsTheCommandLineAndFollowsTheScreen() {
    CalculationScreen& f = OpenCalculationScreen(tervolin::kIncoherent);
    f.energyField->setText(QStringLiteral("60"));
    ClickMaterial(f.materialList, "水");
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QAction* item = ToolsOf(*f.graph)->Menu().actions().last();
    QCOMPARE(item->text(), Utf8("散乱の大きさを比較…"));
    item->trigger();
    MagnitudeWindow* window = f.magnitudes->Window();
    QVERIFY(window && window->isVisible());
    // Water at 60 keV: 0.1771 / 0.01392 cm²/g from the table.
    for (const char* shown : {"0.01392 cm²/g", "92.7 %", "非干渉性／干渉性 ＝ 12.7 倍"}) {
      QVERIFY2(window->SummaryText().contains(Utf8(shown)), qPrintable(window->SummaryText()));
      QVERIFY(QString::fromUtf8(window->FileContents(GraphFileType::kCsv)).contains(Utf8(shown)));
    }
    CompareWithCalc(*window, {"compare", "--material", "water", "--energy", "60"});
    SaveShot(*window, "magnitudes_water_60keV.png");
    QVERIFY(window->SaveAs(QDir(TERVOLIN_TEST_OUTPUT_DIR).filePath("magnitudes_water_60keV.svg"), GraphFileType::kSvg));

    const QImage linear = window->Graph().Picture();
    window->LogarithmicAction().trigger();
    QVERIFY(window->Graph().Picture() != linear);
    window->PerSolidAngleAction().trigger();
    QVERIFY(QString::fromUtf8(window->FileContents(GraphFileType::kCsv)).contains(Utf8("合計 (cm²/g/sr)")));
    CompareWithCalc(*window, {"compare", "--material", "water", "--energy", "60", "--per-solid-angle"});
    QVERIFY(window->Graph().ReadOutText(30).contains(Utf8("cm²/g/sr")));

    ClickMaterial(f.materialList, "鉛");
    f.energyField->setText(QStringLiteral("30"));
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QVERIFY2(window->SummaryText().contains(Utf8("94.4 %")), qPrintable(window->SummaryText()));
    QVERIFY(window->Graph().Plot().caption == "鉛 30 keV");
    const auto labels = window->findChildren<QLabel*>();  // the library's note among them
    QVERIFY(std::any_of(labels.begin(), labels.end(), [](QLabel* l) { return l->text().contains(Utf8("別々の表に由来し")); }));
    // An energy outside the tables is refused on the screen, with their range; the
    // window keeps the comparison it showed.
    f.energyField->setText(QStringLiteral("200"));
    ModalAnswerer answerer;
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QCOMPARE(answerer.Answered().size(), 1);
    QCOMPARE(answerer.Answered()[0].text, Utf8("　光子エネルギー 200 keV は物質の表の範囲外です（すべての角度で表を補間できる "
                                               "1.43～150 keV の範囲で入力してください）　"));
    QVERIFY(window->Graph().Plot().caption == "鉛 30 keV");

    // The windows follow the graph: cleared with it, closed when the screen is left.
    f.energyField->setText(QStringLiteral("30"));
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    f.views->ShowPolarWindow();
    QVERIFY(!CurveStyles(f.views->PolarWindow()->Diagram()).empty());
    QTest::mouseClick(f.clearButton, Qt::LeftButton);
    QVERIFY(window->Graph().Plot().curves.empty() && window->Graph().Plot().table.rows.empty());
    QVERIFY(CurveStyles(f.views->PolarWindow()->Diagram()).empty());
    QTest::mouseClick(f.returnButton, Qt::LeftButton);
    QVERIFY(!window->isVisible() && !f.views->PolarWindow()->isVisible());
  }

 private:
  std::unique_ptr<ScreenWorkspace> workspace_;
};

QTEST_MAIN(MagnitudeWindowTest)
#include "test_magnitude_window.moc"
