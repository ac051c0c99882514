// The angular graph's teaching views on the calculation screen: the free-electron
// curves and the view per solid angle drawn anew from the remembered curves (and
// gone again without a trace), the read-out's extra lines, and the polar window
// following the graph.

#include <QAction>
#include <QMenu>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "calculation_fixture.h"
#include "graphs/curve_memory.h"
#include "ui/angle_view_actions.h"
#include "ui/calculation_screen.h"
#include "ui/graph_tools.h"
#include "ui/picture_surface.h"
#include "ui/polar_diagram_widget.h"
#include "ui/polar_diagram_window.h"

using namespace tervolin::ui;
using namespace tervolin::testing;

namespace {

QImage Graph(const Form4& f) { return AtLogicalSize(f.Picture1->RetainedImage()); }

QString CurveTitleAt(const Form4& f, std::size_t i) {
  return QString::fromStdString(tervolin::CurveTitle(f.Picture1->Curves().Curves(), i));
}

// One curve at 60 keV of the material on the screen opened for `scatterType`.
Form4& DrawAt60keV(int scatterType, const char* material) {
  Form4& f = OpenCalculationScreen(scatterType);
  f.Text1->setText(QStringLiteral("60"));
  ClickMaterial(f.List1, material);
  QTest::mouseClick(f.Command1, Qt::LeftButton);
  return f;
}

}  // namespace

class TeachingViewsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { workspace_ = std::make_unique<ScreenWorkspace>(); }
  void cleanup() { workspace_.reset(); }

  void FreeElectronCurvesComeAndGoFromTheRememberedCurves() {
    Form4& f = DrawAt60keV(tervolin::kCoherent, "鉄");
    const QImage plain = Graph(f);
    const int red = CountPixels(plain, IsRed);
    f.Views->FreeElectronAction().trigger();
    QCOMPARE(f.Picture1->Curves().Count(), std::size_t(2));
    QCOMPARE(CurveTitleAt(f, 1), Utf8("干渉性散乱 鉄 60 keV (自由電子)"));
    QVERIFY(CountPixels(Graph(f), IsRed) > red + 200);
    f.Views->FreeElectronAction().trigger();
    QVERIFY(Graph(f) == plain);
    QCOMPARE(f.Picture1->Curves().Count(), std::size_t(1));
  }

  void PerSolidAngleRelabelsTheGraphAndTurnsBack() {
    Form4& f = DrawAt60keV(tervolin::kIncoherent, "水");
    const QImage plain = Graph(f);
    f.Views->PerSolidAngleAction().trigger();
    QVERIFY(Graph(f) != plain);
    QCOMPARE(CurveTitleAt(f, 0), Utf8("非干渉性散乱 水 60 keV 立体角あたり"));
    // A curve computed now comes in the chosen view too.
    ClickOption(f.Option5);
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    QCOMPARE(CurveTitleAt(f, 1), Utf8("非干渉性散乱 水 60 keV 立体角あたり"));
    QVERIFY(CountPixels(Graph(f), IsBlue) > 300);
    f.Views->PerSolidAngleAction().trigger();
    QTest::mouseClick(f.Command4, Qt::LeftButton);
    ClickOption(f.Option3);
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    QVERIFY(Graph(f) == plain);
  }

  void ExportsCarryTheViews() {
    Form4& f = DrawAt60keV(tervolin::kCoherent, "鉄");
    f.Views->FreeElectronAction().trigger();
    f.Views->PerSolidAngleAction().trigger();
    GraphTools& tools = *ToolsOf(*f.Picture1);
    const QString csv = QString::fromUtf8(tools.FileContents(GraphFileType::kCsv));
    const QString header = csv.section(QStringLiteral("\r\n"), 0, 0);
    QVERIFY2(header.endsWith(Utf8("干渉性散乱 鉄 60 keV 立体角あたり,干渉性散乱 鉄 60 keV 立体角あたり (自由電子)")),
             qPrintable(header));
    QVERIFY(QString::fromUtf8(tools.FileContents(GraphFileType::kSvg)).contains(Utf8("立")));
  }

  void ReadOutAddsMomentumTransferAndScatteredEnergy() {
    Form4& f = DrawAt60keV(tervolin::kIncoherent, "水");
    f.Views->FreeElectronAction().trigger();
    const std::optional<QString> text = ToolsOf(*f.Picture1)->ReadOutAt(f.Picture1->rect().center());
    QVERIFY(text.has_value());
    QVERIFY2(text->contains(Utf8("(自由電子): ")), qPrintable(*text));
    QVERIFY2(text->contains(Utf8("60 keV: x = ")) && text->contains(Utf8("E′ = ")), qPrintable(*text));
  }

  void PolarWindowFollowsTheCurvesAndTheChoices() {
    Form4& f = DrawAt60keV(tervolin::kCoherent, "鉄");
    const QList<QAction*> menu = ToolsOf(*f.Picture1)->Menu().actions();
    for (QAction* item : {&f.Views->FreeElectronAction(), &f.Views->PerSolidAngleAction(), &f.Views->PolarAction()}) {
      QVERIFY(menu.contains(item));
    }
    f.Views->PolarAction().trigger();
    PolarDiagramWindow* polar = f.Views->PolarWindow();
    QVERIFY(polar && polar->isVisible() && !polar->isModal());
    QCOMPARE(polar->Diagram().Curves().size(), std::size_t(1));
    f.Views->FreeElectronAction().trigger();
    QCOMPARE(polar->Diagram().Curves().size(), std::size_t(2));
    QVERIFY(polar->Diagram().Curves()[1].dashed);
    ClickMaterial(f.List1, "鉛");
    ClickOption(f.Option5);
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    QCOMPARE(polar->Diagram().Curves().size(), std::size_t(4));
    QTest::mouseClick(f.Command4, Qt::LeftButton);
    QCOMPARE(polar->Diagram().Curves().size(), std::size_t(0));
  }

  // Pictures for a look by eye: iron coherent and water incoherent at 60 keV with
  // the free-electron curves, per solid angle, the legend and the polar window.
  void Screenshots() {
    Form4& f = DrawAt60keV(tervolin::kCoherent, "鉄");
    f.Views->FreeElectronAction().trigger();
    ToolsOf(*f.Picture1)->SetLegendShown(true);
    SaveShot(f, "views_iron_free_electron.png");
    f.Views->PerSolidAngleAction().trigger();
    SaveShot(f, "views_iron_per_solid_angle.png");
    f.Views->PolarAction().trigger();
    f.Views->PolarWindow()->resize(520, 640);
    SaveShot(*f.Views->PolarWindow(), "views_iron_polar.png");
    Form4& w = DrawAt60keV(tervolin::kIncoherent, "水");
    SaveShot(w, "views_water_per_solid_angle.png");
    w.Views->PerSolidAngleAction().trigger();
    SaveShot(w, "views_water_per_angle.png");
    SaveShot(*w.Views->PolarWindow(), "views_water_polar.png");
  }

 private:
  std::unique_ptr<ScreenWorkspace> workspace_;
};

QTEST_MAIN(TeachingViewsTest)
#include "test_teaching_views.moc"
