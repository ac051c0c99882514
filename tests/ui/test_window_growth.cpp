// The graph windows enlarged to a 1920 × 1050 desktop: each graph takes the room,
// redrawn sharp at its new size, the controls beside it keep their places (or their
// distance from the edge they face), and the read-out still names what lies under
// the pointer.

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "calculation_fixture.h"
#include "graphs/spectrum_graph.h"
#include "ui/angle_view_actions.h"
#include "ui/graph_tools.h"
#include "ui/magnitude_action.h"
#include "ui/magnitude_graph.h"
#include "ui/magnitude_window.h"
#include "ui/picture_surface.h"
#include "ui/polar_diagram_widget.h"
#include "ui/polar_diagram_window.h"
#include "ui/screen_set.h"
#include "ui/spectrum_screen.h"

using namespace tervolin::ui;
using namespace tervolin::testing;

namespace {

const QSize kDesktop(1920, 1050);  // a 1920 × 1080 screen less a title bar

void Enlarge(QWidget& window, QSize size) {
  window.resize(size);
  QTRY_COMPARE(window.size(), size);
}

// One window of the table: its graph, the controls that keep their place, those that
// move out of the graph's way together (a panel beside it, a list under it), and
// what is wrong with the read-out at a known point (empty when right).
struct Grown {
  QWidget* window;
  QWidget* graph;
  std::vector<QWidget*> staying;
  std::vector<QWidget*> together;
  std::function<QString()> readOutProblem;
};

QString Expect(bool ok, const QString& shown) { return ok ? QString() : shown; }

Grown CalculationGrown(CalculationScreen& f) {
  return {&f, f.graph,
          {f.energyFrame, f.materialList, f.colourFrame, f.computeButton, f.clearButton, f.returnButton}, {},
          [&f] {
            const QPointF at60 = f.graph->WidgetPosition(f.graph->ToLogicalPixel(60.2, 0.5));
            const QString text = ToolsOf(*f.graph)->ReadOutAt(at60).value_or(QString());
            return Expect(text.startsWith(Utf8("θ = 60°\n")) && text.count('\n') >= 2, text);
          }};
}

Grown PolarGrown(PolarDiagramWindow& w) {
  const double ownRadius = w.Diagram().Frame().radius;
  return {&w, &w.Diagram(), {}, {}, [&w, ownRadius] {
            const double radius = w.Diagram().Frame().radius;
            return Expect(radius >= 1.6 * ownRadius, QString::number(radius / ownRadius));
          }};
}

Grown MagnitudeGrown(MagnitudeWindow& w) {
  return {&w, &w.Graph(), {}, {}, [&w] {
            const MagnitudeGraph& g = w.Graph();
            const tervolin::MagnitudeMapping map = g.Mapping();
            const QPointF at60(map.At(60, map.axis.low).x, map.frame.top + map.frame.height / 2);
            const std::optional<int> degrees = g.DegreesUnder(at60 * g.Zoom());
            return Expect(degrees == 60, QString::number(degrees.value_or(-1)));
          }};
}

Grown SpectrumGrown(SpectrumScreen& f) {
  return {&f, f.graph, {}, {f.computeButton, f.okButton, f.tubeVoltageField, f.qualityList}, [&f] {
            const double x = tervolin::SpectrumGraphX(59.8);
            const QPointF at60 = f.graph->WidgetPosition(f.graph->ToLogicalPixel(x, 1000));
            const QString text = ToolsOf(*f.graph)->ReadOutAt(at60).value_or(QString());
            return Expect(text.startsWith(QStringLiteral("E = 60 keV\n")), text);
          }};
}

void CheckGrowth(const Grown& g) {
  const QSize ownGraph = g.graph->size();
  std::vector<QRect> places;
  for (QWidget* w : g.staying) places.push_back(w->geometry());
  std::vector<QRect> before;
  for (QWidget* w : g.together) before.push_back(w->geometry());
  Enlarge(*g.window, kDesktop);
  QVERIFY2(g.graph->width() >= 1.6 * ownGraph.width(), qPrintable(g.window->objectName()));
  QVERIFY(g.graph->geometry().right() < kDesktop.width() && g.graph->geometry().bottom() < kDesktop.height());
  for (std::size_t i = 0; i < places.size(); ++i) QCOMPARE(g.staying[i]->geometry(), places[i]);
  for (std::size_t i = 0; i < before.size(); ++i) {
    const QRect now = g.together[i]->geometry();
    QCOMPARE(now.size(), before[i].size());
    QVERIFY(QRect(QPoint(0, 0), kDesktop).contains(now) && !now.intersects(g.graph->geometry()));
    const bool under = before[i].top() > g.graph->y() + ownGraph.height();
    if (!under) QCOMPARE(now.topLeft() - g.together[0]->pos(), before[i].topLeft() - before[0].topLeft());
  }
  const QString problem = g.readOutProblem();
  QVERIFY2(problem.isEmpty(), qPrintable(problem));
  SaveShot(*g.window, qPrintable(g.window->objectName() + QStringLiteral("_enlarged.png")));
}

}  // namespace

class WindowGrowthTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    workspace_ = std::make_unique<ScreenWorkspace>();
    QVERIFY(workspace_->AttenuationRead());
  }
  void cleanup() { workspace_.reset(); }

  // At its own size the calculation screen's graph is the image it was; enlarged,
  // it is redrawn with as many pixels as it shows, and a curve computed then, the
  // legend dragged and the read-out work in the enlarged graph's pixels.
  void calculationGraphRedrawsSharpAndComesBackTheSame() {
    CalculationScreen& f = OpenCalculationScreen(tervolin::kIncoherent);
    f.energyField->setText(QStringLiteral("60"));
    ClickMaterial(f.materialList, "水");
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    const QImage own = f.graph->RetainedImage();
    const QSize ownSize = f.size();
    Enlarge(f, kDesktop);
    QVERIFY(f.graph->RetainedImage().width() >= f.graph->width() - 4);
    f.energyField->setText(QStringLiteral("100"));
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    ToolsOf(*f.graph)->SetLegendShown(true);
    const QRectF legend = ToolsOf(*f.graph)->LegendOnScreen();
    const QPoint grab = f.graph->WidgetPosition(legend.center()).toPoint();
    QTest::mousePress(f.graph, Qt::LeftButton, {}, grab);
    QTest::mouseMove(f.graph, grab - QPoint(120, 80));
    QTest::mouseRelease(f.graph, Qt::LeftButton, {}, grab - QPoint(120, 80));
    const QPointF moved = legend.topLeft() - ToolsOf(*f.graph)->LegendOnScreen().topLeft();
    QVERIFY2(qAbs(moved.x() * f.graph->Zoom() - 120) < 2 && qAbs(moved.y() * f.graph->Zoom() - 80) < 2,
             qPrintable(QStringLiteral("%1, %2").arg(moved.x()).arg(moved.y())));
    ToolsOf(*f.graph)->SetLegendShown(false);
    QTest::mouseClick(f.clearButton, Qt::LeftButton);
    f.energyField->setText(QStringLiteral("60"));
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    Enlarge(f, ownSize);
    QCOMPARE(f.graph->RetainedImage(), own);
  }

  // The calculation screen, its polar and magnitude windows, and the spectrum
  // screen, each enlarged to the desktop with a curve drawn.
  void everyGraphWindowGivesItsGraphTheRoom() {
    CalculationScreen& f = OpenCalculationScreen(tervolin::kIncoherent);
    f.setObjectName("calculation");
    f.energyField->setText(QStringLiteral("60"));
    ClickMaterial(f.materialList, "水");
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    f.views->ShowPolarWindow();
    ToolsOf(*f.graph)->Menu().actions().last()->trigger();
    PolarDiagramWindow& polar = *f.views->PolarWindow();
    MagnitudeWindow& magnitudes = *f.magnitudes->Window();
    polar.setObjectName("polar");
    magnitudes.setObjectName("magnitudes");
    for (const Grown& g : {CalculationGrown(f), PolarGrown(polar), MagnitudeGrown(magnitudes)}) CheckGrowth(g);

    ClickOption(f.spectrumOption);
    QTest::mouseClick(f.spectrumButton, Qt::LeftButton);
    SpectrumScreen& spectrum = Program().Spectrum();
    spectrum.setObjectName("spectrum");
    QTest::mouseClick(spectrum.computeButton, Qt::LeftButton);
    CheckGrowth(SpectrumGrown(spectrum));
  }

 private:
  std::unique_ptr<ScreenWorkspace> workspace_;
};

QTEST_MAIN(WindowGrowthTest)
#include "test_window_growth.moc"
