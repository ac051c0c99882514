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

QImage Graph(const Form4& f) {
  return AtLogicalSize(f.Picture1->RetainedImage());
}

// Closes the calculation screen for good, so that the next one is made afresh.
void CloseCalculationScreen() {
  QVERIFY(Form4::Instance().close());
  ScreenWorkspace::FlushDeletions();
  QCOMPARE(Form4::Existing(), nullptr);
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
    Form4& f = OpenCalculationScreen(tervolin::kCoherent);
    QCOMPARE(f.List1->count(), 18);
    QCOMPARE(f.List1->size(), QSize(89, 172));
    QVERIFY(f.List1->verticalScrollBar()->maximum() > 0);
    f.List1->setFocus();
    QTest::keyClick(f.List1, Qt::Key_Down);  // the first key press picks the first entry
    QTest::keyClick(f.List1, Qt::Key_End);
    QCOMPARE(f.List1->currentItem()->text(), Utf8("ガドリニウム酸硫化物"));
    QVERIFY(
        f.List1->viewport()->rect().intersects(f.List1->visualItemRect(f.List1->currentItem())));
    QCOMPARE(f.List1->currentItem()->toolTip(), Utf8("ガドリニウム酸硫化物 (gos)"));
    SaveShot(*f.List1, "material_list_end.png");
  }

  // A material copied into XFS_Data shows after the screen is made again, after the
  // shipped ones and by name; without its .csv it is left out.
  void listShowsWhatTheFolderHoldsWhenTheScreenIsMade() {
    const fs::path folder = workspace_->Scratch().path() / "XFS_Data";
    const QStringList shipped = Entries(*OpenCalculationScreen(tervolin::kCoherent).List1);
    for (const char* name : {"重水", "Zirconia"}) {
      fs::copy_file(folder / "水.xfs", folder / (std::string(name) + ".xfs"));
      fs::copy_file(folder / "水.csv", folder / (std::string(name) + ".csv"));
    }
    fs::copy_file(folder / "水.xfs", folder / "欠損.xfs");
    QCOMPARE(Entries(*Form4::Instance().List1), shipped);

    CloseCalculationScreen();
    Form4& f = OpenCalculationScreen(tervolin::kCoherent);
    QCOMPARE(Entries(*f.List1), shipped + Utf8("Zirconia 重水").split(' '));

    f.Text1->setText(QStringLiteral("30"));
    ClickMaterial(f.List1, "重水");
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    QVERIFY(answerer_.Answered().isEmpty());
    QVERIFY(CountPixels(Graph(f), IsRed) > 300);
  }

  void theSevenStayWhenTheirFilesAreMissingAndSayWhichFileWhenChosen() {
    fs::remove_all(workspace_->Scratch().path() / "XFS_Data");
    Form4& f = OpenCalculationScreen(tervolin::kCoherent);
    QCOMPARE(Entries(*f.List1), Utf8("水素 炭素 鉄 鉛 空気 PMMA 水").split(' '));
    f.Text1->setText(QStringLiteral("30"));
    ClickMaterial(f.List1, "鉄");
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    QCOMPARE(answerer_.Answered().size(), 1);
    QVERIFY(answerer_.Answered().first().text.contains(Utf8("XFS_Data/鉄.xfs")));
  }

  // Bone, soft tissue and fat at 60 keV: three coherent curves in three colours.
  void tissuesAreDrawnFromTheShippedTables() {
    Form4& f = OpenCalculationScreen(tervolin::kCoherent);
    f.Text1->setText(QStringLiteral("60"));
    const std::pair<const char*, QRadioButton*> curves[] = {
        {"骨", f.Option3}, {"軟部組織", f.Option4}, {"脂肪", f.Option5}};
    for (const auto& [material, colour] : curves) {
      ClickOption(colour);
      ClickMaterial(f.List1, material);
      QTest::mouseClick(f.Command1, Qt::LeftButton);
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
