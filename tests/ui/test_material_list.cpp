// The calculation screen's material list: what the working directory's XFS_Data
// holds, read at each opening of the screen, in a list of fixed size that scrolls;
// and the tissues drawn from the shipped tables.

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "calculation_fixture.h"
#include "core/messages.h"
#include "ui/screen_set.h"
#include "modal_answerer.h"
#include "ui/calculation_screen.h"
#include "ui/material_list.h"
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

// Each entry stands below the one before it on one line, as high as the first, and
// the chosen one, if any, is in view (its line; a long name scrolls sideways).
void CheckListShown(const QListWidget& list) {
  QCoreApplication::processEvents();
  for (int row = 1; row < list.count(); ++row) {
    const QRect above = list.visualItemRect(list.item(row - 1)), entry = list.visualItemRect(list.item(row));
    QVERIFY2(above.bottom() < entry.top() && entry.height() == above.height(), qPrintable(list.item(row)->text()));
  }
  if (const QListWidgetItem* chosen = list.currentItem()) {
    const QRect line = list.visualItemRect(chosen);
    QVERIFY(line.top() >= 0 && line.bottom() <= list.viewport()->rect().bottom());
  }
}

// A material with water's tables under another name.
void AddMaterial(const fs::path& folder, const std::string& name) {
  fs::copy_file(folder / "水.xfs", folder / (name + ".xfs"));
  fs::copy_file(folder / "水.csv", folder / (name + ".csv"));
}

QStringList SelectedEntries(const QListWidget& list) {
  QStringList entries;
  for (const QListWidgetItem* item : list.selectedItems()) entries.append(item->text());
  return entries;
}

// Back to the start screen, then to the calculation screen again through an
// explanation screen's 次へ進む; the same screen comes back.
void ReopenCalculationScreen(CalculationScreen& f, int scatterType) {
  QTest::mouseClick(f.returnButton, Qt::LeftButton);
  QVERIFY(!f.isVisible());
  QCOMPARE(&OpenCalculationScreen(scatterType), &f);
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
    QCOMPARE(f.materialList->size(), QSize(113, 172));
    QVERIFY(f.materialList->verticalScrollBar()->maximum() > 0);
    CheckListShown(*f.materialList);
    QVERIFY(f.materialList->horizontalScrollBar()->maximum() > 0);  // ガドリニウム酸硫化物 scrolls sideways
    f.materialList->setFocus();
    QTest::keyClick(f.materialList, Qt::Key_Down);  // the first key press picks the first entry
    QTest::keyClick(f.materialList, Qt::Key_End);
    QCOMPARE(f.materialList->currentItem()->text(), Utf8("ガドリニウム酸硫化物"));
    QVERIFY(
        f.materialList->viewport()->rect().intersects(f.materialList->visualItemRect(f.materialList->currentItem())));
    QCOMPARE(f.materialList->currentItem()->toolTip(), Utf8("ガドリニウム酸硫化物 (gos)"));
    SaveShot(*f.materialList, "material_list_end.png");
  }

  // The screen opens with the focus in the list and no entry framed or chosen, as
  // 計算 then says; the first arrow key chooses the first entry.
  void freshListShowsNoEntryChosenUntilAKeyChoosesOne() {
    CalculationScreen& f = OpenCalculationScreen(tervolin::kCoherent);
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f) && f.materialList->hasFocus());
    QCOMPARE(f.materialList->currentItem(), nullptr);
    QVERIFY(SelectedEntries(*f.materialList).isEmpty());
    SaveShot(f, "calculation_screen_fresh.png");
    QTest::keyClick(f.materialList, Qt::Key_Down);
    QCOMPARE(SelectedEntries(*f.materialList), QStringList(Utf8("水素")));
    QCOMPARE(f.materialList->currentItem()->text(), Utf8("水素"));
  }

  // Each opening by 次へ進む reads XFS_Data again: a material copied in meanwhile is
  // listed after the shipped ones and by name (without its .csv it is left out); one
  // removed is no longer offered, and the chosen one stays chosen, in view, only while
  // it is there.
  void listShowsWhatTheFolderHoldsAtEachOpening() {
    const fs::path folder = workspace_->Scratch().path() / "XFS_Data";
    CalculationScreen& f = OpenCalculationScreen(tervolin::kCoherent);
    const QStringList shipped = Entries(*f.materialList);
    for (const char* name : {"重水", "Zirconia"}) AddMaterial(folder, name);
    fs::copy_file(folder / "水.xfs", folder / "欠損.xfs");
    QCOMPARE(Entries(*f.materialList), shipped);

    ClickMaterial(f.materialList, "ガドリニウム酸硫化物");  // wraps into three lines
    ReopenCalculationScreen(f, tervolin::kIncoherent);
    QCOMPARE(Entries(*f.materialList), shipped + Utf8("Zirconia 重水").split(' '));
    QCOMPARE(SelectedEntries(*f.materialList), QStringList(Utf8("ガドリニウム酸硫化物")));
    CheckListShown(*f.materialList);
    f.energyField->setText(QStringLiteral("30"));
    ClickMaterial(f.materialList, "重水");
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QVERIFY(answerer_.Answered().isEmpty());
    QVERIFY(CountPixels(Graph(f), IsRed) > 300);

    fs::remove(folder / "Zirconia.xfs");
    const QStringList added = QStringLiteral("A0 A1 A2 A3 A4 A5 A6 A7").split(' ');  // before 重水
    for (const QString& name : added) AddMaterial(folder, name.toStdString());
    ReopenCalculationScreen(f, tervolin::kCoherent);
    QCOMPARE(Entries(*f.materialList), shipped + added + QStringList(Utf8("重水")));
    QCOMPARE(SelectedEntries(*f.materialList), QStringList(Utf8("重水")));
    CheckListShown(*f.materialList);

    fs::remove(folder / "重水.csv");
    ReopenCalculationScreen(f, tervolin::kCoherent);
    QCOMPARE(Entries(*f.materialList), shipped + added);
    QVERIFY(SelectedEntries(*f.materialList).isEmpty());
    f.energyField->setText(QStringLiteral("30"));
    QTest::mouseClick(f.computeButton, Qt::LeftButton);
    QCOMPARE(Messages(answerer_), QStringList(FromUtf8(tervolin::MessageOf(tervolin::TextId::kNoScatterer, tervolin::Language::kJapanese))));
  }

  // Names that would pass for others show their hidden characters as the messages
  // show them; the one chosen is computed under its own name.
  void namesThatWouldHideShowEscaped() {
    const std::pair<const char*, const char*> names[] = {
        {"bidi\u202Eevil", "bidi\\u202Eevil"}, {"zw\u200Bsp", "zw\\u200Bsp"}, {"鉄 ", "鉄␠"},
        {"\u3000a b\u3000", "\\u3000a b\\u3000"}, {"  ", "␠␠"}, {"a\u2028b", "a\\u2028b"},
        {"\u0301x", "\\u0301x"}, {"v\uFE0F", "v\\uFE0F"}};
    for (const auto& [name, shown] : names) AddMaterial(workspace_->Scratch().path() / "XFS_Data", name);
    CalculationScreen& f = OpenCalculationScreen(tervolin::kCoherent);
    for (const auto& [name, shown] : names) {
      QVERIFY2(Entries(*f.materialList).contains(Utf8(shown)), shown);
      ClickMaterial(f.materialList, shown);
      QCOMPARE(ChosenMaterial(*f.materialList), Utf8(name));
    }
    QCOMPARE(Entries(*f.materialList).count(Utf8("鉄")), 1);
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
