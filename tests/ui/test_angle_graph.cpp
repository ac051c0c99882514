// The angular graph as it comes out on screen: rendered offscreen on the real
// picture surface and checked pixel by pixel, plus the warning box.
//
// Positions are worked out from the graph's layout: user x -25 … 185 across 589
// pixels, user y 1.05 … -0.15 down 413 pixels; a point lands on the pixel that
// contains it. Pixels are read through their logical position, so the checks hold
// at any device pixel ratio (run with QT_SCALE_FACTOR=2 to see the sharp image).

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QtTest>
#include <cmath>
#include <functional>
#include <memory>

#include "graphs/angle_graph.h"
#include "core/messages.h"
#include "graphs/palette.h"
#include "core/energy_tables.h"
#include "graphs/palette.h"
#include "graphs/user_coordinates.h"
#include "modal_answerer.h"
#include "ui/fonts.h"
#include "ui/message_box.h"
#include "ui/picture_surface.h"

using namespace tervolin::ui;


namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlackInk(0, 0, 0);
const QColor kGridGrey(180, 180, 180);
const QColor kRed(255, 0, 0);
const QColor kDarkGreen(0, 128, 0);

// The frame (0, 0)–(180, 1) lies at 70.1 … 575.0 across and 17.2 … 361.4 down. Its
// 2-pixel pen covers at each edge the two pixels around the nearest pixel border:
// columns 69–70 and 574–575, rows 16–17 and 360–361. The pixels holding the
// corners' exact positions are:
constexpr int kFrameLeft = 70, kFrameRight = 574, kFrameTop = 17, kFrameBottom = 361;
const QRect kFrameBand(QPoint(69, 16), QPoint(575, 361));
// Grid line θ = 90° at pixel 322.55 across, line 0.5 at pixel 189.29 down.
constexpr int kGrid90Column = 322, kGridHalfRow = 189;

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// The pixel of the angular graph that holds user point (x, y).
QPoint GraphPixel(double x, double y) {
  return QPoint(static_cast<int>(std::floor((x + 25.0) * 589.0 / 210.0)),
                static_cast<int>(std::floor((1.05 - y) * 413.0 / 1.2)));
}

// Colour at a logical pixel, read at its centre whatever the image's pixel ratio.
QColor At(const QImage& image, int x, int y) {
  const qreal ratio = image.devicePixelRatio();
  return image.pixelColor(static_cast<int>((x + 0.5) * ratio), static_cast<int>((y + 0.5) * ratio));
}

QColor At(const QImage& image, QPoint p) { return At(image, p.x(), p.y()); }

// Whether a pixel of exactly this colour lies within `radius` pixels of p.
bool ColourNear(const QImage& image, QPoint p, const QColor& colour, int radius = 1) {
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      if (At(image, p.x() + dx, p.y() + dy) == colour) return true;
    }
  }
  return false;
}

// Pixels of `area` (clipped to the image) that pass `test`.
int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
  const QRect inside =
      area.intersected(QRect(QPoint(0, 0), image.deviceIndependentSize().toSize()));
  int count = 0;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) count += test(At(image, x, y)) ? 1 : 0;
  }
  return count;
}

bool IsFrameBlack(QColor c) { return c == kBlackInk; }
bool IsInk(QColor c) { return qGray(c.rgb()) < 128; }
bool IsReddish(QColor c) { return c.red() > c.green() + 60 && c.red() > c.blue() + 60; }
bool IsGreenish(QColor c) { return c.green() > c.red() + 40 && c.green() > c.blue() + 40; }
bool IsNeutral(QColor c) { return c.red() == c.green() && c.green() == c.blue(); }

QRect WholeImage() {
  return QRect(0, 0, tervolin::kAngleGraphPixelWidth, tervolin::kAngleGraphPixelHeight);
}

// Pixels passing `test` outside the frame's outer edge.
int CountOutsideFrame(const QImage& image, const std::function<bool(QColor)>& test) {
  return CountPixels(image, WholeImage(), test) - CountPixels(image, kFrameBand, test);
}

// What the window system shows of a widget's window. (Qt 6.4's offscreen screen
// grabs only a corner of a scaled window; there the widget renders itself instead,
// which leaves its repainting on change unchecked.)
QImage OnScreen(QWidget& widget) {
  if (widget.devicePixelRatioF() != 1.0) return widget.grab().toImage();
  return widget.screen()->grabWindow(widget.winId()).toImage();
}

