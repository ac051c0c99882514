#pragma once
// The small non-modal window of the polar diagram, with a context menu (also
// Ctrl+C and Ctrl+S) to copy the picture or save it as a PNG, SVG or PDF file, as
// the graphs are saved; Esc closes it.

#include <QByteArray>
#include <QString>
#include <QWidget>

#include "ui/save_dialog.h"

namespace tervolin::ui {

class PolarDiagramWidget;

class PolarDiagramWindow : public QWidget {
  Q_OBJECT

 public:
  PolarDiagramWindow(QWidget* parent, SaveFolderMemory& saves);

  PolarDiagramWidget& Diagram() { return *diagram_; }

  // The picture onto the clipboard, exactly as shown.
  void CopyPicture();
  // Writes the picture to `path` safely (whole file or none), PNG, SVG or PDF by
  // the name's extension (PNG for any other; `pngScale` times the shown size); on a
  // failure shows a warning naming the file and the reason and returns false.
  bool SavePicture(const QString& path, int pngScale = 1);
  // Asks for a file name, then saves.
  void SaveWithDialog();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  SaveFolderMemory& saves_;
  QByteArray FileContents(const QString& path, int pngScale) const;
  PolarDiagramWidget* diagram_;
};

}  // namespace tervolin::ui
