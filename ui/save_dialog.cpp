#include "ui/save_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <filesystem>

#include "data/file_names.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"

namespace tervolin::ui {

namespace {

// Icons and type names by the files' extensions only. Qt's own provider reads a file
// without a known extension to find its type, and the dialog then never closes on a
// file that never ends (/proc/kmsg).
class IconsByExtension : public QFileIconProvider {
 public:
  QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
  QIcon icon(const QFileInfo& info) const override {
    if (info.isDir()) return QFileIconProvider::icon(Folder);
    return QIcon::fromTheme(MimeType(info).iconName(), QFileIconProvider::icon(File));
  }
  QString type(const QFileInfo& info) const override {
    return info.isDir() ? QFileIconProvider::type(info) : MimeType(info).comment();
  }

 private:
  static QMimeType MimeType(const QFileInfo& info) {
    return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
  }
};

bool IsSafeFolder(const QString& folder) {
  return !folder.isEmpty() && tervolin::IsSafeDialogFolder(std::filesystem::path(QFile::encodeName(folder).toStdString()));
}

QString StartFolder(const SaveFolderMemory& memory) {
  const QString candidates[] = {memory.lastFolder, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)};
  for (const QString& folder : candidates) {
    if (IsSafeFolder(folder)) return folder;
  }
  return QDir::homePath();
}

void SetUp(QFileDialog& dialog, const QStringList& filters, const QString& defaultName) {
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.value(0));
  dialog.setDefaultSuffix(FileExtension(FilterChoice(filters.value(0)).type));
  dialog.selectFile(defaultName);
  if (qEnvironmentVariableIsSet("TERVOLIN_QT_FILE_DIALOG")) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
  }
  // A filter chosen later gives a name without extension its extension.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
    dialog.setDefaultSuffix(FileExtension(FilterChoice(filter).type));
  });
}

// Why a name cannot be saved with these filters, or the empty text.
QString Refusal(const QString& chosen, const QStringList& filters) {
  const QString extension = TypeExtension(chosen);
  const QStringList offered = FilterExtensions(filters);
  if (extension.isEmpty() || offered.contains(extension.toLower())) return {};
  return Translated(Ui("「.%1」のファイルには保存できません。保存できる種類: .%2"))
      .arg(extension, offered.join(QStringLiteral(", .")));
}

// The dialog asked before replacing the file it named; the name with its extension
// added may name another.
bool MayReplace(QWidget* parent, const QString& chosen, const QString& path, tervolin::Language language) {
  if (path == chosen || !QFileInfo::exists(path)) return true;
  return AskYesNo(parent, (Translated(Ui("ファイル「%1」は既にあります。")) + QLatin1Char('\n') + Translated(Ui("置き換えますか？"))).arg(QDir::toNativeSeparators(path)), language);
}

std::optional<FileToSave> Checked(QWidget* parent, const QString& chosen, const QString& filter,
                                  const QStringList& filters, tervolin::Language language) {
  if (const QString refusal = Refusal(chosen, filters); !refusal.isEmpty()) {
    ShowWarningBox(parent, refusal, language);
    return std::nullopt;
  }
  const FileFilterChoice choice = FilterChoice(filter);
  const GraphFileType type = ChosenFileType(chosen, filter);
  const bool pngByFilter = type == GraphFileType::kPng && choice.type == GraphFileType::kPng;
  const int scale = pngByFilter ? choice.pngScale : kDefaultPngScale;
  const FileToSave file{WithExtension(chosen, type), type, scale, choice.slide && type == choice.type};
  if (!MayReplace(parent, chosen, file.path, language)) return std::nullopt;
  return file;
}

}  // namespace

std::optional<FileToSave> AskFileToSave(QWidget* parent, const QStringList& filters, const QString& defaultName,
                                        const SaveFolderMemory& memory, tervolin::Language language) {
  IconsByExtension icons;
  QFileDialog dialog(parent, Translated(Ui("グラフを保存")), StartFolder(memory));
  dialog.setIconProvider(&icons);
  SetUp(dialog, filters, defaultName);
  while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    const QString chosen = dialog.selectedFiles().first();
    if (auto file = Checked(parent, chosen, dialog.selectedNameFilter(), filters, language)) return file;
    dialog.selectFile(chosen);
  }
  return std::nullopt;
}

bool SaveOrWarn(QWidget* parent, const QString& path, const QByteArray& bytes, SaveFolderMemory& memory,
                tervolin::Language language, const tervolin::FileSystemCalls& calls) {
  const std::optional<QString> failure = WriteFileSafely(path, bytes, language, calls);
  if (!failure) {
    memory.lastFolder = QFileInfo(path).absolutePath();
    return true;
  }
  ShowWarningBox(parent, (Translated(Ui("ファイル「%1」を保存できませんでした。")) + QLatin1Char('\n') + Translated(Ui("理由: %2")))
                             .arg(QDir::toNativeSeparators(path), *failure),
                 language);
  return false;
}

}  // namespace tervolin::ui