void Save(const QImage& image, const char* name) {
  QVERIFY(image.save(QStringLiteral(TERVOLIN_TEST_OUTPUT_DIR "/") + QLatin1String(name)));
}

// The two graphs laid out like the screens', the angular one in the calculation
// screen's font.
class Graphs {
 public:
  Graphs()
      : graph(tervolin::kAngleGraphScale,
              QSize(tervolin::kAngleGraphPixelWidth, tervolin::kAngleGraphPixelHeight)),
        spectrum(tervolin::kSpectrumGraphScale,
                 QSize(tervolin::kSpectrumGraphPixelWidth, tervolin::kSpectrumGraphPixelHeight)) {
    graph.SetSurfaceFont(ScreenFont(Utf8("メイリオ"), 14.25));
  }
  PictureSurface graph;
  PictureSurface spectrum;
};

void DrawEmptyGraph(PictureSurface& graph) {
  tervolin::DrawAngleAxes(graph.Drawing(), {}, tervolin::Language::kJapanese);
  tervolin::DrawGraphFrame(graph.Drawing());
}

// The curve as the calculation screen draws a computed one.
void PlotCurve(PictureSurface& graph, int plotColor, const std::function<double(int)>& distribution) {
  tervolin::AngleTable values{};
  for (int i = 0; i <= tervolin::kAngles; ++i) values[i] = distribution(i);
  tervolin::PlotAngleCurve(graph.Drawing(), values, tervolin::PaletteColour(plotColor), tervolin::LineStyle::kSolid, true);
  graph.update();
}

// A curve rising from 0 like the square of the angle; element 0 holds a value that
// must never be drawn.
double RisingSquare(int i) { return i == 0 ? 1.0 : (i / 180.0) * (i / 180.0); }
double FallingSquare(int i) { return i == 0 ? 0.0 : 1.0 - (i / 180.0) * (i / 180.0); }
double RisingCube(int i) { return std::pow(i / 180.0, 3); }

struct PlacedLabel {
  const char* text;
  double x;
  double y;
  int glyphWidth;  // pixels per character at 19 pixels to the em
};

}  // namespace

class AngleGraphTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutions(); }

  void init() { graphs_ = std::make_unique<Graphs>(); }

  void cleanup() { graphs_.reset(); }

  void screenFontsResolveToInstalledFamilies() {
    const QFont meiryo = ScreenFont(Utf8("メイリオ"), 14.25);
    QCOMPARE(meiryo.pixelSize(), 19);
    QCOMPARE(QFontInfo(meiryo).family(), Utf8("Noto Sans CJK JP"));
    QVERIFY(QFontMetrics(meiryo).inFont(QChar(0x6563)));  // 散

    const QFont gothic = ScreenFont(Utf8("ＭＳ Ｐゴシック"), 15.75, true);
    QCOMPARE(gothic.pixelSize(), 21);
    QVERIFY(gothic.bold());
    QCOMPARE(QFontInfo(gothic).family(), Utf8("Noto Sans CJK JP"));

    QCOMPARE(QFontInfo(ScreenFont(Utf8("HG丸ｺﾞｼｯｸM-PRO"), 12)).family(), Utf8("Noto Sans CJK JP"));
    QCOMPARE(QFontInfo(ScreenFont(Utf8("ＭＳ 明朝"), 12)).family(), Utf8("Noto Serif CJK JP"));
    QCOMPARE(QFontInfo(ScreenFont(Utf8("Times New Roman"), 12)).family(), Utf8("Liberation Serif"));
  }

  // Print puts the text's top-left corner at the point, in real glyphs.
  void printHangsTextFromItsPoint() {
    const tervolin::UserScale pixels{0, 0, 200, 100};
    PictureSurface first(pixels, QSize(200, 100));
    PictureSurface second(pixels, QSize(200, 100));
    for (PictureSurface* s : {&first, &second})
      s->SetSurfaceFont(ScreenFont(Utf8("メイリオ"), 14.25));
    first.Drawing().Print(60, 30, "散");
    second.Drawing().Print(60, 30, "乱");
    const QImage image = first.RetainedImage();

    const int ascent = QFontMetrics(first.SurfaceFont()).ascent();
    QCOMPARE(CountPixels(image, QRect(0, 0, 200, 30), IsInk), 0);  // nothing above the point
    QCOMPARE(CountPixels(image, QRect(0, 0, 60, 100), IsInk), 0);  // nothing left of it
    QVERIFY(CountPixels(image, QRect(60, 30, 20, ascent), IsInk) > 40);
    QVERIFY(CountPixels(image, QRect(0, 30 + ascent + 6, 200, 40), IsInk) == 0);
    // Two different characters give different pictures: no "missing glyph" boxes.
    QVERIFY(image != second.RetainedImage());
  }

  // Points and boxes are blocks of whole pixels of the current width.
  void pointsAndBoxesFillWholePixelBlocks() {
    PictureSurface surface(tervolin::UserScale{0, 0, 200, 100}, QSize(200, 100));
    const auto count = [&surface](const QColor& colour) {
      return CountPixels(surface.RetainedImage(), QRect(0, 0, 200, 100),
                         [&colour](QColor c) { return c == colour; });
    };
    surface.Drawing().DrawWidth(1);
    surface.Drawing().PSet(10.3f, 20.7f, tervolin::Rgb{255, 0, 0});
    QCOMPARE(count(kRed), 1);
    QCOMPARE(At(surface.RetainedImage(), 10, 20), kRed);

    surface.Drawing().DrawWidth(2);
    surface.Drawing().PSet(50.6f, 20.4f, tervolin::Rgb{0, 128, 0});
    QCOMPARE(count(kDarkGreen), 4);
    QCOMPARE(At(surface.RetainedImage(), 50, 20), kDarkGreen);
    QCOMPARE(QPointF(surface.Drawing().CurrentX(), surface.Drawing().CurrentY()), QPointF(50.6f, 20.4f));

    // A hollow ring two pixels thick around the corners' nearest pixel borders.
    surface.Drawing().Box(100.2f, 10.2f, 150.2f, 60.2f, tervolin::kBlack);
    QCOMPARE(count(kBlackInk), 52 * 52 - 48 * 48);
    QCOMPARE(At(surface.RetainedImage(), 99, 9), kBlackInk);
    QCOMPARE(At(surface.RetainedImage(), 150, 60), kBlackInk);
    QCOMPARE(At(surface.RetainedImage(), 125, 35), kWhite);
    QCOMPARE(QPointF(surface.Drawing().CurrentX(), surface.Drawing().CurrentY()), QPointF(50.6f, 20.4f));  // a box leaves it
  }

  void emptyGraphHasFrameGridAndLabels() {
    DrawEmptyGraph(graphs_->graph);
    const QImage image = graphs_->graph.RetainedImage();
    Save(image, "angle_graph_empty.png");

    // Frame corners black; a pixel off each edge, inside and outside, is not.
    for (int x : {kFrameLeft, kFrameRight}) {
      for (int y : {kFrameTop, kFrameBottom}) QCOMPARE(At(image, x, y), kBlackInk);
    }
    QCOMPARE(CountPixels(image, QRect(kFrameBand.left(), 250, 2, 1), IsFrameBlack), 2);
    QCOMPARE(At(image, kFrameBand.left() - 1, 250), kWhite);
    QCOMPARE(At(image, kFrameBand.left() + 2, 250), kWhite);
    QCOMPARE(CountPixels(image, QRect(kFrameBand.right() - 1, 250, 2, 1), IsFrameBlack), 2);
    QCOMPARE(At(image, kFrameBand.right() - 2, 250), kWhite);
    QCOMPARE(At(image, kFrameBand.right() + 1, 250), kWhite);
    QCOMPARE(CountPixels(image, QRect(450, kFrameBand.top(), 1, 2), IsFrameBlack), 2);
    QCOMPARE(At(image, 450, kFrameBand.top() - 1), kWhite);
    QCOMPARE(At(image, 450, kFrameBand.top() + 2), kWhite);
    QCOMPARE(CountPixels(image, QRect(450, kFrameBand.bottom() - 1, 1, 2), IsFrameBlack), 2);
    QCOMPARE(At(image, 450, kFrameBand.bottom() - 2), kWhite);
    QCOMPARE(At(image, 450, kFrameBand.bottom() + 1), kWhite);

    // Grid lines one pixel wide, in grey.
    QCOMPARE(At(image, kGrid90Column, 250), kGridGrey);
    QCOMPARE(At(image, kGrid90Column - 1, 250), kWhite);
    QCOMPARE(At(image, kGrid90Column + 1, 250), kWhite);
    QCOMPARE(At(image, 450, kGridHalfRow), kGridGrey);
    QCOMPARE(At(image, 450, kGridHalfRow - 1), kWhite);
    QCOMPARE(At(image, 450, kGridHalfRow + 1), kWhite);
    QCOMPARE(
        CountPixels(image,
                    QRect(QPoint(kFrameBand.left() + 2, 250), QPoint(kFrameBand.right() - 2, 250)),
                    [](QColor c) { return c == kGridGrey; }),
        17);

    // The cell between 130°–140° and 0.7–0.8 is blank; nothing is coloured.
    const QRect cell(QPoint(GraphPixel(130, 0.8).x() + 1, GraphPixel(130, 0.8).y() + 1),
                     QPoint(GraphPixel(140, 0.7).x() - 1, GraphPixel(140, 0.7).y() - 1));
    QCOMPARE(CountPixels(image, cell, [](QColor c) { return c != kWhite; }), 0);
    QCOMPARE(CountPixels(image, WholeImage(), [](QColor c) { return !IsNeutral(c); }), 0);
  }

  void emptyGraphLabelsInkTheirPlaces() {
    DrawEmptyGraph(graphs_->graph);
    const QImage image = graphs_->graph.RetainedImage();
    const PlacedLabel labels[] = {
        {"1.0", -14, 1.03, 11}, {"0.5", -14, 0.53, 11}, {"0.0", -14, 0.05, 11},
        {"散", -20, 0.90, 19},  {"乱", -20, 0.82, 19},  {"確", -20, 0.74, 19},
        {"率", -20, 0.66, 19},  {"0", -1, 0, 11},       {"30", 26, 0, 11},
        {"60", 56, 0, 11},      {"90", 86, 0, 11},      {"120", 115, 0, 11},
        {"150", 145, 0, 11},    {"180", 172, 0, 11},    {"散乱角度", 91, -0.07, 19},
    };
    for (const PlacedLabel& label : labels) {
      const int characters = static_cast<int>(Utf8(label.text).size());
      const QPoint corner = GraphPixel(label.x, label.y);
      // Below the frame's bottom edge, which the x-scale labels hang from.
      const QRect box(corner + QPoint(0, 3), QSize(label.glyphWidth * characters, 26));
      const int ink = CountPixels(image, box, IsInk);
      QVERIFY2(ink >= 8 * characters, label.text);
    }
    // Kanji are dense: the x-axis title carries far more ink than a digit would.
    const QPoint title = GraphPixel(91, -0.07);
    QVERIFY(CountPixels(image, QRect(title, QSize(76, 28)), IsInk) > 200);
    // Right of the frame, down to the x-scale labels, nothing is written.
    QCOMPARE(CountPixels(image, QRect(QPoint(kFrameBand.right() + 1, 0), QPoint(588, 355)), IsInk),
             0);
  }

  void curvesAccumulateInTheirOwnColours() {
    DrawEmptyGraph(graphs_->graph);
    PlotCurve(graphs_->graph, tervolin::kPaletteRed, RisingSquare);
    const QImage firstOnly = graphs_->graph.RetainedImage();
    PlotCurve(graphs_->graph, tervolin::kPaletteDarkGreen, FallingSquare);
    const QImage image = graphs_->graph.RetainedImage();
    Save(image, "angle_graph_curves.png");

    // The red curve passes through its points at 90° and 150°, and the green one,
    // drawn later, has not touched them.
    for (int angle : {90, 150}) {
      QVERIFY(ColourNear(firstOnly, GraphPixel(angle, RisingSquare(angle)), kRed));
      QVERIFY(ColourNear(image, GraphPixel(angle, RisingSquare(angle)), kRed));
      QVERIFY(ColourNear(image, GraphPixel(angle, FallingSquare(angle)), kDarkGreen));
    }
    // Where they cross (θ ≈ 127.3°, 0.5) the later curve lies on top.
    QVERIFY(ColourNear(image, GraphPixel(127.28, 0.5), kDarkGreen));
    QVERIFY(!ColourNear(image, GraphPixel(127.28, 0.5), kRed, 0));

    // Both start at the origin: green's first segment climbs from (0, 0) to
    // (1, ≈1) just right of the frame; red's value at 0° (1.0) is never drawn.
    QVERIFY(ColourNear(image, QPoint(kFrameLeft + 1, kGridHalfRow), kDarkGreen, 0));
    QCOMPARE(CountPixels(firstOnly, QRect(kFrameLeft + 1, 30, 3, 300), IsReddish), 0);

    // Frame on top, curves inside it, and the frame corners still black.
    QCOMPARE(At(image, kFrameLeft, kFrameBottom), kBlackInk);
    QCOMPARE(At(image, kFrameLeft, kFrameTop), kBlackInk);
    QCOMPARE(CountOutsideFrame(image, IsReddish), 0);
    QCOMPARE(CountOutsideFrame(image, IsGreenish), 0);
  }

  void frameCornerStaysBlackUnderCurveEndingThere() {
    DrawEmptyGraph(graphs_->graph);
    PlotCurve(graphs_->graph, tervolin::kPaletteRed, RisingCube);
    const QImage image = graphs_->graph.RetainedImage();
    for (int x : {kFrameBand.right() - 1, kFrameBand.right()}) {
      for (int y : {kFrameBand.top(), kFrameBand.top() + 1}) QCOMPARE(At(image, x, y), kBlackInk);
    }
    QVERIFY(ColourNear(image, GraphPixel(179, RisingCube(179)), kRed));
    QVERIFY(ColourNear(image, GraphPixel(170, RisingCube(170)), kRed));
  }

  void clsLeavesOnlyWhiteAndStartsAtOrigin() {
    DrawEmptyGraph(graphs_->graph);
    PlotCurve(graphs_->graph, tervolin::kPaletteBlue, FallingSquare);
    PictureSurface& graph = graphs_->graph;
    graph.Drawing().Cls();
    QCOMPARE(CountPixels(graph.RetainedImage(), WholeImage(), [](QColor c) { return c != kWhite; }),
             0);
    QCOMPARE(QPointF(graph.Drawing().CurrentX(), graph.Drawing().CurrentY()), QPointF(0, 0));
    QCOMPARE(graph.Drawing().Width(), 2);  // clearing keeps the line width

    graph.Drawing().LineTo(90.0f, 0.5f, tervolin::Rgb{255, 0, 0});
    QVERIFY(ColourNear(graph.RetainedImage(), GraphPixel(45, 0.25), kRed));
    QCOMPARE(QPointF(graph.Drawing().CurrentX(), graph.Drawing().CurrentY()), QPointF(90.0, 0.5));
  }

  // What the window shows: drawing done while hidden, and drawing done later.
  void drawingWhileHiddenShowsWhenShown() {
    PictureSurface& graph = graphs_->graph;
    QVERIFY(!graph.isVisible());
    DrawEmptyGraph(graphs_->graph);
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    QCOMPARE(graph.size(), QSize(593, 417));

    const QPoint inner(2, 2);  // the sunken border
    QImage shown = OnScreen(graph);
    QCOMPARE(At(shown, inner + QPoint(kFrameLeft, kFrameTop)), kBlackInk);
    QCOMPARE(At(shown, inner + QPoint(kGrid90Column, 250)), kGridGrey);
    QVERIFY(At(shown, 0, 0) != kWhite);
    QVERIFY(At(shown, 1, 1) != kWhite);

    PlotCurve(graphs_->graph, tervolin::kPaletteRed, RisingSquare);
    QTRY_VERIFY(ColourNear(OnScreen(graph), inner + GraphPixel(90, RisingSquare(90)), kRed));
    Save(OnScreen(graph), "angle_graph_widget.png");
  }

  void warningBoxHasCaptionIconAndOneOkButton() {
    tervolin::testing::ModalAnswerer answerer;
    QWidget owner;
    const tervolin::Language japanese = tervolin::Language::kJapanese;
    ShowWarningBox(nullptr, QString::fromStdString(tervolin::MessageOf(tervolin::TextId::kNoScatterer, japanese)), japanese);
    ShowWarningBox(&owner, QString::fromStdString(tervolin::MessageOf(tervolin::TextId::kMinTubeVoltage, japanese)), japanese);

    QCOMPARE(answerer.Answered().size(), 2);
    const QString texts[] = {Utf8("　散乱体が未選択　"), Utf8("最小管電圧は 30 kV です")};
    for (int i = 0; i < 2; ++i) {
      const tervolin::testing::AnsweredBox& box = answerer.Answered()[i];
      QCOMPARE(box.title, Utf8("Tervolin"));
      QCOMPARE(box.text, texts[i]);
      QCOMPARE(box.icon, QMessageBox::Warning);
      QCOMPARE(box.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
      QCOMPARE(box.modality, Qt::ApplicationModal);
    }
  }

 private:
  std::unique_ptr<Graphs> graphs_;
};

QTEST_MAIN(AngleGraphTest)
#include "test_angle_graph.moc"
