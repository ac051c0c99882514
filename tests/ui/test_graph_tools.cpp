// The graph tools on real picture surfaces showing a model's graphs: copy and PNG
// equal the retained image, CSV reads back to the curves, SVG holds polylines and
// text, PDF is one page, the legend is an overlay only and covers no curve, a failed
// save says why and leaves nothing, and the menu, save dialog and read-out are
// reachable by keyboard and mouse.

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolTip>
#include <QXmlStreamReader>
#include <QtTest>
#include <cerrno>
#include <cmath>
#include <utility>
#include <functional>

#include "graphs/graph_layout.h"
#include "graphs/palette.h"
#include "core/energy_tables.h"
#include "ui/qt_text.h"
#include "graphs/spectrum_graph.h"
#include "modal_answerer.h"
#include "data/file_replacement.h"
#include "support/scratch_directory.h"
#include "support/target_kinds.h"
#include "ui/fonts.h"
#include "ui/graph_legend_box.h"
#include "ui/graph_tools.h"
#include "ui/message_box.h"
#include "ui/picture_surface.h"
#include "ui/save_dialog.h"

using namespace tervolin::ui;

namespace {

// The two graphs of a model, each on a window of its own, with their tools: iron,
// lead and water coherent at 100 keV in red, dark green and blue, and the spectra of
// 60, 90 and 120 kV.
class Graphs {
 public:
  Graphs()
      : angle(new PictureSurface(tervolin::kAngleGraphScale,
                                 QSize(tervolin::kAngleGraphPixelWidth, tervolin::kAngleGraphPixelHeight), &window)),
        spectrum(new PictureSurface(tervolin::kSpectrumGraphScale,
                                    QSize(tervolin::kSpectrumGraphPixelWidth, tervolin::kSpectrumGraphPixelHeight),
                                    &spectrumWindow)) {
    angle->SetSurfaceFont(ScreenFont(Utf8("メイリオ"), 14.25));
    spectrum->SetSurfaceFont(ScreenFont(Utf8("メイリオ"), 12));
    angle->setFocusPolicy(Qt::TabFocus);
    window.resize(700, 500);
    spectrumWindow.resize(700, 500);
    QVERIFY(!bench.ReadTables());
    bench.StartCalculation(tervolin::kCoherent);
    for (const auto& [material, colour] : {std::pair{"鉄", tervolin::kPaletteRed}, {"鉛", tervolin::kPaletteDarkGreen},
                                           {"水", tervolin::kPaletteBlue}}) {
      Compute(material, "100", colour);
    }
    for (const char* kv : {"60", "90", "120"}) {
      tervolin::TubeSettings tube{kv, "12", "2.5", "0", "0"};
      QVERIFY(bench.ComputeSpectrum(tube));
    }
    angleTools = new GraphTools(*angle, bench, tervolin::GraphKind::kAngle, saves);
    spectrumTools = new GraphTools(*spectrum, bench, tervolin::GraphKind::kSpectrum, saves);
  }
  void Compute(const char* material, const char* energy, int colour) {
    bench.ChooseColour(colour);
    QVERIFY(bench.ComputeCurve({material, energy}));
  }
  tervolin::Workbench bench{TERVOLIN_TABLES_DIR, tervolin::Language::kJapanese};
  QWidget window;  // each graph on a screen of its own, as in the program
  QWidget spectrumWindow;
  PictureSurface* angle;
  PictureSurface* spectrum;
  SaveFolderMemory saves;
  GraphTools* angleTools;  // owned by the surfaces
  GraphTools* spectrumTools;
};

ssize_t NoSpace(int, const void*, std::size_t) { return errno = ENOSPC, -1; }
int FailedFlush(int) { return errno = EIO, -1; }

QImage Rgb32(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// The polylines of an SVG file, each as its number of points, and its texts.
void ReadSvg(const QByteArray& svg, QList<int>& polylinePoints, QStringList& texts) {
  QXmlStreamReader xml(svg);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("polyline")) {  // straight lines too: count the longer ones
      const qsizetype points = xml.attributes().value("points").toString().split(' ', Qt::SkipEmptyParts).size();
      if (points > 2) polylinePoints.append(static_cast<int>(points));
    } else if (xml.name() == QLatin1String("text")) {
      texts.append(xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
    }
  }
  QVERIFY(!xml.hasError());
}

struct SlideCase {
  GraphFileType type;
  int pngScale;
  QSize size;  // pixels, or the PDF page's points
};

}  // namespace

class GraphToolsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { graphs_ = std::make_unique<Graphs>(); }
  void cleanup() { graphs_.reset(); }

  void pngFileAndClipboardHoldTheRetainedImage() {
    const tervolin::testing::ScratchWorkingDirectory scratch;
    const QImage retained = Rgb32(graphs_->angle->RetainedImage());
    QVERIFY(graphs_->angleTools->SaveGraphAs("graph.png", GraphFileType::kPng));
    QCOMPARE(Rgb32(QImage("graph.png")), retained);
    graphs_->angleTools->CopyAction().trigger();
    QCOMPARE(Rgb32(QGuiApplication::clipboard()->image()), retained);
  }

  void csvReadsBackToTheCurvesDoublesAndLabels() {
    const tervolin::testing::ScratchWorkingDirectory scratch;
    QVERIFY(graphs_->spectrumTools->SaveGraphAs("spectra.csv", GraphFileType::kCsv));
    QFile file("spectra.csv");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList rows = QString::fromUtf8(bytes.mid(3)).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 301);
    QCOMPARE(rows[0], Utf8("エネルギー (keV),60 kV・12°・固有 2.5 mmAl,90 kV・12°・固有 2.5 mmAl,120 kV・12°・固有 2.5 mmAl"));
    const auto curves = graphs_->bench.ShownCurves(tervolin::GraphKind::kSpectrum);
    for (int n = 1; n <= tervolin::kEnergyBins; ++n) {
      const QStringList cells = rows[n].split(',');
      QCOMPARE(cells[0].toDouble(), 0.5 * n);
      for (int c = 0; c < 3; ++c) QCOMPARE(cells[c + 1].toDouble(), curves[c].values[n - 1]);  // exact
    }
  }

  // The angular curves start at (0, 0) and go through θ = 1…180: 181 points. The
  // spectrum staircase starts at the corner and takes two points per bin 2…300: 599.
  void svgHoldsCurvesAsPolylinesAndLabelsAsText() {
    QList<int> points;
    QStringList texts;
    ReadSvg(graphs_->angleTools->FileContents(GraphFileType::kSvg), points, texts);
    QCOMPARE(points, QList<int>({181, 181, 181}));
    for (const char* label : {"1.0", "相", "150", "散乱角度"}) QVERIFY2(texts.contains(Utf8(label)), label);
    points.clear();
    texts.clear();
    ReadSvg(graphs_->spectrumTools->FileContents(GraphFileType::kSvg), points, texts);
    QCOMPARE(points, QList<int>({599, 599, 599}));
    QVERIFY(texts.contains("Photon energy (E) in keV"));
  }

  void pdfIsOnePage() {
    const QByteArray pdf = graphs_->angleTools->FileContents(GraphFileType::kPdf);
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);
    QVERIFY(pdf.contains("/Count 1"));
  }

  void legendIsAnOverlayThatLeavesTheGraphAsItWas() {
    for (PictureSurface* surface : {graphs_->angle, graphs_->spectrum}) {
      GraphTools& tools = *ToolsOf(*surface);
      const QImage retained = surface->RetainedImage();
      const QImage shownBefore = surface->grab().toImage();
      QCOMPARE(surface->ShownImage(), retained);
      tools.LegendAction().trigger();
      QVERIFY(tools.LegendShown());
      QVERIFY(surface->ShownImage() != retained);
      QVERIFY(surface->grab().toImage() != shownBefore);
      QCOMPARE(surface->RetainedImage(), retained);
      tools.LegendAction().trigger();
      QCOMPARE(surface->ShownImage(), retained);
      QCOMPARE(surface->grab().toImage(), shownBefore);
    }
  }

  // On screen the legend takes a corner where it covers no curve: iron, lead and water
  // fall off forward of 60°, leaving the upper right. Dragged, it stays where it was
  // put until the menu puts it back.
  void legendTakesAQuietCornerAndMovesWhereItIsPut() {
    GraphTools& tools = *graphs_->angleTools;
    tools.SetLegendShown(true);
    for (const PictureSurface* graph : {graphs_->angle, graphs_->spectrum}) {
      QVERIFY(LegendFont(graph->SurfaceFont()).pixelSize() >= 0.8 * graph->SurfaceFont().pixelSize());
    }
    const QRectF frame = QRectF(graphs_->angle->ToLogicalPixel(0, 1), graphs_->angle->ToLogicalPixel(180, 0));
    const QRectF upper = tools.LegendOnScreen();
    QVERIFY(upper.right() > frame.right() - 10 && upper.top() < frame.top() + 10);
    for (const tervolin::CurveRecord& curve : graphs_->bench.ShownCurves(tervolin::GraphKind::kAngle)) {
      for (std::size_t i = 0; i < curve.values.size(); ++i) {
        QVERIFY(!upper.contains(graphs_->angle->ToLogicalPixel(double(i + 1), curve.values[i])));
      }
    }
    const QPoint grab = (upper.center() + QPointF(2, 2)).toPoint();  // 2-pixel border
    QTest::mousePress(graphs_->angle, Qt::LeftButton, {}, grab);
    QTest::mouseMove(graphs_->angle, grab - QPoint(200, -150));
    QTest::mouseRelease(graphs_->angle, Qt::LeftButton, {}, grab - QPoint(200, -150));
    QCOMPARE(tools.LegendOnScreen().topLeft(), upper.topLeft() - QPointF(200, -150));
    QTest::keyClick(graphs_->angle, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(tools.LegendOnScreen().topLeft(), upper.topLeft() - QPointF(200, -140));
    tools.ResetLegendAction().trigger();
    QCOMPARE(tools.LegendOnScreen(), upper);
  }

  // Incoherent curves of water at 10 and 150 keV beside the coherent ones leave no
  // place for the legend inside the frame: the plot is drawn smaller (not below
  // kSmallestPlotMakingRoom), the legend beside or below its frame inside the graph's
  // area; the read-out follows the smaller plot; dragged, the legend stands over the
  // full-size plot.
  void legendMakesRoomWhereNoPlaceInsideTheFrameIsClear() {
    PictureSurface& graph = *graphs_->angle;
    GraphTools& tools = *graphs_->angleTools;
    graphs_->bench.ChooseScattering(tervolin::kIncoherent);
    for (const char* energy : {"10", "150"}) graphs_->Compute("水", energy, tervolin::kPaletteRed);
    tools.SetLegendShown(true);
    const auto room = tools.RoomOnScreen();
    QVERIFY(room && room->graphScale >= tervolin::kSmallestPlotMakingRoom && room->graphScale < 1);
    const QRectF frame(graph.ToLogicalPixel(0, 1), graph.ToLogicalPixel(180, 0));
    const QPointF at(room->graphAt.x, room->graphAt.y);
    const QRectF shownFrame(at + frame.topLeft() * room->graphScale, frame.size() * room->graphScale);
    QVERIFY(QRectF(QPointF(0, 0), QSizeF(graph.InnerSize())).contains(tools.LegendOnScreen()));
    QVERIFY(!tools.LegendOnScreen().intersects(shownFrame));
    const QPointF at90 = shownFrame.topLeft() + QPointF(shownFrame.width() / 2, 10) + QPointF(2, 2);
    QVERIFY2(tools.ReadOutAt(at90)->startsWith(Utf8("θ = 90°")), qPrintable(*tools.ReadOutAt(at90)));
    QVERIFY(graph.ShownImage().save(QStringLiteral(TERVOLIN_TEST_OUTPUT_DIR "/legend_making_room.png")));
    tools.MoveLegend(frame.topLeft());
    QVERIFY(!tools.RoomOnScreen());
    QCOMPARE(tools.LegendOnScreen().topLeft(), frame.topLeft());
  }

  // The beam's figures box stands in the legend's first corner, upper right: the
  // legend of three rows goes elsewhere and covers none of the box; where the curves
  // leave no place, beside or below the plot, drawn smaller with the box.
  void legendKeepsClearOfTheFiguresBox() {
    PictureSurface& graph = *graphs_->spectrum;
    GraphTools& tools = *graphs_->spectrumTools;
    tools.SetLegendShown(true);
    const tervolin::DrawingOperation fill = graph.Operations().at(0).kind == tervolin::DrawingKind::kCls
                                                ? *std::find_if(graph.Operations().begin(), graph.Operations().end(),
                                                                [](const auto& op) { return op.kind == tervolin::DrawingKind::kFillBox; })
                                                : tervolin::DrawingOperation{};
    const QRectF box = QRectF(graph.ToLogicalPixel(fill.x1, fill.y1), graph.ToLogicalPixel(fill.x2, fill.y2)).normalized();
    QVERIFY(box.width() * box.height() > 1000);
    QRectF shownBox = box;
    if (const auto room = tools.RoomOnScreen()) {
      shownBox = QRectF(QPointF(room->graphAt.x, room->graphAt.y) + box.topLeft() * room->graphScale,
                        box.size() * room->graphScale);
    }
    QVERIFY(!shownBox.intersects(tools.LegendOnScreen()));
  }

  // Copies and files: the legend beside the frame on a wider picture, the frame and
  // its curves as they were; a PNG at 2× has twice the pixels each way; the SVG's
  // labels and rows are whole text elements under a font list.
  void exportsSetTheLegendBesideTheFrame() {
    GraphTools& tools = *graphs_->angleTools;
    const QImage retained = Rgb32(graphs_->angle->RetainedImage());
    tools.SetLegendShown(true);
    const QImage once = Rgb32(QImage::fromData(tools.FileContents(GraphFileType::kPng, 1)));
    QVERIFY(once.width() > retained.width() + 100);
    const QRect frame = QRectF(graphs_->angle->ToLogicalPixel(0, 1), graphs_->angle->ToLogicalPixel(180, 0))
                            .toAlignedRect()
                            .adjusted(-1, -1, 1, 1);
    QCOMPARE(once.copy(frame), retained.copy(frame));
    QCOMPARE(QImage::fromData(tools.FileContents(GraphFileType::kPng, 2)).size(), once.size() * 2);
    QCOMPARE(Rgb32(QGuiApplication::clipboard()->image()).size(), retained.size());
    tools.CopyGraph();
    QCOMPARE(Rgb32(QGuiApplication::clipboard()->image()), once);
    QList<int> points;
    QStringList texts;
    const QByteArray svg = tools.FileContents(GraphFileType::kSvg);
    ReadSvg(svg, points, texts);
    for (const char* text : {"干渉性散乱 鉄 100 keV", "ピーク 4°", "散乱角度"}) QVERIFY2(texts.contains(Utf8(text)), text);
    QCOMPARE(svg.toStdString(), graphs_->bench.PictureSvg(tervolin::GraphKind::kAngle, {true, false, false}));
  }

  // A slide is 1920 × 1080: PNG at 1 or 2 ×, SVG, PDF at 72 points per 96 pixels (its
  // texts: the lecture's case; their sizes: tervolin-calc plot's test).
  void slidesAre16By9() {
    GraphTools& tools = *graphs_->angleTools;
    tools.SetLegendShown(true);
    const QList<SlideCase> cases{{GraphFileType::kPng, 1, {1920, 1080}},
                                 {GraphFileType::kPng, 2, {3840, 2160}},
                                 {GraphFileType::kSvg, 1, {1920, 1080}},
                                 {GraphFileType::kPdf, 1, {1440, 810}}};
    for (const SlideCase& c : cases) {
      const QByteArray bytes = tools.FileContents(c.type, c.pngScale, true);
      if (c.type == GraphFileType::kPng) QCOMPARE(QImage::fromData(bytes).size(), c.size);
      if (c.type == GraphFileType::kPdf) QVERIFY(bytes.contains("/MediaBox [0 0 1440.000000 810.000000]"));
      if (c.type == GraphFileType::kSvg) QVERIFY(bytes.contains("width=\"1920\" height=\"1080\""));
    }
  }

  // The arrow keys move the read-out along the curves, one degree (ten with Ctrl) a press.
  void readOutFollowsTheArrowKeys() {
    graphs_->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graphs_->window));
    for (int i = 0; i < 8; ++i) QTest::keyClick(graphs_->angle, Qt::Key_Right);
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY2(QToolTip::text().startsWith(Utf8("θ = 8°")), qPrintable(QToolTip::text()));
    QTest::keyClick(graphs_->angle, Qt::Key_Right, Qt::ControlModifier);
    QVERIFY2(QToolTip::text().startsWith(Utf8("θ = 18°")), qPrintable(QToolTip::text()));
    QTest::keyClick(graphs_->angle, Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(graphs_->angle, Qt::Key_Left, Qt::ControlModifier);
    QVERIFY2(QToolTip::text().startsWith(Utf8("θ = 1°")), qPrintable(QToolTip::text()));
  }

  void failedSaveSaysWhichFileAndWhyAndLeavesNothing() {
    const tervolin::testing::ScratchWorkingDirectory scratch;
    QFile blocker("not-a-folder");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    tervolin::testing::ModalAnswerer answerer;
    for (GraphFileType type : {GraphFileType::kPng, GraphFileType::kCsv, GraphFileType::kSvg}) {
      answerer.Clear();
      const QString path = scratch.path().c_str() + QString("/not-a-folder/graph.") + FileExtension(type);
      QVERIFY(!graphs_->angleTools->SaveGraphAs(path, type));
      QCOMPARE(answerer.Answered().size(), 1);
      QVERIFY(answerer.Answered()[0].text.contains(path));
      QCOMPARE(answerer.Answered()[0].icon, QMessageBox::Warning);
      QVERIFY(!QFile::exists(path));
    }
    QCOMPARE(QDir(scratch.path().c_str()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{"not-a-folder"});
  }

  // Saving onto every kind of target: replaced whole (permission bits kept, a link
  // written through), or refused with the reason in Japanese and all left as it was.
  void saveOntoEveryKindOfTarget() {
    using tervolin::testing::TargetKind;
    const std::pair<TargetKind, const char*> rows[] = {
        {TargetKind::Regular, ""}, {TargetKind::Missing, ""}, {TargetKind::ReadOnly, "読み取り専用のファイルです"},
        {TargetKind::Symlink, ""}, {TargetKind::Fifo, "名前付きパイプ（FIFO）であり、通常のファイルではありません"},
        {TargetKind::Device, "装置ファイル（デバイス）であり"}, {TargetKind::Folder, "フォルダであり"},
        {TargetKind::FullDisk, "ディスクの空き容量が足りません"},
        {TargetKind::FlushFails, "ディスクの読み書きでエラーが起きました"},
        {TargetKind::ProtectedLink, "誰でも書き込めるフォルダにある、他のユーザーのシンボリックリンクです"},
        {TargetKind::DanglingLink, "シンボリックリンクの指す先がありません"}};
    const QByteArray csv = graphs_->angleTools->FileContents(GraphFileType::kCsv);
    for (const auto& [kind, row] : rows) {
      tervolin::testing::TargetCase target(kind, "keep.csv");
      const char* reason = target.kind() == kind ? row : "";
      target.Ready();
      tervolin::FileSystemCalls calls;
      if (target.injectFailure()) calls.write = NoSpace;
      if (kind == TargetKind::FlushFails) calls.fsync = FailedFlush;
      tervolin::testing::ModalAnswerer answerer;
      const QString path = QString::fromStdString(target.target().string());
      const bool saved = SaveOrWarn(&graphs_->window, path, csv, graphs_->saves, tervolin::Language::kJapanese, calls);
      QCOMPARE(QString::fromStdString(target.Mismatch(saved, csv.toStdString())), QString());
      const QString shown = saved ? QString() : answerer.Answered().value(0).text;
      QVERIFY2(saved == !*reason && (saved || (shown.contains(path) && shown.contains(Utf8(reason)))), qPrintable(shown));
    }
    // A name that would turn the message around is shown with the override escaped.
    QCOMPARE(ShownText(Utf8("「a\u202Ecod.exe」\n\x1B")), Utf8("「a\\u202Ecod.exe」\n\\x1B"));
  }

  void keyboardSavesThroughTheDialogByTheNamesExtension() {
    const tervolin::testing::ScratchWorkingDirectory scratch;
    qputenv("TERVOLIN_QT_FILE_DIALOG", "1");
    graphs_->window.show();
    graphs_->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&graphs_->window));
    QString offered;
    QTimer::singleShot(50, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
      offered = name->text();
      name->setText(QString::fromStdString(scratch.path().string()) + "/curves.csv");
      QMetaObject::invokeMethod(dialog, "accept");
    });
    QTest::keyClick(&graphs_->window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(offered, Utf8("干渉性散乱_水_100keV.png"));
    QFile file("curves.csv");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("干渉性散乱 鉄 100 keV"));
  }

  void menuKeyOnTheFocusedGraphOpensTheMenu() {
    graphs_->window.show();
    graphs_->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&graphs_->window));
    graphs_->angle->setFocus();
    QStringList items;
    QTimer::singleShot(50, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QVERIFY(menu);
      for (QAction* action : menu->actions()) items.append(action->text());
      menu->close();
    });
    QTest::keyClick(graphs_->angle, Qt::Key_F10, Qt::ShiftModifier);
    QCOMPARE(items, QStringList({Utf8("グラフをコピー"), Utf8("グラフを保存…"), Utf8("凡例を表示"),
                                 Utf8("凡例を元の位置に戻す")}));
  }

  void readOutGivesTheNearestAbscissaAndEveryCurve() {
    const QPointF at8 = graphs_->angle->ToLogicalPixel(8.2, 0.5) + QPointF(2, 2);  // 2-pixel border
    const std::optional<QString> text = graphs_->angleTools->ReadOutAt(at8);
    QVERIFY(text);
    const QStringList lines = text->split('\n');
    QCOMPARE(lines[0], Utf8("θ = 8°"));
    const double iron = graphs_->bench.ShownCurves(tervolin::GraphKind::kAngle)[0].values[7];
    QCOMPARE(lines[1], Utf8("干渉性散乱 鉄 100 keV: ") + QString::number(iron, 'f', 3));
    QCOMPARE(lines.size(), 5);  // a line per curve, and the energy's momentum transfer
    QVERIFY2(lines[4].startsWith(Utf8("100 keV: x = ")), qPrintable(lines[4]));
    QVERIFY(!graphs_->angleTools->ReadOutAt(QPointF(5, 5)));
    const QPointF at60 = graphs_->spectrum->ToLogicalPixel(tervolin::SpectrumGraphX(59.8), 1000) + QPointF(2, 2);
    QVERIFY(graphs_->spectrumTools->ReadOutAt(at60)->startsWith("E = 60 keV\n60 kV"));
  }

  // Pictures to look at: the angular graph with ten curves (colours repeated, so in
  // line styles) and the spectra, each with the legend, on screen and in every file.
  void picturesWithTheLegend() {
    graphs_->bench.ChooseScattering(tervolin::kIncoherent);
    for (int c = 3; c < 10; ++c) {
      const int colours[] = {tervolin::kPaletteRed, tervolin::kPaletteDarkGreen, tervolin::kPaletteBlue};
      graphs_->Compute("水", std::to_string(10 * c).c_str(), colours[c % 3]);
    }
    graphs_->angleTools->SetLegendShown(true);
    graphs_->spectrumTools->SetLegendShown(true);
    const QString dir = QStringLiteral(TERVOLIN_TEST_OUTPUT_DIR "/");
    QVERIFY(graphs_->angle->ShownImage().save(dir + "angle_graph_legend.png"));
    QVERIFY(graphs_->spectrum->ShownImage().save(dir + "spectrum_graph_legend.png"));
    QVERIFY(graphs_->angleTools->SaveGraphAs(dir + "angle_graph_legend.svg", GraphFileType::kSvg));
    QVERIFY(graphs_->angleTools->SaveGraphAs(dir + "angle_graph_legend.pdf", GraphFileType::kPdf));
    QVERIFY(graphs_->spectrumTools->SaveGraphAs(dir + "spectrum_graph_legend.svg", GraphFileType::kSvg));
    QVERIFY(graphs_->spectrumTools->SaveGraphAs(dir + "spectrum_graph_legend.pdf", GraphFileType::kPdf));
    QVERIFY(graphs_->angleTools->SaveGraphAs(dir + "angle_graph_legend_2x.png", GraphFileType::kPng, 2));
    QVERIFY(graphs_->spectrumTools->SaveGraphAs(dir + "spectrum_graph_legend_2x.png", GraphFileType::kPng, 2));
    for (const auto& [name, type] : {std::pair{"png", GraphFileType::kPng}, std::pair{"svg", GraphFileType::kSvg},
                                     std::pair{"pdf", GraphFileType::kPdf}}) {
      QVERIFY(graphs_->angleTools->SaveGraphAs(dir + "angle_graph_slide." + name, type, 1, true));
      QVERIFY(graphs_->spectrumTools->SaveGraphAs(dir + "spectrum_graph_slide." + name, type, 1, true));
    }
  }

 private:
  std::unique_ptr<Graphs> graphs_;
};

QTEST_MAIN(GraphToolsTest)
#include "test_graph_tools.moc"
