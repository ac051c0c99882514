// The polar diagram window: the curves land where their values put them, and the
// picture is copied and saved whole or not at all.

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "core/distributions.h"
#include "graphs/polar_diagram.h"
#include "modal_answerer.h"
#include "ui/fonts.h"
#include "graphs/polar_diagram.h"
#include "ui/polar_diagram_window.h"

using namespace tervolin::ui;

namespace {

// The curve is drawn in pure red, which nothing else of the diagram uses.
bool IsCurveInk(QColor c) { return c.red() > 150 && c.green() < 120 && c.blue() < 120; }

// Whether curve ink lies within 2 pixels of the diagram point (r, θ).
bool CurveNear(const QImage& image, const tervolin::PolarFrame& frame, double r, double degrees, bool below) {
  const tervolin::PolarPoint p = tervolin::PolarPointAt(r, degrees, below);
  const QPoint at(static_cast<int>(std::lround(frame.PixelX(p))), static_cast<int>(std::lround(frame.PixelY(p))));
  const qreal ratio = image.devicePixelRatio();
  for (int dy = -2; dy <= 2; ++dy) {
    for (int dx = -2; dx <= 2; ++dx) {
      const QPoint q = at + QPoint(dx, dy);
      if (IsCurveInk(image.pixelColor(QPoint(std::floor((q.x() + 0.5) * ratio), std::floor((q.y() + 0.5) * ratio))))) {
        return true;
      }
    }
  }
  return false;
}

tervolin::PolarCurve ThomsonPerSolidAngle() {
  tervolin::PolarCurve curve;
  // A free electron needs no material table.
  curve.values = tervolin::ComputeDistribution({tervolin::kCoherent, tervolin::kSingleEnergy, 60.0},
                                               {tervolin::View::kFreeElectron, tervolin::View::kPerSolidAngle},
                                               tervolin::MaterialTables{}, tervolin::EnergyTable{});
  curve.colour = {255, 0, 0};
  curve.label = "干渉性散乱 自由電子 60 keV";
  return curve;
}

// The window shows the diagram of Thomson's curve per solid angle alone.
void ShowThomson(PolarDiagramWindow& window) {
  window.Diagram().SetDrawing([](tervolin::DrawingSurface& surface, QSize size, const tervolin::TextMeasures& text) {
    tervolin::DrawPolarDiagram(surface, size.width(), size.height(), "立体角あたりの散乱確率（最大値を 1 とする）",
                               {ThomsonPerSolidAngle()}, text, tervolin::Language::kJapanese);
  });
}

// Where the diagram lies in the widget (logical pixels).
tervolin::PolarFrame FrameOf(const WindowGraph& diagram) {
  const QSize drawn = diagram.DrawnSize();
  const tervolin::PolarFrame frame = tervolin::PolarDiagramFrame(drawn.width(), drawn.height(), 1);
  const qreal zoom = diagram.Zoom();
  return {frame.centreX * zoom, frame.centreY * zoom, frame.radius * zoom};
}

}  // namespace

class PolarDiagramTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutions(); }

  void ThomsonPerSolidAngleTouchesTheUnitCircleAndHalvesAt90Degrees() {
    SaveFolderMemory saves;
    PolarDiagramWindow window(nullptr, bench_, saves);
    window.resize(520, 620);
    ShowThomson(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage image = window.Diagram().Picture();
    const tervolin::PolarFrame frame = FrameOf(window.Diagram());
    QVERIFY(frame.radius > 150);
    for (bool below : {false, true}) {
      QVERIFY(CurveNear(image, frame, 1.0, 1.0, below));    // forward, on the unit circle
      QVERIFY(CurveNear(image, frame, 1.0, 179.0, below));  // backward
      QVERIFY(CurveNear(image, frame, 0.5, 90.0, below));
      QVERIFY(!CurveNear(image, frame, 0.5 + 8.0 / frame.radius, 90.0, below));
      QVERIFY(!CurveNear(image, frame, 0.5 - 8.0 / frame.radius, 90.0, below));
      QVERIFY(!CurveNear(image, frame, 1.0 + 8.0 / frame.radius, 1.0, below));
    }
    image.save(QDir(TERVOLIN_TEST_OUTPUT_DIR).filePath("polar_thomson.png"));
    QVERIFY(window.SavePicture(QDir(TERVOLIN_TEST_OUTPUT_DIR).filePath("polar_thomson.svg")));
  }

  void CopiedAndSavedAsShownOrNotAtAll() {
    SaveFolderMemory saves;
    PolarDiagramWindow window(nullptr, bench_, saves);
    window.resize(400, 480);
    ShowThomson(window);
    const QImage shown = window.Diagram().Picture();
    window.CopyPicture();
    QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), shown);
    QTemporaryDir dir;
    QVERIFY(window.SavePicture(dir.filePath("polar.png")) && window.SavePicture(dir.filePath("polar.svg")));
    QCOMPARE(QImage(dir.filePath("polar.png")).convertToFormat(QImage::Format_RGB32), shown);
    QFile svg(dir.filePath("polar.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QByteArray svgText = svg.readAll();  // the library's picture: the label whole, the screen font's families
    QVERIFY(svgText.contains(QString::fromUtf8(">干渉性散乱 自由電子 60 keV</text>").toUtf8()));
    QVERIFY(svgText.contains("font-family=\"'"));

    tervolin::testing::ModalAnswerer answerer;
    QVERIFY(!window.SavePicture(dir.filePath("missing/polar.png")));
    QCOMPARE(answerer.Answered().size(), 1);
    QVERIFY(answerer.Answered()[0].text.contains("polar.png"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 2);
  }

 private:
  const tervolin::Workbench bench_{TERVOLIN_TABLES_DIR, tervolin::Language::kJapanese};  // the window's model
};

QTEST_MAIN(PolarDiagramTest)
#include "test_polar_diagram.moc"
