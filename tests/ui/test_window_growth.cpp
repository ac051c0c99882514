// The graph windows enlarged to a 1920 × 1050 desktop: each graph takes the room,
// redrawn sharp, clear of the controls, and the read-out and the legend's dragging
// still work in the enlarged graph.

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <memory>

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

// The window enlarged: the graph at least 1.6 times as wide and inside the window,
// the controls clear of it, in their places if `staying`.
void Enlarge(QWidget& window, QWidget& graph, std::vector<QWidget*> controls, bool staying) {
  const QSize size(1920, 1050);
  const int ownWidth = graph.width();
  std::vector<QRect> places;
  for (QWidget* c : controls) places.push_back(c->geometry());
  window.resize(size);
  QTRY_COMPARE(window.size(), size);
  QVERIFY2(graph.width() >= 1.6 * ownWidth, qPrintable(window.windowTitle()));
  QVERIFY(window.rect().contains(graph.geometry()));
  for (std::size_t i = 0; i < controls.size(); ++i) {
    QVERIFY(!controls[i]->geometry().intersects(graph.geometry()) && window.rect().contains(controls[i]->geometry()));
    if (staying) QCOMPARE(controls[i]->geometry(), places[i]);
  }
}

QString ReadOut(PictureSurface& graph, double x, double y) {
  return ToolsOf(graph)->ReadOutAt(graph.WidgetPosition(graph.ToLogicalPixel(x, y))).value_or(QString());
}

}  // namespace

class WindowGrowthTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { workspace_ = std::make_unique<ScreenWorkspace>(); }
  void cleanup() { workspace_.reset(); }

  void everyGraphWindowGivesItsGraphTheRoom() {
    CalculationScreen& f = OpenCalculationScreen(tervolin::kIncoherent);
    f.energyField->setText(QStringLiteral("60"));
    ClickMaterial(f.materialList, "水");
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    const QImage own = f.graph->RetainedImage();
    Enlarge(f, *f.graph, {f.energyFrame, f.materialList, f.colourFrame, f.computeButton, f.returnButton}, true);
    QVERIFY(f.graph->RetainedImage().width() >= f.graph->width() - 4);  // drawn anew, not stretched
    QVERIFY(ReadOut(*f.graph, 60.2, 0.5).startsWith(Utf8("θ = 60°\n")));
    ToolsOf(*f.graph)->SetLegendShown(true);
    const QRectF legend = ToolsOf(*f.graph)->LegendOnScreen();
    const QPoint grab = f.graph->WidgetPosition(legend.center()).toPoint();
    QTest::mousePress(f.graph, Qt::LeftButton, {}, grab);
    QTest::mouseMove(f.graph, grab - QPoint(120, 80));
    QTest::mouseRelease(f.graph, Qt::LeftButton, {}, grab - QPoint(120, 80));
    const QPointF moved = (legend.topLeft() - ToolsOf(*f.graph)->LegendOnScreen().topLeft()) * f.graph->Zoom();
    QVERIFY(qAbs(moved.x() - 120) < 2 && qAbs(moved.y() - 80) < 2);
    ToolsOf(*f.graph)->SetLegendShown(false);

    f.views->ShowPolarWindow();
    PolarDiagramWidget& polar = f.views->PolarWindow()->Diagram();
    const double ownRadius = polar.Frame().radius;
    Enlarge(*f.views->PolarWindow(), polar, {}, true);
    QVERIFY(polar.Frame().radius >= 1.6 * ownRadius);
    ToolsOf(*f.graph)->Menu().actions().last()->trigger();  // 散乱の大きさを比較…
    MagnitudeGraph& magnitudes = f.magnitudes->Window()->Graph();
    Enlarge(*f.magnitudes->Window(), magnitudes, {}, true);
    const tervolin::MagnitudeMapping map = magnitudes.Mapping();
    const QPointF at60(map.At(60, map.axis.low).x, map.frame.top + map.frame.height / 2);
    QCOMPARE(magnitudes.DegreesUnder(at60 * magnitudes.Zoom()), std::optional<int>(60));

    f.resize(f.minimumSize());  // its own size: the picture it was
    QTRY_COMPARE(f.graph->RetainedImage(), own);
    ClickOption(f.spectrumOption);
    QTest::mouseClick(f.spectrumButton, Qt::LeftButton);
    SpectrumScreen& s = Program().Spectrum();
    QTest::mouseClick(s.computeButton, Qt::LeftButton);
    Enlarge(s, *s.graph, {s.computeButton, s.okButton, s.tubeVoltageField, s.qualityList}, false);
    QVERIFY(ReadOut(*s.graph, tervolin::SpectrumGraphX(59.8), 1000).startsWith(QStringLiteral("E = 60 keV\n")));
  }

 private:
  std::unique_ptr<ScreenWorkspace> workspace_;
};

QTEST_MAIN(WindowGrowthTest)
#include "test_window_growth.moc"
