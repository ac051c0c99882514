// The calculation screen: its layout and keyboard order, the options, the checks of
// the calculate button and which message wins, curves drawn from the shipped tables,
// the clear button, unreadable tables, no event handled inside a calculation, and
// what the return button and the close box keep; enlarged, the graph windows give
// their graphs the room.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <sys/stat.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <utility>

#include "calculation_fixture.h"
#include "core/messages.h"
#include "ui/screen_set.h"
#include "modal_answerer.h"
#include "ui/start_screen.h"
#include "ui/calculation_screen.h"
#include "graphs/spectrum_graph.h"
#include "ui/angle_view_actions.h"
#include "ui/graph_tools.h"
#include "ui/magnitude_action.h"
#include "ui/magnitude_graph.h"
#include "ui/magnitude_window.h"
#include "ui/picture_surface.h"
#include "graphs/polar_diagram.h"
#include "ui/polar_diagram_window.h"
#include "ui/spectrum_screen.h"

using namespace tervolin::ui;

using namespace tervolin::testing;

namespace {

QColor FaceColour(QPushButton* button) {
  return Shot(*button).pixelColor(4, button->height() / 2);
}

QImage Graph(const CalculationScreen& f) { return AtLogicalSize(f.graph->RetainedImage()); }

bool FramedByIdeographicSpaces(const QString& text) {
  return text.size() > 2 && text.front() == QChar(0x3000) && text.back() == QChar(0x3000);
}

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

class CalculationScreenTest : public QObject {
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
    CalculationScreen& f = OpenCalculationScreen(tervolin::kCoherent);
    SaveShot(f, "calculation_screen_empty.png");
    QCOMPARE(f.windowTitle(), Utf8("散乱角度の確率密度分布"));
    QCOMPARE(f.size(), QSize(1028, 509));
    QCOMPARE(f.minimumSize(), QSize(1028, 509));  // enlarged, the graph grows
    QCOMPARE(f.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(f.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(f.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(f.windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(!f.windowIcon().isNull());

    const std::pair<QWidget*, QRect> placed[] = {
        {f.energyFrame, QRect(48, 72, 177, 209)},    {f.singleEnergyOption, QRect(16, 32, 145, 25)},
        {f.energyField, QRect(40, 64, 73, 33)},       {f.spectrumOption, QRect(16, 112, 145, 25)},
        {f.spectrumButton, QRect(32, 144, 121, 41)},  {f.materialList, QRect(232, 104, 113, 172)},
        {f.colourFrame, QRect(48, 296, 297, 73)},    {f.redOption, QRect(24, 32, 65, 24)},
        {f.darkGreenOption, QRect(112, 32, 73, 25)},    {f.blueOption, QRect(208, 32, 65, 24)},
        {f.computeButton, QRect(48, 392, 137, 41)},  {f.clearButton, QRect(208, 392, 137, 41)},
        {f.returnButton, QRect(72, 456, 241, 33)},  {f.graph, QRect(408, 56, 593, 417)},
    };
    for (const auto& [widget, geometry] : placed) QCOMPARE(widget->geometry(), geometry);
    for (QWidget* inEnergyFrame : {static_cast<QWidget*>(f.singleEnergyOption), static_cast<QWidget*>(f.energyField),
                                   static_cast<QWidget*>(f.energyUnitLabel), static_cast<QWidget*>(f.spectrumOption),
                                   static_cast<QWidget*>(f.spectrumButton)}) {
      QCOMPARE(inEnergyFrame->parentWidget(), f.energyFrame);
    }
    for (QRadioButton* colour : {f.redOption, f.darkGreenOption, f.blueOption}) QCOMPARE(colour->parentWidget(), f.colourFrame);
    QCOMPARE(f.settingsTitleLabel->pos(), QPoint(24, 24));
    QCOMPARE(f.energyUnitLabel->pos(), QPoint(120, 72));
    QCOMPARE(f.materialTitleLabel->pos(), QPoint(272, 72));
    QCOMPARE(f.graphTitleLabel->pos(), QPoint(680, 16));
    // The heading ends where the layout's does, whatever its length.
    QCOMPARE(f.scatterHeadingLabel->geometry().right(), 664);
    QVERIFY(f.scatterHeadingLabel->alignment() & Qt::AlignRight);
    QVERIFY(f.scatterHeadingLabel->geometry().right() < f.graphTitleLabel->x());
    for (QLabel* label : {f.settingsTitleLabel, f.energyUnitLabel, f.materialTitleLabel, f.graphTitleLabel}) {
      QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    }
  }

  void captionsFontsAndColours() {
    CalculationScreen& f = OpenCalculationScreen(tervolin::kIncoherent);
    const std::pair<QString, const char*> captions[] = {
        {f.settingsTitleLabel->text(), "光子エネルギーおよび散乱体物質の設定"},
        {f.energyFrame->title(), " 光子エネルギー "},
        {f.singleEnergyOption->text(), "単一エネルギー"},
        {f.energyUnitLabel->text(), "keV"},
        {f.spectrumOption->text(), "スペクトルＸ線"},
        {f.spectrumButton->text(), "スペクトル計算"},
        {f.materialTitleLabel->text(), "散乱体"},
        {f.colourFrame->title(), " 描画色 "},
        {f.redOption->text(), "赤色"},
        {f.darkGreenOption->text(), "濃緑色"},
        {f.blueOption->text(), "青色"},
        {f.computeButton->text(), "計算・描画"},
        {f.clearButton->text(), "グラフ消去"},
        {f.returnButton->text(), "終了して初期画面に戻る"},
        {f.scatterHeadingLabel->text(), "非干渉性散乱"},
        {f.graphTitleLabel->text(), "散乱角度の確率密度分布"},
    };
    for (const auto& [shown, expected] : captions) QCOMPARE(shown, Utf8(expected));
    QStringList materials;
    for (int row = 0; row < f.materialList->count(); ++row) materials.append(f.materialList->item(row)->text());
    QCOMPARE(materials, Utf8("水素 炭素 鉄 鉛 空気 PMMA 水 骨 軟部組織 筋肉 脂肪 肺 アルミニウム 銅 "
                             "タングステン ヨウ素 ヨウ化セシウム ガドリニウム酸硫化物")
                            .split(' '));

    QCOMPARE(QFontInfo(f.font()).family(), Utf8("Noto Sans CJK JP"));
    QCOMPARE(f.font().pixelSize(), 16);
    QCOMPARE(QFontInfo(f.energyField->font()).family(), Utf8("Liberation Serif"));
    QCOMPARE(f.energyField->font().pixelSize(), 19);
    QVERIFY(f.energyField->alignment() & Qt::AlignHCenter);
    QCOMPARE(f.energyUnitLabel->font().pixelSize(), 19);
    for (QWidget* w : {static_cast<QWidget*>(f.spectrumButton), static_cast<QWidget*>(f.returnButton)}) {
      QCOMPARE(w->font().pixelSize(), 15);
    }
    QCOMPARE(f.settingsTitleLabel->font().pixelSize(), 19);
    for (QLabel* heading : {f.scatterHeadingLabel, f.graphTitleLabel}) QCOMPARE(heading->font().pixelSize(), 21);
    QVERIFY(QFontMetrics(f.graphTitleLabel->font()).inFont(QChar(0x6563)));  // 散

    const std::pair<QWidget*, QColor> inks[] = {
        {f.settingsTitleLabel, QColor(0, 0, 255)},    {f.scatterHeadingLabel, QColor(0, 0, 255)},    {f.graphTitleLabel, QColor(0, 0, 255)},
        {f.redOption, QColor(255, 0, 0)},   {f.darkGreenOption, QColor(0, 128, 0)},    {f.blueOption, QColor(0, 0, 255)},
        {f.materialTitleLabel, QColor(0, 0, 0)},
    };
    for (const auto& [widget, ink] : inks) QCOMPARE(widget->palette().color(QPalette::WindowText), ink);
    for (QPushButton* b : {f.computeButton, f.clearButton, f.spectrumButton}) QCOMPARE(FaceColour(b), QColor(255, 255, 192));
    QCOMPARE(FaceColour(f.returnButton), QColor(192, 255, 255));
  }

  void newScreenStartsOnSingleEnergyRedAndNoMaterial() {
    CalculationScreen& f = Program().Calculation();
    QVERIFY(f.singleEnergyOption->isChecked());
    QVERIFY(f.redOption->isChecked());
    QVERIFY(f.materialList->selectedItems().isEmpty());
    QVERIFY(!f.spectrumButton->isEnabled());
    QVERIFY(f.energyField->text().isEmpty());
    QCOMPARE(f.focusWidget(), f.materialList);
    // Creating the screen leaves the session alone.
    QCOMPARE(Program().Bench().EnergyMode(), tervolin::kSingleEnergy);
    QCOMPARE(Program().Bench().Colour(), 0);
  }

  void tabGoesFromTheListToTheReturnButton() {
    CalculationScreen& f = OpenCalculationScreen(tervolin::kCoherent);
    ClickOption(f.spectrumOption);  // enables the spectrum button
    QWidget* const order[] = {f.materialList,   f.spectrumButton, f.energyField,    f.singleEnergyOption,  f.spectrumOption, f.redOption,
                              f.darkGreenOption, f.blueOption,  f.computeButton, f.clearButton, f.returnButton, f.graph, f.materialList};
    f.materialList->setFocus();
    for (std::size_t i = 1; i < std::size(order); ++i) {
      QTest::keyClick(f.focusWidget(), Qt::Key_Tab);
      QCOMPARE(f.focusWidget(), order[i]);
    }
  }

  void optionsSetModeAndColour() {
    CalculationScreen& f = OpenCalculationScreen(tervolin::kCoherent);
    ClickOption(f.spectrumOption);
    QCOMPARE(Program().Bench().EnergyMode(), tervolin::kSpectral);
    QVERIFY(f.spectrumButton->isEnabled());
    ClickOption(f.singleEnergyOption);
    QCOMPARE(Program().Bench().EnergyMode(), tervolin::kSingleEnergy);
    QVERIFY(!f.spectrumButton->isEnabled());
    const std::pair<QRadioButton*, int> colours[] = {{f.darkGreenOption, 2}, {f.blueOption, 9}, {f.redOption, 12}};
    for (const auto& [option, plotColor] : colours) {
      ClickOption(option);
      QCOMPARE(Program().Bench().Colour(), plotColor);
    }
    // Selected by the program, an option runs its handler as well.
    f.spectrumOption->setChecked(true);
    QCOMPARE(Program().Bench().EnergyMode(), tervolin::kSpectral);
    QVERIFY(f.spectrumButton->isEnabled());
    f.blueOption->setChecked(true);
    QCOMPARE(Program().Bench().Colour(), 9);
  }

  void firstMissingInputIsTheOnlyMessage_data() {
    QTest::addColumn<bool>("spectral");
    QTest::addColumn<int>("spectrumReady");
    QTest::addColumn<QString>("energy");
    QTest::addColumn<QString>("message");
    const QString noEnergy = FromUtf8(tervolin::MessageOf(tervolin::TextId::kNoEnergy, tervolin::Language::kJapanese));
    const QString noSpectrum = FromUtf8(tervolin::MessageOf(tervolin::TextId::kNoSpectrum, tervolin::Language::kJapanese));
    const QString noScatterer = FromUtf8(tervolin::MessageOf(tervolin::TextId::kNoScatterer, tervolin::Language::kJapanese));
    QTest::newRow("single energy: no energy beats no material") << false << 0 << QString() << noEnergy;
    QTest::newRow("single energy: energy typed, no material") << false << 0 << Utf8("50") << noScatterer;
    const QString noEnergyNumber = FromUtf8(tervolin::MessageOf(tervolin::TextId::kEnergyNotANumber, tervolin::Language::kJapanese));
    for (const char* energy : {" ", "abc", "2,5", "0", "-5"}) {
      QTest::newRow(energy) << false << 0 << Utf8(energy) << noEnergyNumber;
    }
    QTest::newRow("spectral: no spectrum beats no material") << true << 0 << QString() << noSpectrum;
    QTest::newRow("spectral: energy field not looked at") << true << 1 << QString() << noScatterer;
    QTest::newRow("spectral: energy typed, still no spectrum") << true << 0 << Utf8("50") << noSpectrum;
  }

  void firstMissingInputIsTheOnlyMessage() {
    QFETCH(bool, spectral);
    QFETCH(int, spectrumReady);
    QFETCH(QString, energy);
    QFETCH(QString, message);
    CalculationScreen& f = OpenCalculationScreen(tervolin::kCoherent);
    if (spectral) ClickOption(f.spectrumOption);
    SetSpectrumReady(spectrumReady);
    f.energyField->setText(energy);
    const QImage graph = Graph(f);

    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QCOMPARE(Messages(answerer_), QStringList{message});
    CheckWarningBoxes(answerer_);
    QVERIFY(FramedByIdeographicSpaces(message));
    QVERIFY(Graph(f) == graph);
    QCOMPARE(Program().Bench().EnergyMode(), spectral ? tervolin::kSpectral : tervolin::kSingleEnergy);
    QCOMPARE(SpectrumReady(), spectrumReady);
    QCOMPARE(f.energyField->text(), energy);
  }

  void singleEnergyCurvesAccumulateInTheirColours_data() {
    QTest::addColumn<int>("scatterType");
    QTest::newRow("coherent") << int(tervolin::kCoherent);
    QTest::newRow("incoherent") << int(tervolin::kIncoherent);
  }

  void singleEnergyCurvesAccumulateInTheirColours() {
    QFETCH(int, scatterType);
    CalculationScreen& f = OpenCalculationScreen(scatterType);
    QCOMPARE(CountPixels(Graph(f), IsRed), 0);
    QTest::keyClicks(f.energyField, QStringLiteral("30"));
    ClickMaterial(f.materialList, "鉄");
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    const int red = CountPixels(Graph(f), IsRed);
    QVERIFY2(red > 300 && red < 5000, qPrintable(QString::number(red)));  // a curve, not a fill
    QCOMPARE(CountPixels(Graph(f), IsGreen), 0);

    ClickOption(f.darkGreenOption);
    ClickMaterial(f.materialList, "水");
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QVERIFY(CountPixels(Graph(f), IsGreen) > 300);
    const int redLeft = CountPixels(Graph(f), IsRed);  // the first curve stays
    QVERIFY2(redLeft > red / 2 && redLeft <= red, qPrintable(QString("%1 of %2").arg(redLeft).arg(red)));
    QVERIFY(answerer_.Answered().isEmpty());
    if (scatterType == tervolin::kCoherent) SaveShot(f, "calculation_screen_two_curves.png");
  }

  void colourChosenLaterLeavesEarlierCurvesAlone() {
    CalculationScreen& f = OpenCalculationScreen(tervolin::kCoherent);
    f.energyField->setText(QStringLiteral("60"));
    ClickMaterial(f.materialList, "鉛");
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    const QImage drawn = Graph(f);
    ClickOption(f.blueOption);
    QVERIFY(Graph(f) == drawn);
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QVERIFY(CountPixels(Graph(f), IsBlue) > 300);
  }

  void clearButtonEmptiesOnlyTheGraph() {
    CalculationScreen& f = OpenCalculationScreen(tervolin::kCoherent);
    const QImage empty = Graph(f);
    f.energyField->setText(QStringLiteral("45"));
    ClickMaterial(f.materialList, "炭素");
    ClickOption(f.blueOption);
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    ClickOption(f.spectrumOption);
    QVERIFY(Graph(f) != empty);

    QTest::mouseClick(f.clearButton, Qt::LeftButton);
    QVERIFY(Graph(f) == empty);
    QCOMPARE(Program().Bench().EnergyMode(), tervolin::kSpectral);
    QCOMPARE(Program().Bench().Colour(), 9);
    QCOMPARE(f.materialList->selectedItems().size(), 1);
    QCOMPARE(f.materialList->selectedItems().first()->text(), Utf8("炭素"));
    QCOMPARE(f.energyField->text(), QStringLiteral("45"));
  }

  void unreadableTableStopsTheCalculation_data() {
    QTest::addColumn<bool>("spectral");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");  // empty: the file is missing; "<pipe>": a named pipe
    QTest::addColumn<QString>("detail");
    QTest::newRow("form factors missing") << false << Utf8("XFS_Data/鉄.xfs") << QByteArray() << QString();
    QTest::newRow("form factors short") << false << Utf8("XFS_Data/鉄.xfs") << QByteArray("0.1, 2, 3\n0.2, 3, 4\n")
                                         << QStringLiteral("135");
    QTest::newRow("form factor not a number") << false << Utf8("XFS_Data/鉄.xfs") << QByteArray("0.1, x2, 3\n")
                                               << QStringLiteral("x2");
    QTest::newRow("form factors a named pipe") << false << Utf8("XFS_Data/鉄.xfs") << QByteArray("<pipe>")
                                                << Utf8("通常のファイルではありません");
    QTest::newRow("cross sections missing") << true << Utf8("XFS_Data/鉄.csv") << QByteArray() << QString();
    QTest::newRow("cross sections short") << true << Utf8("XFS_Data/鉄.csv") << QByteArray("0.5, 1, 2\n")
                                           << QStringLiteral("900");
  }

  void unreadableTableStopsTheCalculation() {
    QFETCH(bool, spectral);
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, detail);
    CalculationScreen& f = OpenCalculationScreen(tervolin::kCoherent);
    f.energyField->setText(QStringLiteral("30"));
    ClickMaterial(f.materialList, "水");
    QTest::mouseClick(f.computeButton, Qt::LeftButton);  // water's tables are now loaded
    const QImage graph = Graph(f);
    const std::filesystem::path path = workspace_->Scratch().path() / file.toStdString();
    std::filesystem::remove(path);
    if (content == "<pipe>") {
      QCOMPARE(::mkfifo(path.c_str(), 0600), 0);  // opening it would wait for a writer
    } else if (!content.isEmpty()) {
      workspace_->Scratch().Write(file.toStdString(), content.toStdString());
    }
    if (spectral) ClickOption(f.spectrumOption);
    SetSpectrumReady(1);

    ClickMaterial(f.materialList, "鉄");
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QCOMPARE(answerer_.Answered().size(), 1);
    CheckWarningBoxes(answerer_);
    const QString text = answerer_.Answered().first().text;
    QVERIFY2(FramedByIdeographicSpaces(text), qPrintable(text));
    QVERIFY2(text.contains(file), qPrintable(text));
    QVERIFY2(text.contains(detail), qPrintable(text));
    QVERIFY(Graph(f) == graph);
  }

  // A click that comes while a distribution is computed waits for it: the
  // calculation handles no event, so nothing can start, clear or leave mid-way.
  void clicksDuringADistributionWaitUntilItIsDrawn() {
    CalculationScreen& f = OpenCalculationScreen(tervolin::kCoherent);
    f.energyField->setText(QStringLiteral("30"));
    ClickMaterial(f.materialList, "鉄");
    ClickOption(f.darkGreenOption);
    QTest::mouseClick(f.computeButton, Qt::LeftButton);  // a green curve for the clear button to wipe
    ClickOption(f.redOption);
    f.energyField->setText(QStringLiteral("80"));

    bool handled = false;
    QTimer::singleShot(0, &f, [&] {
      handled = true;
      f.onClearClicked();
    });
    f.onComputeClicked();
    QVERIFY(!handled);
    QVERIFY(CountPixels(Graph(f), IsGreen) > 300);
    QVERIFY(CountPixels(Graph(f), IsRed) > 300);
    QVERIFY(answerer_.Answered().isEmpty());
    QTRY_VERIFY(handled);
    QCOMPARE(CountPixels(Graph(f), IsGreen) + CountPixels(Graph(f), IsRed), 0);
  }

  void closeBoxUsedDuringADistributionClosesTheScreenAfterIt() {
    CalculationScreen& f = OpenCalculationScreen(tervolin::kCoherent);
    f.energyField->setText(QStringLiteral("30"));
    ClickMaterial(f.materialList, "鉄");
    const QPointer<CalculationScreen> screen(&f);
    QTimer::singleShot(0, &f, [&] { QVERIFY(f.close()); });
    f.onComputeClicked();
    QVERIFY(f.isVisible());  // the distribution was not cut short
    QVERIFY(CountPixels(Graph(f), IsRed) > 300);
    QTRY_VERIFY(screen.isNull() || !screen->isVisible());
    ScreenWorkspace::FlushDeletions();
    QVERIFY(screen.isNull());  // ... but the close came right after it
    QVERIFY(Program().ExistingStart() != nullptr && Program().ExistingStart()->isVisible());
    QVERIFY(answerer_.Answered().isEmpty());
  }

  void clickedButtonKeepsItsFocusThroughTheCalculation() {
    CalculationScreen& f = OpenCalculationScreen(tervolin::kCoherent);
    f.energyField->setText(QStringLiteral("30"));
    ClickMaterial(f.materialList, "鉄");
    f.computeButton->setFocus();
    QTest::keyClick(f.computeButton, Qt::Key_Space);
    QVERIFY(CountPixels(Graph(f), IsRed) > 300);
    QCOMPARE(f.focusWidget(), f.computeButton);
  }

  void returnButtonKeepsTheMaterialCloseBoxForgetsIt() {
    CalculationScreen& f = OpenCalculationScreen(tervolin::kCoherent);
    ClickMaterial(f.materialList, "鉛");
    ClickOption(f.blueOption);
    QTest::mouseClick(f.returnButton, Qt::LeftButton);
    QVERIFY(!f.isVisible());
    QVERIFY(Program().ExistingStart() != nullptr && Program().ExistingStart()->isVisible());

    CalculationScreen& again = OpenCalculationScreen(tervolin::kIncoherent);
    QCOMPARE(&again, &f);
    QCOMPARE(again.materialList->selectedItems().size(), 1);
    QCOMPARE(again.materialList->selectedItems().first()->text(), Utf8("鉛"));

    Program().ExistingStart()->HideScreen();
    ClickOption(again.darkGreenOption);
    QVERIFY(again.close());
    QVERIFY(Program().ExistingStart() != nullptr && Program().ExistingStart()->isVisible());
    QCOMPARE(Program().ExistingCalculation(), nullptr);
    QCOMPARE(Program().Bench().Colour(), 2);  // the close leaves the session alone
    QVERIFY(Program().Bench().Scattering() == tervolin::kIncoherent);
    ScreenWorkspace::FlushDeletions();

    CalculationScreen& afresh = OpenCalculationScreen(tervolin::kCoherent);
    QVERIFY(afresh.materialList->selectedItems().isEmpty());
  }

  // Enlarged to a 1920 × 1050 desktop, each graph window gives its graph the room,
  // drawn anew and sharp, and the read-out (which maps the pointer as dragging the
  // legend does) still names the angle under the pointer.
  void everyGraphWindowGivesItsGraphTheRoom() {
    CalculationScreen& f = OpenCalculationScreen(tervolin::kIncoherent);
    f.energyField->setText(QStringLiteral("60"));
    ClickMaterial(f.materialList, "水");
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    const QImage own = f.graph->RetainedImage();
    Enlarge(f, *f.graph, {f.energyFrame, f.materialList, f.colourFrame, f.computeButton, f.returnButton}, true);
    QVERIFY(f.graph->RetainedImage().width() >= f.graph->width() - 4);  // drawn anew, not stretched
    QVERIFY(ReadOut(*f.graph, 60.2, 0.5).startsWith(Utf8("θ = 60°\n")));

    f.views->ShowPolarWindow();
    WindowGraph& polar = f.views->PolarWindow()->Diagram();
    const auto radius = [&polar] {  // of the unit circle, in the window's pixels
      const QSize drawn = polar.DrawnSize();
      return tervolin::PolarDiagramFrame(drawn.width(), drawn.height(), 1).radius * polar.Zoom();
    };
    const double ownRadius = radius();
    Enlarge(*f.views->PolarWindow(), polar, {}, true);
    QVERIFY(radius() >= 1.6 * ownRadius);
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
  ModalAnswerer answerer_;
};

QTEST_MAIN(CalculationScreenTest)
#include "test_calculation_screen.moc"
