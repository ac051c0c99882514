// The calculation screen: its layout and keyboard order, the options, the checks of
// the calculate button and which message wins, curves drawn from the shipped tables,
// the clear button, unreadable tables, no event handled inside a calculation, and
// what the return button and the close box keep.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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
#include "ui/session.h"
#include "modal_answerer.h"
#include "ui/start_screen.h"
#include "ui/calculation_screen.h"
#include "ui/picture_surface.h"

using namespace tervolin::ui;

using namespace tervolin::testing;

namespace {

QColor FaceColour(QPushButton* button) {
  return Shot(*button).pixelColor(4, button->height() / 2);
}

QImage Graph(const Form4& f) { return AtLogicalSize(f.Picture1->RetainedImage()); }

bool FramedByIdeographicSpaces(const QString& text) {
  return text.size() > 2 && text.front() == QChar(0x3000) && text.back() == QChar(0x3000);
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
    Form4& f = OpenCalculationScreen(tervolin::kCoherent);
    SaveShot(f, "calculation_screen_empty.png");
    QCOMPARE(f.windowTitle(), Utf8("散乱角度の確率密度分布"));
    QCOMPARE(f.size(), QSize(1028, 509));
    QCOMPARE(f.minimumSize(), f.maximumSize());
    QCOMPARE(f.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(f.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(f.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!f.windowIcon().isNull());

    const std::pair<QWidget*, QRect> placed[] = {
        {f.Frame1, QRect(48, 72, 177, 209)},    {f.Option1, QRect(16, 32, 145, 25)},
        {f.Text1, QRect(40, 64, 73, 33)},       {f.Option2, QRect(16, 112, 145, 25)},
        {f.Command2, QRect(32, 144, 121, 41)},  {f.List1, QRect(256, 104, 89, 172)},
        {f.Frame2, QRect(48, 296, 297, 73)},    {f.Option3, QRect(24, 32, 65, 24)},
        {f.Option4, QRect(112, 32, 73, 25)},    {f.Option5, QRect(208, 32, 65, 24)},
        {f.Command1, QRect(48, 392, 137, 41)},  {f.Command4, QRect(208, 392, 137, 41)},
        {f.Command3, QRect(72, 456, 241, 33)},  {f.Picture1, QRect(408, 56, 593, 417)},
    };
    for (const auto& [widget, geometry] : placed) QCOMPARE(widget->geometry(), geometry);
    for (QWidget* inEnergyFrame : {static_cast<QWidget*>(f.Option1), static_cast<QWidget*>(f.Text1),
                                   static_cast<QWidget*>(f.Label3), static_cast<QWidget*>(f.Option2),
                                   static_cast<QWidget*>(f.Command2)}) {
      QCOMPARE(inEnergyFrame->parentWidget(), f.Frame1);
    }
    for (QRadioButton* colour : {f.Option3, f.Option4, f.Option5}) QCOMPARE(colour->parentWidget(), f.Frame2);
    QCOMPARE(f.Label4->pos(), QPoint(24, 24));
    QCOMPARE(f.Label3->pos(), QPoint(120, 72));
    QCOMPARE(f.Label2->pos(), QPoint(272, 72));
    QCOMPARE(f.Label1->pos(), QPoint(680, 16));
    // The heading ends where the layout's does, whatever its length.
    QCOMPARE(f.Label20->geometry().right(), 664);
    QVERIFY(f.Label20->alignment() & Qt::AlignRight);
    QVERIFY(f.Label20->geometry().right() < f.Label1->x());
    for (QLabel* label : {f.Label4, f.Label3, f.Label2, f.Label1}) {
      QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    }
  }

  void captionsFontsAndColours() {
    Form4& f = OpenCalculationScreen(tervolin::kIncoherent);
    const std::pair<QString, const char*> captions[] = {
        {f.Label4->text(), "光子エネルギーおよび散乱体物質の設定"},
        {f.Frame1->title(), " 光子エネルギー "},
        {f.Option1->text(), "単一エネルギー"},
        {f.Label3->text(), "keV"},
        {f.Option2->text(), "スペクトルＸ線"},
        {f.Command2->text(), "スペクトル計算"},
        {f.Label2->text(), "散乱体"},
        {f.Frame2->title(), " 描画色 "},
        {f.Option3->text(), "赤色"},
        {f.Option4->text(), "濃緑色"},
        {f.Option5->text(), "青色"},
        {f.Command1->text(), "計算・描画"},
        {f.Command4->text(), "グラフ消去"},
        {f.Command3->text(), "終了して初期画面に戻る"},
        {f.Label20->text(), "非干渉性散乱"},
        {f.Label1->text(), "散乱角度の確率密度分布"},
    };
    for (const auto& [shown, expected] : captions) QCOMPARE(shown, Utf8(expected));
    QStringList materials;
    for (int row = 0; row < f.List1->count(); ++row) materials.append(f.List1->item(row)->text());
    QCOMPARE(materials, Utf8("水素 炭素 鉄 鉛 空気 PMMA 水 骨 軟部組織 筋肉 脂肪 肺 アルミニウム 銅 "
                             "タングステン ヨウ素 ヨウ化セシウム ガドリニウム酸硫化物")
                            .split(' '));

    QCOMPARE(QFontInfo(f.font()).family(), Utf8("Noto Sans CJK JP"));
    QCOMPARE(f.font().pixelSize(), 16);
    QCOMPARE(QFontInfo(f.Text1->font()).family(), Utf8("Liberation Serif"));
    QCOMPARE(f.Text1->font().pixelSize(), 19);
    QVERIFY(f.Text1->alignment() & Qt::AlignHCenter);
    QCOMPARE(f.Label3->font().pixelSize(), 19);
    for (QWidget* w : {static_cast<QWidget*>(f.Command2), static_cast<QWidget*>(f.Command3)}) {
      QCOMPARE(w->font().pixelSize(), 15);
    }
    QCOMPARE(f.Label4->font().pixelSize(), 19);
    for (QLabel* heading : {f.Label20, f.Label1}) QCOMPARE(heading->font().pixelSize(), 21);
    QVERIFY(QFontMetrics(f.Label1->font()).inFont(QChar(0x6563)));  // 散

    const std::pair<QWidget*, QColor> inks[] = {
        {f.Label4, QColor(0, 0, 255)},    {f.Label20, QColor(0, 0, 255)},    {f.Label1, QColor(0, 0, 255)},
        {f.Option3, QColor(255, 0, 0)},   {f.Option4, QColor(0, 128, 0)},    {f.Option5, QColor(0, 0, 255)},
        {f.Label2, QColor(0, 0, 0)},
    };
    for (const auto& [widget, ink] : inks) QCOMPARE(widget->palette().color(QPalette::WindowText), ink);
    for (QPushButton* b : {f.Command1, f.Command4, f.Command2}) QCOMPARE(FaceColour(b), QColor(255, 255, 192));
    QCOMPARE(FaceColour(f.Command3), QColor(192, 255, 255));
  }

  void newScreenStartsOnSingleEnergyRedAndNoMaterial() {
    Form4& f = Form4::Instance();
    QVERIFY(f.Option1->isChecked());
    QVERIFY(f.Option3->isChecked());
    QVERIFY(f.List1->selectedItems().isEmpty());
    QVERIFY(!f.Command2->isEnabled());
    QVERIFY(f.Text1->text().isEmpty());
    QCOMPARE(f.focusWidget(), f.List1);
    // Creating the screen leaves the session alone.
    QCOMPARE(TheSession().energyMode, tervolin::kSingleEnergy);
    QCOMPARE(TheSession().plotColour, 0);
  }

  void tabGoesFromTheListToTheReturnButton() {
    Form4& f = OpenCalculationScreen(tervolin::kCoherent);
    ClickOption(f.Option2);  // enables the spectrum button
    QWidget* const order[] = {f.List1,   f.Command2, f.Text1,    f.Option1,  f.Option2, f.Option3,
                              f.Option4, f.Option5,  f.Command1, f.Command4, f.Command3, f.Picture1, f.List1};
    f.List1->setFocus();
    for (std::size_t i = 1; i < std::size(order); ++i) {
      QTest::keyClick(f.focusWidget(), Qt::Key_Tab);
      QCOMPARE(f.focusWidget(), order[i]);
    }
  }

  void optionsSetModeAndColour() {
    Form4& f = OpenCalculationScreen(tervolin::kCoherent);
    ClickOption(f.Option2);
    QCOMPARE(TheSession().energyMode, tervolin::kSpectral);
    QVERIFY(f.Command2->isEnabled());
    ClickOption(f.Option1);
    QCOMPARE(TheSession().energyMode, tervolin::kSingleEnergy);
    QVERIFY(!f.Command2->isEnabled());
    const std::pair<QRadioButton*, int> colours[] = {{f.Option4, 2}, {f.Option5, 9}, {f.Option3, 12}};
    for (const auto& [option, plotColor] : colours) {
      ClickOption(option);
      QCOMPARE(TheSession().plotColour, plotColor);
    }
    // Selected by the program, an option runs its handler as well.
    f.Option2->setChecked(true);
    QCOMPARE(TheSession().energyMode, tervolin::kSpectral);
    QVERIFY(f.Command2->isEnabled());
    f.Option5->setChecked(true);
    QCOMPARE(TheSession().plotColour, 9);
  }

  void firstMissingInputIsTheOnlyMessage_data() {
    QTest::addColumn<bool>("spectral");
    QTest::addColumn<int>("spectrumReady");
    QTest::addColumn<QString>("energy");
    QTest::addColumn<QString>("message");
    const QString noEnergy = Utf8(tervolin::msg::kNoEnergy);
    const QString noSpectrum = Utf8(tervolin::msg::kNoSpectrum);
    const QString noScatterer = Utf8(tervolin::msg::kNoScatterer);
    QTest::newRow("single energy: no energy beats no material") << false << 0 << QString() << noEnergy;
    QTest::newRow("single energy: energy typed, no material") << false << 0 << Utf8("50") << noScatterer;
    QTest::newRow("single energy: a space is an entry") << false << 0 << Utf8(" ") << noScatterer;
    QTest::newRow("spectral: no spectrum beats no material") << true << 0 << QString() << noSpectrum;
    QTest::newRow("spectral: energy field not looked at") << true << 1 << QString() << noScatterer;
    QTest::newRow("spectral: energy typed, still no spectrum") << true << 0 << Utf8("50") << noSpectrum;
  }

  void firstMissingInputIsTheOnlyMessage() {
    QFETCH(bool, spectral);
    QFETCH(int, spectrumReady);
    QFETCH(QString, energy);
    QFETCH(QString, message);
    Form4& f = OpenCalculationScreen(tervolin::kCoherent);
    if (spectral) ClickOption(f.Option2);
    SetSpectrumReady(spectrumReady);
    f.Text1->setText(energy);
    const QImage graph = Graph(f);

    QTest::mouseClick(f.Command1, Qt::LeftButton);
    QCOMPARE(Messages(answerer_), QStringList{message});
    CheckWarningBoxes(answerer_);
    QVERIFY(FramedByIdeographicSpaces(message));
    QVERIFY(Graph(f) == graph);
    QCOMPARE(TheSession().energyMode, spectral ? tervolin::kSpectral : tervolin::kSingleEnergy);
    QCOMPARE(SpectrumReady(), spectrumReady);
    QCOMPARE(f.Text1->text(), energy);
  }

  void singleEnergyCurvesAccumulateInTheirColours_data() {
    QTest::addColumn<int>("scatterType");
    QTest::newRow("coherent") << int(tervolin::kCoherent);
    QTest::newRow("incoherent") << int(tervolin::kIncoherent);
  }

  void singleEnergyCurvesAccumulateInTheirColours() {
    QFETCH(int, scatterType);
    Form4& f = OpenCalculationScreen(scatterType);
    QCOMPARE(CountPixels(Graph(f), IsRed), 0);
    QTest::keyClicks(f.Text1, QStringLiteral("30"));
    ClickMaterial(f.List1, "鉄");
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    const int red = CountPixels(Graph(f), IsRed);
    QVERIFY2(red > 300 && red < 5000, qPrintable(QString::number(red)));  // a curve, not a fill
    QCOMPARE(CountPixels(Graph(f), IsGreen), 0);

    ClickOption(f.Option4);
    ClickMaterial(f.List1, "水");
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    QVERIFY(CountPixels(Graph(f), IsGreen) > 300);
    const int redLeft = CountPixels(Graph(f), IsRed);  // the first curve stays
    QVERIFY2(redLeft > red / 2 && redLeft <= red, qPrintable(QString("%1 of %2").arg(redLeft).arg(red)));
    QVERIFY(answerer_.Answered().isEmpty());
    if (scatterType == tervolin::kCoherent) SaveShot(f, "calculation_screen_two_curves.png");
  }

  void colourChosenLaterLeavesEarlierCurvesAlone() {
    Form4& f = OpenCalculationScreen(tervolin::kCoherent);
    f.Text1->setText(QStringLiteral("60"));
    ClickMaterial(f.List1, "鉛");
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    const QImage drawn = Graph(f);
    ClickOption(f.Option5);
    QVERIFY(Graph(f) == drawn);
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    QVERIFY(CountPixels(Graph(f), IsBlue) > 300);
  }

  void clearButtonEmptiesOnlyTheGraph() {
    Form4& f = OpenCalculationScreen(tervolin::kCoherent);
    const QImage empty = Graph(f);
    f.Text1->setText(QStringLiteral("45"));
    ClickMaterial(f.List1, "炭素");
    ClickOption(f.Option5);
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    ClickOption(f.Option2);
    QVERIFY(Graph(f) != empty);

    QTest::mouseClick(f.Command4, Qt::LeftButton);
    QVERIFY(Graph(f) == empty);
    QCOMPARE(TheSession().energyMode, tervolin::kSpectral);
    QCOMPARE(TheSession().plotColour, 9);
    QCOMPARE(f.List1->selectedItems().size(), 1);
    QCOMPARE(f.List1->selectedItems().first()->text(), Utf8("炭素"));
    QCOMPARE(f.Text1->text(), QStringLiteral("45"));
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
    Form4& f = OpenCalculationScreen(tervolin::kCoherent);
    f.Text1->setText(QStringLiteral("30"));
    ClickMaterial(f.List1, "水");
    QTest::mouseClick(f.Command1, Qt::LeftButton);  // water's tables are now loaded
    const QImage graph = Graph(f);
    const std::filesystem::path path = workspace_->Scratch().path() / file.toStdString();
    std::filesystem::remove(path);
    if (content == "<pipe>") {
      QCOMPARE(::mkfifo(path.c_str(), 0600), 0);  // opening it would wait for a writer
    } else if (!content.isEmpty()) {
      workspace_->Scratch().Write(file.toStdString(), content.toStdString());
    }
    if (spectral) ClickOption(f.Option2);
    SetSpectrumReady(1);

    ClickMaterial(f.List1, "鉄");
    QTest::mouseClick(f.Command1, Qt::LeftButton);
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
    Form4& f = OpenCalculationScreen(tervolin::kCoherent);
    f.Text1->setText(QStringLiteral("30"));
    ClickMaterial(f.List1, "鉄");
    ClickOption(f.Option4);
    QTest::mouseClick(f.Command1, Qt::LeftButton);  // a green curve for the clear button to wipe
    ClickOption(f.Option3);
    f.Text1->setText(QStringLiteral("80"));

    bool handled = false;
    QTimer::singleShot(0, &f, [&] {
      handled = true;
      f.Form4_Command4_Click();
    });
    f.Form4_Command1_Click();
    QVERIFY(!handled);
    QVERIFY(CountPixels(Graph(f), IsGreen) > 300);
    QVERIFY(CountPixels(Graph(f), IsRed) > 300);
    QVERIFY(answerer_.Answered().isEmpty());
    QTRY_VERIFY(handled);
    QCOMPARE(CountPixels(Graph(f), IsGreen) + CountPixels(Graph(f), IsRed), 0);
  }

  void closeBoxUsedDuringADistributionClosesTheScreenAfterIt() {
    Form4& f = OpenCalculationScreen(tervolin::kCoherent);
    f.Text1->setText(QStringLiteral("30"));
    ClickMaterial(f.List1, "鉄");
    const QPointer<Form4> screen(&f);
    QTimer::singleShot(0, &f, [&] { QVERIFY(f.close()); });
    f.Form4_Command1_Click();
    QVERIFY(f.isVisible());  // the distribution was not cut short
    QVERIFY(CountPixels(Graph(f), IsRed) > 300);
    QTRY_VERIFY(screen.isNull() || !screen->isVisible());
    ScreenWorkspace::FlushDeletions();
    QVERIFY(screen.isNull());  // ... but the close came right after it
    QVERIFY(Form1::Existing() != nullptr && Form1::Existing()->isVisible());
    QVERIFY(answerer_.Answered().isEmpty());
  }

  void clickedButtonKeepsItsFocusThroughTheCalculation() {
    Form4& f = OpenCalculationScreen(tervolin::kCoherent);
    f.Text1->setText(QStringLiteral("30"));
    ClickMaterial(f.List1, "鉄");
    f.Command1->setFocus();
    QTest::keyClick(f.Command1, Qt::Key_Space);
    QVERIFY(CountPixels(Graph(f), IsRed) > 300);
    QCOMPARE(f.focusWidget(), f.Command1);
  }

  void returnButtonKeepsTheMaterialCloseBoxForgetsIt() {
    Form4& f = OpenCalculationScreen(tervolin::kCoherent);
    ClickMaterial(f.List1, "鉛");
    ClickOption(f.Option5);
    QTest::mouseClick(f.Command3, Qt::LeftButton);
    QVERIFY(!f.isVisible());
    QVERIFY(Form1::Existing() != nullptr && Form1::Existing()->isVisible());

    Form4& again = OpenCalculationScreen(tervolin::kIncoherent);
    QCOMPARE(&again, &f);
    QCOMPARE(again.List1->selectedItems().size(), 1);
    QCOMPARE(again.List1->selectedItems().first()->text(), Utf8("鉛"));

    Form1::Existing()->HideScreen();
    ClickOption(again.Option4);
    QVERIFY(again.close());
    QVERIFY(Form1::Existing() != nullptr && Form1::Existing()->isVisible());
    QCOMPARE(Form4::Existing(), nullptr);
    QCOMPARE(TheSession().plotColour, 2);  // the close leaves the session alone
    QVERIFY(TheSession().scatter == tervolin::kIncoherent);
    ScreenWorkspace::FlushDeletions();

    Form4& afresh = OpenCalculationScreen(tervolin::kCoherent);
    QVERIFY(afresh.List1->selectedItems().isEmpty());
  }

 private:
  std::unique_ptr<ScreenWorkspace> workspace_;
  ModalAnswerer answerer_;
};

QTEST_MAIN(CalculationScreenTest)
#include "test_calculation_screen.moc"
