#pragma once
// The small non-modal window of the polar diagram of the angular graph's curves
// (graphs/polar_diagram.h), as the model draws it and anew whenever the model changes
// them: the beam coming in from the left, θ from its direction, each curve mirrored
// above and below the axis. A context menu (also Ctrl+C and Ctrl+S) copies the
// picture or saves it as a PNG, SVG or PDF file, as the graphs are saved; Esc closes
// it.

#include <QByteArray>
#include <QString>
#include <QWidget>

#include "ui/save_dialog.h"
#include "ui/window_graph.h"
#include "workbench/workbench.h"

namespace tervolin::ui {

class PolarDiagramWindow : public QWidget {
  Q_OBJECT

 public:
  PolarDiagramWindow(QWidget* parent, const tervolin::Workbench& bench, SaveFolderMemory& saves);

  WindowGraph& Diagram() { return *diagram_; }

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
  QByteArray FileContents(const QString& path, int pngScale) const;

  const tervolin::Workbench& bench_;
  SaveFolderMemory& saves_;
  WindowGraph* diagram_;
  tervolin::Subscription shown_;
};

}  // namespace tervolin::ui
