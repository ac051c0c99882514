// The calculation screen's material list: what the working directory's XFS_Data
// holds, read when the screen is made, in a list of fixed size that scrolls; and the
// tissues drawn from the shipped tables.

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "calculation_fixture.h"
#include "ui/session.h"
#include "modal_answerer.h"
#include "ui/calculation_screen.h"
#include "ui/picture_surface.h"

using namespace tervolin::testing;
namespace fs = std::filesystem;

namespace {

QStringList Entries(const QListWidget& list) {
  QStringList entries;
  for (int row = 0; row < list.count(); ++row)
    entries.append(list.item(row)->text());
  return entries;
}

QImage Graph(const CalculationScreen& f) {
  return AtLogicalSize(f.graph->RetainedImage());
}

// Closes the calculation screen for good, so that the next one is made afresh.
void CloseCalculationScreen() {
  QVERIFY(CalculationScreen::Instance().close());
  ScreenWorkspace::FlushDeletions();
  QCOMPARE(CalculationScreen::Existing(), nullptr);
}

}  // namespace

class MaterialListTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { workspace_ = std::make_unique<ScreenWorkspace>(); }
  void cleanup() {
    answerer_.Clear();
    workspace_.reset();
  }

  void listScrollsWithinItsSizeAndTheKeyboardReachesTheLastMaterial() {
    CalculationScreen& f = OpenCalculationScreen(tervolin::kCoherent);
    QCOMPARE(f.materialList->count(), 18);
    QCOMPARE(f.materialList->size(), QSize(89, 172));
    QVERIFY(f.materialList->verticalScrollBar()->maximum() > 0);
    f.materialList->setFocus();
    QTest::keyClick(f.materialList, Qt::Key_Down);  // the first key press picks the first entry
    QTest::keyClick(f.materialList, Qt::Key_End);
    QCOMPARE(f.materialList->currentItem()->text(), Utf8("ガドリニウム酸硫化物"));
    QVERIFY(
        f.materialList->viewport()->rect().intersects(f.materialList->visualItemRect(f.materialList->currentItem())));
    QCOMPARE(f.materialList->currentItem()->toolTip(), Utf8("ガドリニウム酸硫化物 (gos)"));
    SaveShot(*f.materialList, "material_list_end.png");
  }

  // A material copied into XFS_Data shows after the screen is made again, after the
  // shipped ones and by name; without its .csv it is left out.
  void listShowsWhatTheFolderHoldsWhenTheScreenIsMade() {
    const fs::path folder = workspace_->Scratch().path() / "XFS_Data";
    const QStringList shipped = Entries(*OpenCalculationScreen(tervolin::kCoherent).materialList);
    for (const char* name : {"重水", "Zirconia"}) {
      fs::copy_file(folder / "水.xfs", folder / (std::string(name) + ".xfs"));
      fs::copy_file(folder / "水.csv", folder / (std::string(name) + ".csv"));
    }
    fs::copy_file(folder / "水.xfs", folder / "欠損.xfs");
    QCOMPARE(Entries(*CalculationScreen::Instance().materialList), shipped);

    CloseCalculationScreen();
    CalculationScreen& f = OpenCalculationScreen(tervolin::kCoherent);
    QCOMPARE(Entries(*f.materialList), shipped + Utf8("Zirconia 重水").split(' '));

    f.energyField->setText(QStringLiteral("30"));
    ClickMaterial(f.materialList, "重水");
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QVERIFY(answerer_.Answered().isEmpty());
    QVERIFY(CountPixels(Graph(f), IsRed) > 300);
  }

  void theSevenStayWhenTheirFilesAreMissingAndSayWhichFileWhenChosen() {
    fs::remove_all(workspace_->Scratch().path() / "XFS_Data");
    CalculationScreen& f = OpenCalculationScreen(tervolin::kCoherent);
    QCOMPARE(Entries(*f.materialList), Utf8("水素 炭素 鉄 鉛 空気 PMMA 水").split(' '));
    f.energyField->setText(QStringLiteral("30"));
    ClickMaterial(f.materialList, "鉄");
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QCOMPARE(answerer_.Answered().size(), 1);
    QVERIFY(answerer_.Answered().first().text.contains(Utf8("XFS_Data/鉄.xfs")));
  }

  // Bone, soft tissue and fat at 60 keV: three coherent curves in three colours.
  void tissuesAreDrawnFromTheShippedTables() {
    CalculationScreen& f = OpenCalculationScreen(tervolin::kCoherent);
    f.energyField->setText(QStringLiteral("60"));
    const std::pair<const char*, QRadioButton*> curves[] = {
        {"骨", f.redOption}, {"軟部組織", f.darkGreenOption}, {"脂肪", f.blueOption}};
    for (const auto& [material, colour] : curves) {
      ClickOption(colour);
      ClickMaterial(f.materialList, material);
      QTest::mouseClick(f.computeButton, Qt::LeftButton);
    }
    QVERIFY(answerer_.Answered().isEmpty());
    for (auto isColour : {IsRed, IsGreen, IsBlue})
      QVERIFY(CountPixels(Graph(f), isColour) > 300);
    SaveShot(f, "calculation_screen_tissues.png");
  }

 private:
  std::unique_ptr<ScreenWorkspace> workspace_;
  ModalAnswerer answerer_;
};

QTEST_MAIN(MaterialListTest)
#include "test_material_list.moc"
