#pragma once
// Saving a picture of a graph or diagram: the save dialog and the writing, shared by
// the two graphs and the polar diagram window.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "ui/graph_files.h"

class QWidget;

namespace tervolin::ui {

struct FileToSave {
  QString path;  // with the type's extension
  GraphFileType type;
  int pngScale = 2;  // a PNG's pixels per logical pixel of the screen
};

// Asks where to save, with the given filters (some of GraphFileFilters(), in its
// order) and a default file name. The dialog starts in the folder the last save
// dialog ended in, else the user's Pictures or Documents folder; the type follows
// the name's extension or the chosen filter. Nothing when the user cancels.
std::optional<FileToSave> AskFileToSave(QWidget* parent, const QStringList& filters, const QString& defaultName);

// Writes the bytes safely; a failure shows a warning naming the file and the reason.
bool SaveOrWarn(QWidget* parent, const QString& path, const QByteArray& bytes);

// The save dialog is Qt's own when this is set or TERVOLIN_QT_FILE_DIALOG is in the
// environment (tests drive it).
void UseQtSaveDialog(bool use);

}  // namespace tervolin::ui
