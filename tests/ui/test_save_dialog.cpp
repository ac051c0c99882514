// The save dialog as a user meets it (Qt's own, answered by timer): Qt's texts in
// Japanese, the PNG sizes among its filters, a refused extension, and the folder it
// starts in after a failed save.

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <vector>

#include "support/scratch_directory.h"
#include "ui/polar_diagram_window.h"
#include "ui/qt_text.h"
#include "ui/qt_translations.h"
#include "ui/save_dialog.h"

using namespace tervolin::ui;
namespace fs = std::filesystem;

namespace {

using Step = std::function<void(QWidget&)>;

// Answers the modal windows as they come up, one step each, in turn.
class Answers {
 public:
  explicit Answers(std::vector<Step> steps) : steps_(std::move(steps)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal != nullptr && modal->isVisible() && next_ < steps_.size()) steps_[next_++](*modal);
    });
    timer_.start(20);
  }

 private:
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  QTimer timer_;
};

// In the file dialog: notes its folder, name, filter and buttons, goes `filter`
// entries down the type list by keyboard, types `name` and saves (cancels for none).
Step Save(const QString& name, QStringList* seen = nullptr, int filter = 0) {
  return [=](QWidget& modal) {
    auto& dialog = *qobject_cast<QFileDialog*>(&modal);
    auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
    if (seen) *seen = {dialog.directory().absolutePath(), edit->text(), dialog.selectedNameFilter()};
    for (QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons()) {
      if (seen) *seen << button->text();
    }
    for (int i = 0; i < filter; ++i) QTest::keyClick(dialog.findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
    if (name.isEmpty()) return dialog.reject();
    edit->setText(name);
    QMetaObject::invokeMethod(&dialog, "accept");
  };
}

Step Ok(QString* text) {
  return [=](QWidget& modal) {
    *text = qobject_cast<QMessageBox*>(&modal)->text();
    qobject_cast<QMessageBox*>(&modal)->button(QMessageBox::Ok)->click();
  };
}

}  // namespace

class SaveDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(InstallQtTranslations());
    qputenv("TERVOLIN_QT_FILE_DIALOG", "1");
    qputenv("HOME", QByteArray(home_.path().c_str()));
    qputenv("XDG_CONFIG_HOME", QByteArray((home_.path() / ".config").c_str()));
  }

  // Qt's own buttons in Japanese; the type list's entry gives the type and the PNG's
  // size, the name's own extension wins, and one the name lacks is added.
  void filterGivesTypeAndPngScale() {
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    for (auto [button, text] : {std::pair{QMessageBox::Ok, "OK"}, {QMessageBox::Cancel, "キャンセル"},
                                {QMessageBox::Yes, "はい(&Y)"}, {QMessageBox::No, "いいえ(&N)"}}) {
      QCOMPARE(box.button(button)->text(), Utf8(text));
    }
    const QString dir = QString::fromStdString(home_.path().string()) + "/";
    // The slides' filters: PNG 1× and 2× (5, 6), SVG (7), PDF (8); a name of another
    // type is no slide.
    const std::tuple<int, const char*, const char*, GraphFileType, int, bool> rows[] = {
        {0, "a", "a.png", GraphFileType::kPng, 2, false},  {1, "b", "b.png", GraphFileType::kPng, 1, false},
        {2, "c.PNG", "c.PNG", GraphFileType::kPng, 3, false}, {3, "d", "d.svg", GraphFileType::kSvg, 2, false},
        {9, "e", "e.csv", GraphFileType::kCsv, 2, false},  {2, "f.pdf", "f.pdf", GraphFileType::kPdf, 2, false},
        {0, "data.2024", "data.2024.png", GraphFileType::kPng, 2, false}, {6, "g", "g.png", GraphFileType::kPng, 2, true},
        {8, "h", "h.pdf", GraphFileType::kPdf, 2, true}, {5, "i.svg", "i.svg", GraphFileType::kSvg, 2, false}};
    for (const auto& [filter, typed, path, type, scale, slide] : rows) {
      QStringList seen;
      const Answers answers({Save(dir + typed, &seen, filter)});
      const auto file = AskFileToSave(nullptr, GraphAndSlideFileFilters(), Utf8("鉄.png"), saves, tervolin::Language::kJapanese);
      QVERIFY(file && file->path == dir + path && file->type == type && file->pngScale == scale && file->slide == slide);
      QCOMPARE(seen.mid(1), Utf8("鉄.png|PNG 画像・画面の 2 倍 (*.png)|保存(&S)|キャンセル").split('|'));
    }
  }

  // Refused with a message naming what can be written, then offered again.
  void extensionItCannotWriteIsRefused() {
    const QString dir = QString::fromStdString(home_.path().string()) + "/";
    QString message;
    QStringList again;
    const Answers graph({Save(dir + "foo.txt"), Ok(&message), Save(dir + "foo", &again)});
    QCOMPARE(AskFileToSave(nullptr, GraphFileFilters(), "x.png", saves, tervolin::Language::kJapanese)->path, dir + "foo.png");
    QCOMPARE(message, Utf8("「.txt」のファイルには保存できません。保存できる種類: .png, .svg, .pdf, .csv"));
    QCOMPARE(again.value(1), QString("foo.txt"));

    PolarDiagramWindow window(nullptr, bench_, saves);
    const Answers polar({Save(dir + "polar.csv"), Ok(&message), Save(dir + "polar", nullptr, 2)});
    window.SaveWithDialog();
    QCOMPARE(message, Utf8("「.csv」のファイルには保存できません。保存できる種類: .png, .svg, .pdf"));
    QCOMPARE(QImage(dir + "polar.png").size(), window.Diagram().size() * 3);
  }

  // After a save into a folder that now leads into /proc and a failed one into
  // /proc, the dialog opens in Pictures, else Documents, else the home folder.
  void startsAwayFromKernelFoldersAfterAFailedSave() {
    const fs::path home = home_.path();
    fs::create_directory(home / "real");
    fs::create_directory_symlink(home / "real", home / "link");
    PolarDiagramWindow window(nullptr, bench_, saves);
    QVERIFY(window.SavePicture(QString::fromStdString((home / "link/ok.png").string())));
    fs::remove(home / "link");
    fs::create_directory_symlink("/proc/self", home / "link");
    for (const fs::path& expected : {home / "Pictures", home / "Documents", home}) {
      for (const char* folder : {"Pictures", "Documents"}) fs::remove_all(home / folder);
      if (expected != home) fs::create_directories(expected);
      QString failure;
      QStringList next;
      const Answers answers({Save("/proc/x.png"), Ok(&failure), Save("", &next)});
      window.SaveWithDialog();
      window.SaveWithDialog();
      QCOMPARE(next.value(0), QString::fromStdString(expected.string()));
      QVERIFY2(failure.contains("/proc/x.png") && !failure.section(Utf8("理由: "), 1).contains(QRegularExpression("[A-Za-z]")),
               qPrintable(failure));
    }
  }

 private:
  tervolin::testing::ScratchWorkingDirectory home_;
  SaveFolderMemory saves;
  const tervolin::Workbench bench_{TERVOLIN_TABLES_DIR, tervolin::Language::kJapanese};  // whose polar diagram is saved
};

QTEST_MAIN(SaveDialogTest)
#include "test_save_dialog.moc"
