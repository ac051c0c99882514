// The save dialog as a user meets it: Qt's own texts in Japanese, the PNG sizes among
// its filters, the folder it starts in after a failed save, and a name whose
// extension cannot be written. The dialog is Qt's own, answered by timer.

#include <QApplication>
#include <QComboBox>
#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <vector>

#include "support/scratch_directory.h"
#include "ui/fonts.h"
#include "ui/polar_diagram_widget.h"
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
  bool AllGiven() const { return next_ == steps_.size(); }

 private:
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  QTimer timer_;
};

struct Seen {
  QString folder, name, filter;
  QStringList buttons;
};

// In the file dialog: notes what it shows, goes `filter` entries down the type list
// by keyboard, types `name` and saves; an empty name cancels.
Step Save(const QString& name, Seen* seen = nullptr, int filter = 0) {
  return [=](QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    QVERIFY(dialog);
    auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
    if (seen) *seen = {dialog->directory().absolutePath(), edit->text(), dialog->selectedNameFilter(), {}};
    for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons()) {
      if (seen) seen->buttons.append(button->text());
    }
    for (int i = 0; i < filter; ++i) QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
    if (name.isEmpty()) return dialog->reject();
    edit->setText(name);
    QMetaObject::invokeMethod(dialog, "accept");
  };
}

// The dialog and its open type list saved for a look by eye, then `then`.
Step Pictured(const Step& then) {
  return [=](QWidget& modal) {
    modal.grab().save(QStringLiteral(TERVOLIN_TEST_OUTPUT_DIR "/save_dialog.png"));
    auto* types = modal.findChild<QComboBox*>("fileTypeCombo");
    types->showPopup();
    types->view()->window()->grab().save(QStringLiteral(TERVOLIN_TEST_OUTPUT_DIR "/save_dialog_types.png"));
    types->hidePopup();
    then(modal);
  };
}

Step Ok(QString* text) {
  return [=](QWidget& modal) {
    auto* box = qobject_cast<QMessageBox*>(&modal);
    QVERIFY(box);
    *text = box->text();
    box->button(QMessageBox::Ok)->click();
  };
}

}  // namespace

class SaveDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    InstallFontSubstitutions();
    QVERIFY(InstallQtTranslations());
    UseQtSaveDialog(true);
    qputenv("HOME", QByteArray(home_.path().c_str()));
    qputenv("XDG_CONFIG_HOME", QByteArray((home_.path() / ".config").c_str()));
  }

  void qtsOwnButtonsSpeakJapanese() {
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    const std::pair<QMessageBox::StandardButton, const char*> buttons[] = {
        {QMessageBox::Ok, "OK"}, {QMessageBox::Cancel, "キャンセル"}, {QMessageBox::Yes, "はい(&Y)"}, {QMessageBox::No, "いいえ(&N)"}};
    for (const auto& [button, text] : buttons) QCOMPARE(box.button(button)->text(), Utf8(text));
    QLineEdit field;
    QCOMPARE(field.createStandardContextMenu()->actions().first()->text(), Utf8("元に戻す(&U)\tCtrl+Z"));
  }

  // The type list's entry gives the type and the PNG's size; the name's own
  // extension wins, and one the name lacks (a number after a dot is none) is added.
  void filterGivesTypeAndPngScale() {
    const QString dir = QString::fromStdString(home_.path().string()) + "/";
    const std::tuple<int, const char*, const char*, GraphFileType, int> rows[] = {
        {0, "a", "a.png", GraphFileType::kPng, 2},  {1, "b", "b.png", GraphFileType::kPng, 1},
        {2, "c.PNG", "c.PNG", GraphFileType::kPng, 3}, {3, "d", "d.svg", GraphFileType::kSvg, 2},
        {5, "e", "e.csv", GraphFileType::kCsv, 2},  {2, "f.pdf", "f.pdf", GraphFileType::kPdf, 2},
        {0, "data.2024", "data.2024.png", GraphFileType::kPng, 2}};
    for (const auto& [filter, typed, path, type, scale] : rows) {
      Seen seen;
      const Answers answers({Pictured(Save(dir + typed, &seen, filter))});
      const std::optional<FileToSave> file = AskFileToSave(nullptr, GraphFileFilters(), Utf8("鉄.png"));
      QVERIFY(file);
      QCOMPARE(file->path, dir + path);
      QVERIFY2(file->type == type && file->pngScale == scale, typed);
      QCOMPARE(seen.filter, Utf8("PNG 画像・画面の 2 倍 (*.png)"));
      QCOMPARE(seen.buttons, QStringList({Utf8("保存(&S)"), Utf8("キャンセル")}));
    }
  }

  // Refused with a message naming what can be written, then offered again.
  void extensionItCannotWriteIsRefused() {
    const QString dir = QString::fromStdString(home_.path().string()) + "/";
    QString message;
    Seen again;
    const Answers graph({Save(dir + "foo.txt"), Ok(&message), Save(dir + "foo", &again)});
    QCOMPARE(AskFileToSave(nullptr, GraphFileFilters(), "x.png")->path, dir + "foo.png");
    QCOMPARE(message, Utf8("「.txt」のファイルには保存できません。保存できる種類: .png, .svg, .pdf, .csv"));
    QCOMPARE(again.name, QString("foo.txt"));

    PolarDiagramWindow window;
    window.resize(300, 400);
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
    PolarDiagramWindow window;
    QVERIFY(window.SavePicture(QString::fromStdString((home / "link/ok.png").string())));
    fs::remove(home / "link");
    fs::create_directory_symlink("/proc/self", home / "link");
    const std::tuple<bool, bool, fs::path> rows[] = {
        {true, true, home / "Pictures"}, {false, true, home / "Documents"}, {false, false, home}};
    for (const auto& [pictures, documents, expected] : rows) {
      for (const auto& [made, folder] : {std::pair{pictures, "Pictures"}, std::pair{documents, "Documents"}}) {
        made ? fs::create_directories(home / folder) : fs::remove_all(home / folder);
      }
      QString failure;
      Seen next;
      const Answers answers({Save("/proc/x.png"), Ok(&failure), Save("", &next)});
      window.SaveWithDialog();
      window.SaveWithDialog();
      QVERIFY(answers.AllGiven());
      QCOMPARE(next.folder, QString::fromStdString(expected.string()));
      QVERIFY2(failure.contains("/proc/x.png") && !failure.section(Utf8("理由: "), 1).contains(QRegularExpression("[A-Za-z]")),
               qPrintable(failure));
    }
  }

 private:
  tervolin::testing::ScratchDirectory home_;
};

QTEST_MAIN(SaveDialogTest)
#include "test_save_dialog.moc"
