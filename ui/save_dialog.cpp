#include "ui/save_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/message_box.h"
#include "ui/qt_text.h"

namespace tervolin::ui {

namespace {

bool useQtSaveDialog = false;
// The folder of the last file chosen in a save dialog, for the next one.
QString lastFolder;

QString StartFolder() {
  if (!lastFolder.isEmpty() && QFileInfo(lastFolder).isDir()) return lastFolder;
  for (auto location : {QStandardPaths::PicturesLocation, QStandardPaths::DocumentsLocation}) {
    const QString folder = QStandardPaths::writableLocation(location);
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
  }
  return QDir::homePath();
}

}  // namespace

std::optional<FileToSave> AskFileToSave(QWidget* parent, const QStringList& filters, const QString& defaultName) {
  QFileDialog dialog(parent, Utf8("グラフを保存"), StartFolder());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(QFileInfo(defaultName).suffix());
  dialog.selectFile(defaultName);
  if (useQtSaveDialog || qEnvironmentVariableIsSet("TERVOLIN_QT_FILE_DIALOG")) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
  }
  // A filter chosen later gives a name without extension its extension.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
    dialog.setDefaultSuffix(FileExtension(ChosenFileType(QString(), filter)));
  });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString chosen = dialog.selectedFiles().first();
  const GraphFileType type = ChosenFileType(chosen, dialog.selectedNameFilter());
  lastFolder = QFileInfo(chosen).absolutePath();
  return FileToSave{WithExtension(chosen, type), type};
}

bool SaveOrWarn(QWidget* parent, const QString& path, const QByteArray& bytes) {
  const std::optional<QString> failure = WriteFileSafely(path, bytes);
  if (!failure) return true;
  ShowWarningBox(parent, Utf8("ファイル「%1」を保存できませんでした。\n理由: %2")
                             .arg(QDir::toNativeSeparators(path), *failure));
  return false;
}

void UseQtSaveDialog(bool use) { useQtSaveDialog = use; }

}  // namespace tervolin::ui
