// The spectrum screen: its layout and keyboard order, how the calculation screen
// opens it, the compute button's checks and which message wins, redo, the common
// scale of the spectra shown, and what OK,
// cancel and the close box do to "P_Spectrum.dat" and to the accepted spectrum,
// also when the file cannot be written; then a spectral curve from the accepted
// spectrum.

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QComboBox>
#include <QtTest>
#include <cmath>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <utility>

#include "calculation_fixture.h"
#include "graphs/curve_record.h"
#include "core/messages.h"
#include "ui/screen_set.h"
#include "data/spectrum_file.h"
#include "modal_answerer.h"
#include "graphs/spectrum_graph.h"
#include "ui/calculation_screen.h"
#include "ui/graph_tools.h"
#include "ui/spectrum_screen.h"
#include "ui/picture_surface.h"

using namespace tervolin::ui;

using namespace tervolin::testing;

namespace {

const QColor kPanelCyan(192, 255, 255);

// The accepted spectrum, in the working directory.
const char* const kSpectrumFile = "P_Spectrum.dat";

QImage Graph(const SpectrumScreen& f) { return AtLogicalSize(f.graph->RetainedImage()); }

// The spectrum screen as the user reaches it: the calculation screen in spectral
// mode, then its "スペクトル計算".
SpectrumScreen& OpenSpectrumScreen() {
  CalculationScreen& calculation = OpenCalculationScreen(tervolin::kCoherent);
  ClickOption(calculation.spectrumOption);
  QTest::mouseClick(calculation.spectrumButton, Qt::LeftButton);
  return Program().Spectrum();
}

QStringList Fields(const SpectrumScreen& f) {
  return {f.tubeVoltageField->text(), f.targetAngleField->text(), f.inherentFiltrationField->text(), f.aluminiumFilterField->text(), f.copperFilterField->text()};
}

QByteArray SpectrumFile() {
  QFile file(QString::fromLatin1(kSpectrumFile));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool SpectrumFileExists() { return std::filesystem::exists(kSpectrumFile); }

void ComputeAt(SpectrumScreen& f, std::initializer_list<const char*> kilovolts) {
  for (const char* kv : kilovolts) {
    f.tubeVoltageField->setText(QString::fromLatin1(kv));
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
  }
}

}  // namespace

class SpectrumScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    workspace_ = std::make_unique<ScreenWorkspace>();
    QVERIFY(workspace_->AttenuationRead());
  }

  void cleanup() {
    answerer_.Clear();
    workspace_.reset();
  }

  void windowAndControlsStandWhereTheLayoutPutsThem() {
    SpectrumScreen& f = OpenSpectrumScreen();
    QCOMPARE(f.windowTitle(), QStringLiteral("X-ray spectrum"));
    QCOMPARE(f.size(), QSize(991, 529));
    QCOMPARE(f.minimumSize(), QSize(991, 529));  // enlarged, the graph grows
    QCOMPARE(f.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(!(f.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(f.windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(!f.windowIcon().isNull());
    QCOMPARE(f.font().pixelSize(), 16);

    const std::pair<QWidget*, QRect> placed[] = {
        {f.graph, QRect(16, 24, 609, 441)},  {f.tubeVoltageField, QRect(816, 112, 65, 27)},
        {f.targetAngleField, QRect(816, 192, 65, 28)},     {f.inherentFiltrationField, QRect(816, 232, 65, 26)},
        {f.aluminiumFilterField, QRect(816, 288, 65, 27)},     {f.copperFilterField, QRect(816, 328, 65, 27)},
        {f.computeButton, QRect(672, 376, 145, 41)}, {f.redoButton, QRect(840, 376, 105, 41)},
        {f.okButton, QRect(672, 440, 145, 41)}, {f.cancelButton, QRect(840, 448, 105, 33)},
    };
    for (const auto& [widget, geometry] : placed) QCOMPARE(widget->geometry(), geometry);
    const std::pair<QString, const char*> captions[] = {
        {f.computeButton->text(), "スペクトル計算"}, {f.redoButton->text(), "やり直し"},
        {f.okButton->text(), "OK"},            {f.cancelButton->text(), "キャンセル"},
    };
    for (const auto& [shown, expected] : captions) QCOMPARE(shown, Utf8(expected));
    const std::pair<QPushButton*, int> buttonPixels[] = {
        {f.computeButton, 16}, {f.redoButton, 16}, {f.okButton, 19}, {f.cancelButton, 15}};
    for (const auto& [button, pixels] : buttonPixels) QCOMPARE(button->font().pixelSize(), pixels);
    for (QLineEdit* field : {f.tubeVoltageField, f.targetAngleField, f.inherentFiltrationField, f.aluminiumFilterField, f.copperFilterField}) {
      QCOMPARE(QFontInfo(field->font()).family(), Utf8("Liberation Serif"));
      QCOMPARE(field->font().pixelSize(), 16);
      QVERIFY(field->alignment() & Qt::AlignHCenter);
      QCOMPARE(field->palette().color(QPalette::Text), field == f.targetAngleField ? QColor(0, 0, 255) : QColor(0, 0, 192));
    }
    QCOMPARE(f.graph->SurfaceFont().pixelSize(), 21);
    QVERIFY(f.graph->SurfaceFont().bold());
  }

  void labelsOnThePanel_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<QColor>("ink");
    QTest::addColumn<bool>("roundGothic");  // may stand higher, see labelsStandLevelWithTheirFields
    const QColor darkBlue(0, 0, 192), black(0, 0, 0);
    QTest::newRow("titleLabel") << "titleLabel" << Utf8("Ｘ線スペクトルを近似計算する") << QPoint(664, 24) << 21 << darkBlue
                               << false;
    QTest::newRow("promptLabel") << "promptLabel" << Utf8("照射条件を設定して下さい") << QPoint(688, 80) << 19 << darkBlue
                               << true;
    QTest::newRow("tubeVoltageLabel") << "tubeVoltageLabel" << Utf8("Ｘ線管電圧") << QPoint(720, 120) << 16 << black << true;
    QTest::newRow("kilovoltUnitLabel") << "kilovoltUnitLabel" << Utf8("kV") << QPoint(888, 120) << 16 << black << false;
    QTest::newRow("voltageRangeLabel") << "voltageRangeLabel" << Utf8("(30～150)") << QPoint(808, 136) << 15 << black << false;
    QTest::newRow("rectificationLabel") << "rectificationLabel" << Utf8("高電圧整流方式：定電圧") << QPoint(720, 160) << 16 << black << false;
    QTest::newRow("targetAngleLabel") << "targetAngleLabel" << Utf8("ターゲット角度") << QPoint(688, 200) << 16 << black << true;
    QTest::newRow("degreeUnitLabel") << "degreeUnitLabel" << Utf8("degree") << QPoint(888, 200) << 16 << black << false;
    QTest::newRow("inherentFiltrationLabel") << "inherentFiltrationLabel" << Utf8("固有ろ過（Al当量）") << QPoint(664, 240) << 16 << black << true;
    QTest::newRow("aluminiumEquivalentUnitLabel") << "aluminiumEquivalentUnitLabel" << Utf8("mmAl eq.") << QPoint(888, 240) << 16 << black << false;
    QTest::newRow("inherentMinimumLabel") << "inherentMinimumLabel" << Utf8("(最小1mm)") << QPoint(808, 256) << 15 << black << false;
    QTest::newRow("aluminiumFilterLabel") << "aluminiumFilterLabel" << Utf8("アルミ付加フィルタ") << QPoint(664, 296) << 16 << black << true;
    QTest::newRow("aluminiumUnitLabel") << "aluminiumUnitLabel" << Utf8("mm") << QPoint(888, 288) << 16 << black << false;
    QTest::newRow("copperFilterLabel") << "copperFilterLabel" << Utf8("銅付加フィルタ") << QPoint(696, 336) << 16 << black << true;
    QTest::newRow("copperUnitLabel") << "copperUnitLabel" << Utf8("mm") << QPoint(888, 328) << 16 << black << false;
  }

  void labelsOnThePanel() {
    QFETCH(QString, name);
    QFETCH(QPoint, at);
    QFETCH(bool, roundGothic);
    SpectrumScreen& f = OpenSpectrumScreen();
    auto* label = f.findChild<QLabel*>(name);
    QVERIFY(label != nullptr);
    QTEST(label->text(), "text");
    QCOMPARE(label->x(), at.x());
    if (roundGothic) {
      QVERIFY2(label->y() <= at.y() && label->y() >= at.y() - 8, qPrintable(QString::number(label->y())));
    } else {
      QCOMPARE(label->y(), at.y());
    }
    QTEST(label->font().pixelSize(), "pixelSize");
    QTEST(label->palette().color(QPalette::WindowText), "ink");
    QVERIFY(!label->autoFillBackground());
    QVERIFY(label->width() >= label->sizeHint().width());
    QVERIFY(QFontMetrics(label->font()).inFont(label->text().front()));
  }

  // Each condition's name stands level with its field, as on the layout, where the
  // name's characters lie two or three pixels below the field's middle.
  void labelsStandLevelWithTheirFields() {
    SpectrumScreen& f = OpenSpectrumScreen();
    const QImage shot = Shot(f);
    const std::pair<const char*, QLineEdit*> named[] = {
        {"tubeVoltageLabel", f.tubeVoltageField}, {"targetAngleLabel", f.targetAngleField}, {"inherentFiltrationLabel", f.inherentFiltrationField},
        {"aluminiumFilterLabel", f.aluminiumFilterField},    {"copperFilterLabel", f.copperFilterField},
    };
    for (const auto& [name, field] : named) {
      const QRect area = f.findChild<QLabel*>(name)->geometry();
      int first = -1, last = -1;
      for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
          if (qGray(shot.pixel(x, y)) >= 128) continue;
          if (first < 0) first = y;
          last = y;
          break;
        }
      }
      QVERIFY2(first >= 0, name);
      const double offset = (first + last) / 2.0 - field->geometry().center().y();
      QVERIFY2(offset >= -1.0 && offset <= 4.0, qPrintable(QString("%1: %2").arg(name).arg(offset)));
    }
  }

  // "Relative", "Photon", "Fluence" and "φ(E)" stay clear of the frame they stand by.
  void axisTitleStaysLeftOfTheFrame() {
    SpectrumScreen& f = OpenSpectrumScreen();
    const QImage graph = Graph(f);
    const int frameLeft = 100;  // x = 1000 of 6000 units across 605 pixels
    int inkNearFrame = 0;
    for (int y = 40; y < 190; ++y) {
      for (int x = frameLeft - 5; x <= frameLeft - 2; ++x) inkNearFrame += qGray(graph.pixel(x, y)) < 128 ? 1 : 0;
    }
    QCOMPARE(inkNearFrame, 0);
    QVERIFY(qGray(graph.pixel(frameLeft, 120)) < 128);  // the frame itself
    int inkOfTitle = 0;
    for (int y = 40; y < 190; ++y) {
      for (int x = 15; x < frameLeft - 5; ++x) inkOfTitle += qGray(graph.pixel(x, y)) < 128 ? 1 : 0;
    }
    QVERIFY(inkOfTitle > 400);
  }

  void panelLiesBehindItsControls() {
    SpectrumScreen& f = OpenSpectrumScreen();
    auto* panel = f.findChild<QLabel*>("conditionsPanel");
    QVERIFY(panel != nullptr);
    QCOMPARE(panel->geometry(), QRect(640, 64, 329, 369));
    const QImage shot = Shot(f);
    SaveShot(f, "spectrum_screen_empty.png");
    QCOMPARE(shot.pixelColor(650, 100), kPanelCyan);          // bare panel
    QCOMPARE(shot.pixelColor(panel->geometry().topLeft()), QColor(0, 0, 0));  // its border
    // Fields and buttons show over the panel, labels let it through.
    QCOMPARE(shot.pixelColor(f.tubeVoltageField->geometry().center() + QPoint(25, 0)), QColor(255, 255, 255));
    QCOMPARE(shot.pixelColor(f.computeButton->geometry().topLeft() + QPoint(4, 20)), QColor(255, 255, 192));
    const QLabel* degree = f.findChild<QLabel*>("degreeUnitLabel");
    QCOMPARE(shot.pixelColor(degree->geometry().bottomRight() - QPoint(2, 2)), kPanelCyan);
  }

  void tabOrderStartsOnTheComputeButton() {
    SpectrumScreen& f = OpenSpectrumScreen();
    QCOMPARE(f.focusWidget(), f.computeButton);
    QWidget* const order[] = {f.computeButton, f.redoButton, f.targetAngleField,    f.tubeVoltageField,    f.aluminiumFilterField,   f.copperFilterField,
                              f.inherentFiltrationField, f.qualityList, f.graph, f.cancelButton, f.okButton,
                              f.computeButton};
    for (std::size_t i = 1; i < std::size(order); ++i) {
      QTest::keyClick(f.focusWidget(), Qt::Key_Tab);
      QCOMPARE(f.focusWidget(), order[i]);
    }
  }

  // A standard quality chosen by keyboard fills the fields; its beam's HVL1 meets the
  // standard's within 1 % and the figures carry the standard's beside it; a field
  // edited by hand makes the list say none again.
  void qualityFillsTheFieldsUntilOneIsEdited() {
    SpectrumScreen& f = OpenSpectrumScreen();
    f.qualityList->setFocus();
    for (int i = 0; i < 7; ++i) QTest::keyClick(f.qualityList, Qt::Key_Down);  // RQR 8
    QCOMPARE(f.qualityList->currentText(), QStringLiteral("RQR 8"));
    QCOMPARE(f.tubeVoltageField->text(), QStringLiteral("100"));
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    const tervolin::BeamFigures& figures = Program().Bench().ShownSpectra().back().figures;
    QCOMPARE(figures.standardHvl1Mm.value_or(0.0), 3.97);
    QVERIFY(std::abs(*figures.hvl1Mm / 3.97 - 1.0) < 0.01);
    QTest::keyClick(f.copperFilterField, Qt::Key_1);
    QCOMPARE(f.qualityList->currentIndex(), 0);
  }

  void spectrumButtonResetsFieldsAndGraph() {
    SpectrumScreen& f = OpenSpectrumScreen();
    QVERIFY(f.isVisible());
    QCOMPARE(Fields(f), QStringList({"100", "12", "2.5", "0", "0"}));
    const QImage empty = Graph(f);
    QVERIFY(CountPixels(empty, [](QColor c) { return c == QColor(0, 0, 0); }) > 1000);  // frame and texts
    QCOMPARE(CountPixels(empty, IsRed), 0);

    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QVERIFY(CountPixels(Graph(f), IsRed) > 300);
    for (QLineEdit* field : {f.tubeVoltageField, f.targetAngleField, f.inherentFiltrationField, f.aluminiumFilterField, f.copperFilterField}) field->setText(QStringLiteral("7"));
    SetSpectrumReady(1);
    QTest::mouseClick(Program().Calculation().spectrumButton, Qt::LeftButton);
    QCOMPARE(Program().ExistingSpectrum(), &f);
    QCOMPARE(Fields(f), QStringList({"100", "12", "2.5", "0", "0"}));
    QVERIFY(Graph(f) == empty);
    QCOMPARE(SpectrumReady(), 1);
    QVERIFY(Program().Calculation().isVisible());  // the calculation screen stays usable
  }

  void computeChecksAndWhichMessageWins_data() {
    // tube voltage, target angle, inherent filtration, Al, Cu
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("after");
    const QString enterVoltage = FromUtf8(tervolin::MessageOf(tervolin::TextId::kEnterTubeVoltage, tervolin::Language::kJapanese));
    const QString reenterAngle = FromUtf8(tervolin::MessageOf(tervolin::TextId::kReenterTargetAngle, tervolin::Language::kJapanese));
    const QString reenterFiltration = FromUtf8(tervolin::MessageOf(tervolin::TextId::kReenterInherentFiltration, tervolin::Language::kJapanese));
    const auto row = [](const char* name, QStringList typed, const QString& message, QStringList after) {
      for (QStringList* fields : {&typed, &after}) {
        while (fields->size() < 5) fields->append("0");
      }
      QTest::newRow(name) << typed << message << after;
    };
    row("all three empty: tube voltage first", {"", "", ""}, enterVoltage, {"", "", ""});
    row("target angle empty", {"100", "", ""}, reenterAngle, {"100", "12", ""});
    row("target angle 0.5", {"100", "0.5", "2.5"}, reenterAngle, {"100", "12", "2.5"});
    const auto message = [](tervolin::TextId id) { return FromUtf8(tervolin::MessageOf(id, tervolin::Language::kJapanese)); };
    row("target angle not a number", {"100", "x9", "2.5"}, message(tervolin::TextId::kTargetAngleNotANumber),
        {"100", "12", "2.5"});
    row("target angle 90", {"100", "90", "2.5"}, reenterAngle, {"100", "12", "2.5"});
    row("target angle 1 passes", {"100", "1", ""}, reenterFiltration, {"100", "1", "2.5"});
    row("negative Al filter", {"100", "89.9", "2.5", "-0.1", "-1"}, FromUtf8(tervolin::MessageOf(tervolin::TextId::kReenterAluminiumFilter, tervolin::Language::kJapanese)),
        {"100", "89.9", "2.5", "0", "-1"});
    row("negative Cu filter, full width", {"100", "12", "2.5", "0", "－０．１"},
        FromUtf8(tervolin::MessageOf(tervolin::TextId::kReenterCopperFilter, tervolin::Language::kJapanese)), {"100", "12", "2.5", "0", "0"});
    row("200 kV passes the presence checks", {"200", "12", "2.5"}, FromUtf8(tervolin::MessageOf(tervolin::TextId::kMaxTubeVoltage, tervolin::Language::kJapanese)),
        {"150", "12", "2.5"});
    row("full-width 200 kV reads as 200", {"２００", "１２", "２．５"}, FromUtf8(tervolin::MessageOf(tervolin::TextId::kMaxTubeVoltage, tervolin::Language::kJapanese)),
        {"150", "１２", "２．５"});
    row("blank tube voltage is no number, left as typed", {" ", "12", "2.5"},
        message(tervolin::TextId::kTubeVoltageNotANumber), {" ", "12", "2.5"});
    row("tube voltage abc", {"abc", "12", "2.5"}, message(tervolin::TextId::kTubeVoltageNotANumber), {"abc", "12", "2.5"});
    row("blank filtration is no number", {"100", "12", " "}, message(tervolin::TextId::kInherentFiltrationNotANumber),
        {"100", "12", "2.5"});
    row("Al 2,5 is no number, not 2", {"100", "12", "2.5", "2,5"}, message(tervolin::TextId::kAluminiumFilterNotANumber),
        {"100", "12", "2.5", "0"});
  }

  void computeChecksAndWhichMessageWins() {
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QStringList, after);
    SpectrumScreen& f = OpenSpectrumScreen();
    QLineEdit* const fields[] = {f.tubeVoltageField, f.targetAngleField, f.inherentFiltrationField, f.aluminiumFilterField, f.copperFilterField};
    for (int i = 0; i < 5; ++i) fields[i]->setText(typed[i]);
    const QImage graph = Graph(f);
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QCOMPARE(Messages(answerer_), QStringList{message});
    CheckWarningBoxes(answerer_);
    QStringList shown;
    for (QLineEdit* field : fields) shown << field->text();
    QCOMPARE(shown, after);
    QVERIFY(Graph(f) == graph);  // nothing computed, nothing drawn
    QVERIFY(f.isVisible());
  }

  void redoClearsTheCurvesAndKeepsTheFields() {
    SpectrumScreen& f = OpenSpectrumScreen();
    const QImage empty = Graph(f);
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    f.tubeVoltageField->setText(QStringLiteral("60"));
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QVERIFY(CountPixels(Graph(f), IsRed) > 300);
    QVERIFY(!Program().Bench().ShownSpectra().empty());
    QTest::mouseClick(f.redoButton, Qt::LeftButton);
    QVERIFY(Graph(f) == empty);
    QCOMPARE(Fields(f), QStringList({"60", "12", "2.5", "0", "0"}));
    QVERIFY(Program().Bench().ShownSpectra().empty());  // nothing left for OK to accept
  }

  // The graph menu's last item draws the spectra kept anew, each in proportion to
  // its unscaled maximum (to 1e-12), the largest at φ = 1, colours and labels kept;
  // off again, the graph is as before. Redo keeps the choice; OK writes the spectrum
  // scaled to 1 all the same.
  void commonScaleRedrawsTheKeptSpectra() {
    SpectrumScreen& f = OpenSpectrumScreen();
    QCOMPARE(ToolsOf(*f.graph)->Menu().actions().back()->text(), Utf8("スペクトルを共通の尺度で表示"));
    ComputeAt(f, {"80", "100", "120", "150"});
    const QImage each = Graph(f);
    ToolsOf(*f.graph)->Menu().actions().back()->trigger();
    SaveShot(f, "spectrum_screen_overlaid_common.png");
    const auto shownCurves = [] { return Program().Bench().ShownCurves(tervolin::GraphKind::kSpectrum); };
    const std::vector<tervolin::CurveRecord> curves = shownCurves();
    const auto& spectra = Program().Bench().ShownSpectra();
    QCOMPARE(curves.size(), std::size_t{4});
    std::vector<double> drawn, perUnscaled;
    for (std::size_t i = 0; i < 4; ++i) {
      QVERIFY(curves[i].label == tervolin::SpectrumLabel(spectra[i].settings) && curves[i].colour == tervolin::SpectrumCurveColour(i));
      drawn.push_back(*std::max_element(curves[i].values.begin(), curves[i].values.end()));
      perUnscaled.push_back(drawn.back() / spectra[i].unscaledMaximum);
    }
    const auto [low, high] = std::minmax_element(perUnscaled.begin(), perUnscaled.end());
    QVERIFY(*high - *low <= 1e-12 * *high);
    QCOMPARE(*std::max_element(drawn.begin(), drawn.end()), 1.0);
    f.commonScaleAction->trigger();
    QVERIFY(Graph(f) == each);

    f.commonScaleAction->setChecked(true);
    QTest::mouseClick(f.redoButton, Qt::LeftButton);
    QVERIFY(f.commonScaleAction->isChecked() && spectra.empty());
    ComputeAt(f, {"120", "80"});
    const std::vector<double> lower = shownCurves()[1].values;
    QVERIFY(*std::max_element(lower.begin(), lower.end()) < 0.5);
    QTest::mouseClick(f.okButton, Qt::LeftButton);
    QCOMPARE(SpectrumFile().toStdString(), tervolin::SpectrumFileText(spectra.back().fluence));
    QVERIFY(SpectrumFile().contains("  1.000E+00\r\n"));
  }

  void okWritesTheFileAcceptsAndHides() {
    SpectrumScreen& f = OpenSpectrumScreen();
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    SaveShot(f, "spectrum_screen_computed.png");
    QVERIFY(!SpectrumFileExists());
    QCOMPARE(SpectrumReady(), 0);
    QTest::mouseClick(f.okButton, Qt::LeftButton);
    const QByteArray written = SpectrumFile();
    QCOMPARE(written.size(), 5400);
    QVERIFY(written.startsWith("000.5  0.000E+00\r\n"));
    QVERIFY(written.contains("  1.000E+00\r\n"));
    QCOMPARE(SpectrumReady(), 1);
    QVERIFY(!f.isVisible());
    QVERIFY(Program().Calculation().isVisible());
    QVERIFY(answerer_.Answered().isEmpty());
  }

  // OK accepts only a spectrum computed in this opening of the screen and still on
  // its graph; otherwise it says so, writes nothing, accepts nothing, stays open.
  void okWithoutAComputedSpectrumOnTheGraph_data() {
    QTest::addColumn<QString>("before");
    QTest::newRow("nothing computed") << "";
    QTest::newRow("rejected input only") << "reject";
    QTest::newRow("reopened after computing") << "compute,reopen";
    QTest::newRow("cleared by redo") << "compute,redo";
  }

  void okWithoutAComputedSpectrumOnTheGraph() {
    QFETCH(QString, before);
    SpectrumScreen& f = OpenSpectrumScreen();
    for (const QString& step : before.split(',', Qt::SkipEmptyParts)) {
      if (step == "compute") QTest::mouseClick(f.computeButton, Qt::LeftButton);
      if (step == "reopen") QTest::mouseClick(Program().Calculation().spectrumButton, Qt::LeftButton);
      if (step == "redo") QTest::mouseClick(f.redoButton, Qt::LeftButton);
      if (step == "reject") {
        f.tubeVoltageField->setText(QStringLiteral("200"));
        QTest::mouseClick(f.computeButton, Qt::LeftButton);
      }
    }
    answerer_.Clear();
    QTest::mouseClick(f.okButton, Qt::LeftButton);
    QCOMPARE(Messages(answerer_), QStringList{FromUtf8(tervolin::MessageOf(tervolin::TextId::kNoSpectrum, tervolin::Language::kJapanese))});
    CheckWarningBoxes(answerer_);
    QVERIFY(!SpectrumFileExists());
    QCOMPARE(SpectrumReady(), 0);
    QVERIFY(f.isVisible());

    // Computed now, the same OK accepts it.
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QTest::mouseClick(f.okButton, Qt::LeftButton);
    QVERIFY(SpectrumFile().contains("  1.000E+00\r\n"));
    QCOMPARE(SpectrumReady(), 1);
    QVERIFY(!f.isVisible());
  }

  // A rejected input after a computation leaves that computation's curve on the
  // graph, and OK accepts it.
  void okAfterARejectedInputAcceptsTheCurveStillShown() {
    SpectrumScreen& f = OpenSpectrumScreen();
    f.tubeVoltageField->setText(QStringLiteral("60"));
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    const std::string computed = tervolin::SpectrumFileText(Program().Bench().ShownSpectra().back().fluence);
    QVERIFY(computed.find("  1.000E+00\r\n") != std::string::npos);
    f.tubeVoltageField->setText(QStringLiteral("200"));
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QTest::mouseClick(f.okButton, Qt::LeftButton);
    QCOMPARE(SpectrumFile().toStdString(), computed);
    QCOMPARE(SpectrumReady(), 1);
  }

  void cancelAndCloseBoxAcceptNothing_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<int>("ready");
    QTest::newRow("cancel, nothing accepted") << false << 0;
    QTest::newRow("cancel, accepted before") << false << 1;
    QTest::newRow("close box, nothing accepted") << true << 0;
    QTest::newRow("close box, accepted before") << true << 1;
  }

  void cancelAndCloseBoxAcceptNothing() {
    QFETCH(bool, closeBox);
    QFETCH(int, ready);
    SpectrumScreen& f = OpenSpectrumScreen();
    SetSpectrumReady(ready);
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    if (closeBox) {
      QVERIFY(f.close());
      ScreenWorkspace::FlushDeletions();
      QCOMPARE(Program().ExistingSpectrum(), nullptr);
    } else {
      QTest::mouseClick(f.cancelButton, Qt::LeftButton);
      QVERIFY(!f.isVisible());
      QCOMPARE(Program().ExistingSpectrum(), &f);
    }
    QCOMPARE(SpectrumReady(), ready);
    QVERIFY(!SpectrumFileExists());
    QVERIFY(Program().Calculation().isVisible());
  }

  void acceptedSpectrumSurvivesModeSwitchesAndCancel() {
    SpectrumScreen& f = OpenSpectrumScreen();
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QTest::mouseClick(f.okButton, Qt::LeftButton);
    CalculationScreen& calculation = Program().Calculation();
    ClickOption(calculation.singleEnergyOption);
    ClickOption(calculation.spectrumOption);
    QCOMPARE(SpectrumReady(), 1);

    QTest::mouseClick(calculation.spectrumButton, Qt::LeftButton);
    f.tubeVoltageField->setText(QStringLiteral("60"));
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QTest::mouseClick(f.cancelButton, Qt::LeftButton);
    QCOMPARE(SpectrumReady(), 1);
    QCOMPARE(Program().Bench().ShownSpectra().back().fluence[121], 0.0);  // the 60-kV spectrum is the one shown
    QVERIFY(Program().Bench().ShownSpectra().back().fluence[100] > 0.0);
    QVERIFY(Program().Bench().AcceptedSpectrum()->fluence[121] > 0.0);  // the accepted one is still 100 kV
  }

  // The spectral curve keeps the accepted spectrum's weights whatever the spectrum
  // screen computed afterwards without OK (cancel, close box, or computing only).
  void computationsWithoutOkLeaveTheAcceptedSpectrumInForce_data() {
    QTest::addColumn<QString>("leave");
    QTest::newRow("cancel") << "cancel";
    QTest::newRow("close box") << "close";
    QTest::newRow("computing only, reopened") << "reopen";
  }

  void computationsWithoutOkLeaveTheAcceptedSpectrumInForce() {
    QFETCH(QString, leave);
    SpectrumScreen& f = OpenSpectrumScreen();
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QTest::mouseClick(f.okButton, Qt::LeftButton);
    const QByteArray accepted = SpectrumFile();
    CalculationScreen& calculation = Program().Calculation();
    ClickMaterial(calculation.materialList, "PMMA");
    QTest::mouseClick(calculation.computeButton, Qt::LeftButton);
    const QImage curve = AtLogicalSize(calculation.graph->RetainedImage());
    QTest::mouseClick(calculation.clearButton, Qt::LeftButton);  // clear the graph

    QTest::mouseClick(calculation.spectrumButton, Qt::LeftButton);
    SpectrumScreen& again = Program().Spectrum();
    again.tubeVoltageField->setText(QStringLiteral("40"));
    QTest::mouseClick(again.computeButton, Qt::LeftButton);
    if (leave == "cancel") QTest::mouseClick(again.cancelButton, Qt::LeftButton);
    if (leave == "close") QVERIFY(again.close());
    if (leave == "reopen") QTest::mouseClick(calculation.spectrumButton, Qt::LeftButton);
    QTest::mouseClick(calculation.computeButton, Qt::LeftButton);
    QVERIFY(answerer_.Answered().isEmpty());
    QCOMPARE(SpectrumReady(), 1);
    QCOMPARE(SpectrumFile(), accepted);
    QVERIFY(AtLogicalSize(calculation.graph->RetainedImage()) == curve);
    const std::string label = Program().Bench().LegendRows(tervolin::GraphKind::kAngle).at(0).title;
    QVERIFY2(label.find("PMMA 100 kV・12°") != std::string::npos, label.c_str());
  }

  void spectralCurveWithAnEmptyEnergyField_data() {
    QTest::addColumn<int>("scatterType");
    QTest::newRow("coherent") << int(tervolin::kCoherent);
    QTest::newRow("incoherent") << int(tervolin::kIncoherent);
  }

  void spectralCurveWithAnEmptyEnergyField() {
    QFETCH(int, scatterType);
    CalculationScreen& calculation = OpenCalculationScreen(scatterType);
    ClickOption(calculation.spectrumOption);
    QTest::mouseClick(calculation.spectrumButton, Qt::LeftButton);
    SpectrumScreen& f = Program().Spectrum();
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QTest::mouseClick(f.okButton, Qt::LeftButton);
    QVERIFY(calculation.energyField->text().isEmpty());
    ClickMaterial(calculation.materialList, "PMMA");
    QTest::mouseClick(calculation.computeButton, Qt::LeftButton);
    QVERIFY(answerer_.Answered().isEmpty());
    QVERIFY(CountPixels(AtLogicalSize(calculation.graph->RetainedImage()), IsRed) > 300);
  }

  void okWhereTheFileCannotBeWritten() {
    std::filesystem::create_directory(kSpectrumFile);  // takes the file's name
    SpectrumScreen& f = OpenSpectrumScreen();
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QTest::mouseClick(f.okButton, Qt::LeftButton);
    QCOMPARE(answerer_.Answered().size(), 1);
    CheckWarningBoxes(answerer_);
    const QString text = answerer_.Answered().first().text;
    QVERIFY2(text.contains(QStringLiteral("P_Spectrum.dat")), qPrintable(text));
    QVERIFY(text.front() == QChar(0x3000) && text.back() == QChar(0x3000));
    QVERIFY(f.isVisible());
    QCOMPARE(SpectrumReady(), 0);

    // The program goes on: with the way cleared, OK works.
    std::filesystem::remove(kSpectrumFile);
    QTest::mouseClick(f.okButton, Qt::LeftButton);
    QCOMPARE(SpectrumFile().size(), 5400);
    QCOMPARE(SpectrumReady(), 1);
    QVERIFY(!f.isVisible());
  }

 private:
  std::unique_ptr<ScreenWorkspace> workspace_;
  ModalAnswerer answerer_;
};

QTEST_MAIN(SpectrumScreenTest)
#include "test_spectrum_screen.moc"
