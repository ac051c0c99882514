// The angular graph's teaching views on the calculation screen: the free-electron
// curves and the view per solid angle drawn anew from the remembered curves (and
// gone again without a trace), the read-out's extra lines, and the polar window
// following the graph.

#include <QAction>
#include <QMenu>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QDir>
#include <QProcess>
#include <QtTest>
#include <memory>

#include "calculation_fixture.h"
#include "ui/angle_view_actions.h"
#include "ui/calculation_screen.h"
#include "core/tube_settings.h"
#include "support/scratch_directory.h"
#include "ui/graph_files.h"
#include "ui/graph_tools.h"
#include "ui/picture_surface.h"
#include "ui/polar_diagram_window.h"

using namespace tervolin::ui;
using namespace tervolin::testing;

namespace {

QImage Graph(const CalculationScreen& f) { return AtLogicalSize(f.graph->RetainedImage()); }

QString CurveTitleAt(std::size_t i) {
  return QString::fromStdString(Program().Bench().LegendRows(tervolin::GraphKind::kAngle).at(i).title);
}

std::size_t CurvesShown() { return Program().Bench().ShownCurves(tervolin::GraphKind::kAngle).size(); }

// What tervolin-calc prints for the arguments in the language's environment, on the
// working directory's tables.
QByteArray CalcOutput(QStringList arguments, const char* language) {
  QProcess calc;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("LANGUAGE", language);
  calc.setProcessEnvironment(environment);
  calc.start(QStringLiteral(TERVOLIN_CALC), arguments << "--data" << QDir::currentPath());
  return calc.waitForFinished(60000) && calc.exitCode() == 0 ? calc.readAllStandardOutput() : QByteArray();
}

// One curve at 60 keV of the material on the screen opened for `scatterType`.
CalculationScreen& DrawAt60keV(int scatterType, const char* material) {
  CalculationScreen& f = OpenCalculationScreen(scatterType);
  f.energyField->setText(QStringLiteral("60"));
  ClickMaterial(f.materialList, material);
  QTest::mouseClick(f.computeButton, Qt::LeftButton);
  return f;
}

}  // namespace

class TeachingViewsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { workspace_ = std::make_unique<ScreenWorkspace>(); }
  void cleanup() { workspace_.reset(); }

  void FreeElectronCurvesComeAndGoFromTheRememberedCurves() {
    CalculationScreen& f = DrawAt60keV(tervolin::kCoherent, "鉄");
    const QImage plain = Graph(f);
    // Thomson's curve is drawn in dark grey, whatever the colour of the curve.
    const auto isDarkGrey = [](QColor c) {
      return c.red() == c.green() && c.green() == c.blue() && c.red() > 40 && c.red() < 120;
    };
    const int grey = CountPixels(plain, isDarkGrey);
    f.views->ViewAction(tervolin::View::kFreeElectron).trigger();
    QCOMPARE(CurvesShown(), std::size_t(2));
    QCOMPARE(CurveTitleAt(1), Utf8("自由電子（トムソン散乱）"));
    QVERIFY(CountPixels(Graph(f), isDarkGrey) > grey + 200);
    f.views->ViewAction(tervolin::View::kFreeElectron).trigger();
    QVERIFY(Graph(f) == plain);
    QCOMPARE(CurvesShown(), std::size_t(1));
  }

  void PerSolidAngleRelabelsTheGraphAndTurnsBack() {
    CalculationScreen& f = DrawAt60keV(tervolin::kIncoherent, "水");
    const QImage plain = Graph(f);
    f.views->ViewAction(tervolin::View::kPerSolidAngle).trigger();
    QVERIFY(Graph(f) != plain);
    QCOMPARE(CurveTitleAt(0), Utf8("非干渉性散乱 水 60 keV 立体角あたり"));
    // A curve computed now comes in the chosen view too.
    ClickOption(f.blueOption);
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QCOMPARE(CurveTitleAt(1), Utf8("非干渉性散乱 水 60 keV 立体角あたり"));
    QVERIFY(CountPixels(Graph(f), IsBlue) > 300);
    f.views->ViewAction(tervolin::View::kPerSolidAngle).trigger();
    QTest::mouseClick(f.clearButton, Qt::LeftButton);
    ClickOption(f.redOption);
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QVERIFY(Graph(f) == plain);
  }

  void ExportsCarryTheViews() {
    CalculationScreen& f = DrawAt60keV(tervolin::kCoherent, "鉄");
    f.views->ViewAction(tervolin::View::kFreeElectron).trigger();
    f.views->ViewAction(tervolin::View::kPerSolidAngle).trigger();
    GraphTools& tools = *ToolsOf(*f.graph);
    const QString csv = QString::fromUtf8(tools.FileContents(GraphFileType::kCsv));
    const QString header = csv.section(QStringLiteral("\r\n"), 0, 0);
    QVERIFY2(header.endsWith(Utf8("干渉性散乱 鉄 60 keV 立体角あたり,自由電子（トムソン散乱） 立体角あたり")),
             qPrintable(header));
    QVERIFY(QString::fromUtf8(tools.FileContents(GraphFileType::kSvg)).contains(Utf8("立")));
  }

  void ReadOutAddsMomentumTransferAndScatteredEnergy() {
    CalculationScreen& f = DrawAt60keV(tervolin::kIncoherent, "水");
    f.views->ViewAction(tervolin::View::kFreeElectron).trigger();
    const std::optional<QString> text = ToolsOf(*f.graph)->ReadOutAt(f.graph->rect().center());
    QVERIFY(text.has_value());
    QVERIFY2(text->contains(Utf8("自由電子（クライン－仁科）60 keV: ")), qPrintable(*text));
    QVERIFY2(text->contains(Utf8("60 keV: x = ")) && text->contains(Utf8("E′ = ")), qPrintable(*text));
  }

  void PolarWindowFollowsTheCurvesAndTheChoices() {
    CalculationScreen& f = DrawAt60keV(tervolin::kCoherent, "鉄");
    const QList<QAction*> menu = ToolsOf(*f.graph)->Menu().actions();
    for (const tervolin::ViewEntry& view : tervolin::kViews) {  // an item per view of the table, named by it
      QVERIFY(menu.contains(&f.views->ViewAction(view.view)));
      QCOMPARE(f.views->ViewAction(view.view).text(), FromUtf8(tervolin::TextOf(view.menuItem, tervolin::Language::kJapanese)));
    }
    QVERIFY(menu.contains(&f.views->PolarAction()));
    f.views->PolarAction().trigger();
    PolarDiagramWindow* polar = f.views->PolarWindow();
    QVERIFY(polar && polar->isVisible() && !polar->isModal());
    QCOMPARE(CurveStyles(polar->Diagram()).size(), std::size_t(1));
    f.views->ViewAction(tervolin::View::kFreeElectron).trigger();
    QCOMPARE(CurveStyles(polar->Diagram()).size(), std::size_t(2));
    QCOMPARE(CurveStyles(polar->Diagram())[1], tervolin::LineStyle::kDashed);
    ClickMaterial(f.materialList, "鉛");
    ClickOption(f.blueOption);
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    // Lead's curve joins; its free-electron curve is iron's, already shown.
    QCOMPARE(CurveStyles(polar->Diagram()).size(), std::size_t(3));
    QTest::mouseClick(f.clearButton, Qt::LeftButton);
    QCOMPARE(CurveStyles(polar->Diagram()).size(), std::size_t(0));
  }

  // The lecture's case: incoherent iron at 60 and 100 keV, lead at 100 keV and water
  // over the 100 kV spectrum, with the legend, the free-electron curves and the view
  // per solid angle: seven rows leave a smaller plot too little room, so the legend
  // stands inside the frame, every row and its peak whole. Pictures for a look by eye.
  void LegendOfTheLectureCaseStaysInsideTheFrame() {
    CalculationScreen& f = OpenCalculationScreen(tervolin::kIncoherent);
    const auto compute = [&f](const char* energy, const char* material, QRadioButton* colour) {
      f.energyField->setText(QString::fromLatin1(energy));
      ClickOption(colour);
      ClickMaterial(f.materialList, material);
      QTest::mouseClick(f.computeButton, Qt::LeftButton);
    };
    compute("60", "鉄", f.redOption);
    compute("100", "鉄", f.redOption);
    compute("100", "鉛", f.blueOption);
    tervolin::TubeSettings tube = tervolin::DefaultTubeSettings();
    QVERIFY(Program().Bench().ComputeSpectrum(tube));
    QVERIFY(!Program().Bench().AcceptSpectrum());
    ClickOption(f.spectrumOption);
    compute("", "水", f.darkGreenOption);
    GraphTools& tools = *ToolsOf(*f.graph);
    tools.SetLegendShown(true);
    f.views->ViewAction(tervolin::View::kFreeElectron).trigger();
    f.views->ViewAction(tervolin::View::kPerSolidAngle).trigger();
    QVERIFY(!tools.RoomOnScreen());
    QVERIFY(QRectF(f.graph->ToLogicalPixel(0, 1), f.graph->ToLogicalPixel(180, 0)).contains(tools.LegendOnScreen()));
    const QByteArray slide = tools.FileContents(GraphFileType::kSvg, 1, true);
    QVERIFY(slide.contains(Utf8("散乱角度の確率密度分布　非干渉性散乱・立体角あたり・自由電子の曲線つき").toUtf8()));
    QCOMPARE(slide.count(Utf8(">ピーク ").toUtf8()), 7);
    // tervolin-calc plot's slide of the same curves, byte for byte, in either language:
    // the curves computed in Japanese are relabelled in English.
    const QStringList curves = Utf8("--scattering incoherent --material 鉄 --energy 60 --scattering incoherent "
                                    "--material 鉄 --energy 100 --scattering incoherent --material 鉛 --energy 100 "
                                    "--colour blue --scattering incoherent --material 水 --kv 100 --colour darkgreen "
                                    "--free-electron --per-solid-angle --legend --slide --title").split(' ');
    for (const tervolin::Language language : tervolin::AllLanguages()) {
      Program().Bench().ChooseLanguage(language);
      QCOMPARE(tools.FileContents(GraphFileType::kSvg, 1, true), CalcOutput(QStringList{"plot"} + curves, tervolin::LanguageCode(language)));
    }
    Program().Bench().ChooseLanguage(tervolin::Language::kJapanese);
    SaveShot(f, "lecture_legend_on_screen.png");
    for (const char* type : {"png", "svg", "pdf"}) {
      const GraphFileType t = ChosenFileType(QStringLiteral("x.") + QLatin1String(type), {});
      QVERIFY(tools.SaveGraphAs(QStringLiteral(TERVOLIN_TEST_OUTPUT_DIR "/lecture_slide.") + QLatin1String(type), t, 2, true));
    }
  }

  // The colour-vision-safe palette draws red as vermillion and is remembered for the
  // next screen, in the settings of the program's organisation (here a test's own,
  // in a scratch folder); without one nothing is kept.
  void PaletteIsRememberedInTheProgramsSettings() {
    const ScratchDirectory settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(settings.path().string()));
    QCoreApplication::setOrganizationName(QStringLiteral("tervolin-test"));
    CalculationScreen& f = DrawAt60keV(tervolin::kCoherent, "鉄");
    const auto isVermillion = [](QColor c) { return std::abs(c.red() - 0xD5) < 8 && std::abs(c.green() - 0x5E) < 8 && c.blue() < 8; };
    QCOMPARE(CountPixels(Graph(f), isVermillion), 0);
    f.views->PaletteAction().trigger();
    QVERIFY(CountPixels(Graph(f), isVermillion) > 300);
    QCOMPARE(CountPixels(Graph(f), [](QColor c) { return c.red() > 240 && c.green() < 20 && c.blue() < 20; }), 0);
    workspace_.reset();
    workspace_ = std::make_unique<ScreenWorkspace>();
    CalculationScreen& again = DrawAt60keV(tervolin::kCoherent, "鉄");
    QVERIFY(again.views->PaletteAction().isChecked());
    QVERIFY(CountPixels(Graph(again), isVermillion) > 300);
    QCoreApplication::setOrganizationName(QString());
    workspace_.reset();
    workspace_ = std::make_unique<ScreenWorkspace>();
    QVERIFY(!DrawAt60keV(tervolin::kCoherent, "鉄").views->PaletteAction().isChecked());
  }

  // Pictures for a look by eye, each checked for what it shows: iron coherent with
  // Thomson's curve (dark grey) and the legend inside the frame, per angle and per
  // solid angle, where Thomson's (1 + cos²θ)/2 is half its largest at 90°; water
  // incoherent with Klein–Nishina's curve, per solid angle and per angle, where it
  // vanishes at 180°; the polar window following each.
  void Screenshots() {
    const auto isDarkGrey = [](QColor c) { return c.red() == c.green() && c.green() == c.blue() && c.red() > 40 && c.red() < 120; };
    const auto shot = [](QWidget& widget, const char* name) { return SaveShot(widget, name), Shot(widget); };
    CalculationScreen& f = DrawAt60keV(tervolin::kCoherent, "鉄");
    const int plainGrey = CountPixels(Shot(f), isDarkGrey);
    f.views->ViewAction(tervolin::View::kFreeElectron).trigger();
    ToolsOf(*f.graph)->SetLegendShown(true);
    const QImage perAngle = shot(f, "views_iron_free_electron.png");
    QVERIFY(CountPixels(perAngle, IsRed) > 300 && CountPixels(perAngle, isDarkGrey) > plainGrey + 200);
    const QRectF frame(f.graph->ToLogicalPixel(0, 1), f.graph->ToLogicalPixel(180, 0));
    QVERIFY(frame.contains(ToolsOf(*f.graph)->LegendOnScreen()));
    f.views->ViewAction(tervolin::View::kPerSolidAngle).trigger();
    QVERIFY(shot(f, "views_iron_per_solid_angle.png") != perAngle);
    QCOMPARE(CurveTitleAt(1), Utf8("自由電子（トムソン散乱） 立体角あたり"));
    f.views->PolarAction().trigger();
    PolarDiagramWindow& polar = *f.views->PolarWindow();
    polar.resize(520, 640);
    const QImage ironPolar = shot(polar, "views_iron_polar.png");
    QVERIFY(CountPixels(ironPolar, IsRed) > 300 && CountPixels(ironPolar, isDarkGrey) > 300);
    const std::vector<tervolin::CurveRecord> shown = Program().Bench().ShownCurves(tervolin::GraphKind::kAngle);
    QCOMPARE(shown.size(), std::size_t(2));
    QVERIFY(std::abs(shown[1].values[89] - 0.5) < 1e-9);  // at 90°
    CalculationScreen& w = DrawAt60keV(tervolin::kIncoherent, "水");
    const QImage waterPerSolidAngle = shot(w, "views_water_per_solid_angle.png");
    QCOMPARE(CurveTitleAt(1), Utf8("自由電子（クライン－仁科）60 keV 立体角あたり"));
    w.views->ViewAction(tervolin::View::kPerSolidAngle).trigger();
    QVERIFY(shot(w, "views_water_per_angle.png") != waterPerSolidAngle);
    QCOMPARE(CurveTitleAt(0), Utf8("非干渉性散乱 水 60 keV"));
    QVERIFY(CountPixels(shot(*w.views->PolarWindow(), "views_water_polar.png"), IsRed) > 300);
    const std::vector<tervolin::CurveRecord> curves = Program().Bench().ShownCurves(tervolin::GraphKind::kAngle);
    QVERIFY(curves.size() == 2 && curves[1].values[179] < 1e-5);  // sin 180° with π to five decimals
  }

 private:
  std::unique_ptr<ScreenWorkspace> workspace_;
};

QTEST_MAIN(TeachingViewsTest)
#include "test_teaching_views.moc"
