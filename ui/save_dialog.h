#pragma once
// Saving a picture of a graph or diagram: the save dialog and the writing, shared by
// the two graphs, the polar diagram window and the magnitude window.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/language.h"
#include "data/file_system_calls.h"
#include "ui/graph_files.h"
#include "ui/termination_signals.h"

class QWidget;

namespace tervolin::ui {

// The folder of the last successful save, for the next dialog to start in: one for
// the whole program, kept by its screens.
struct SaveFolderMemory {
  QString lastFolder;
};

struct FileToSave {
  QString path;  // with the type's extension
  GraphFileType type;
  int pngScale = kDefaultPngScale;  // the PNG filter's times the screen's size; 2 when chosen otherwise
  bool slide = false;               // the chosen filter's slide, of the type chosen
};

// Asks where to save, with the given filters (some of GraphFileFilters(), in its
// order, the first chosen to begin with) and a default file name. The dialog starts
// in the folder of the last successful save, else the user's Pictures or Documents
// folder, else the home folder; never in one that is gone or lies in /proc, /sys or
// /dev. The type follows the name's extension, else the chosen filter, whose
// extension a name without one gets. A name whose extension the filters do not
// offer ("foo.txt") is refused with a message naming those they do, and the dialog
// opens again with it; so does a name that would, with the extension added, replace
// an existing file the user then chooses to keep. Nothing when the user cancels.
std::optional<FileToSave> AskFileToSave(QWidget* parent, const QStringList& filters, const QString& defaultName,
                                        const SaveFolderMemory& memory, tervolin::Language language);

// Writes the bytes safely through `calls`; a failure shows a warning naming the file
// and the reason (the library's words in `language`). A successful save makes its
// folder the next dialog's start.
bool SaveOrWarn(QWidget* parent, const QString& path, const QByteArray& bytes, SaveFolderMemory& memory,
                tervolin::Language language, const tervolin::FileSystemCalls& calls = DesktopFileCalls());

// The save dialog is Qt's own, not the desktop's, where TERVOLIN_QT_FILE_DIALOG is in
// the environment (tests drive it).

}  // namespace tervolin::ui
