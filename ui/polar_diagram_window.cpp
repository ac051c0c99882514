#include "ui/polar_diagram_window.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QVBoxLayout>

#include "ui/graph_files.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"

namespace tervolin::ui {

namespace {

QAction* WindowAction(QWidget* window, UiText text, QKeySequence keys) {
  QAction* action = MakeAction(text, window);
  action->setShortcut(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  window->addAction(action);
  return action;
}

}  // namespace

PolarDiagramWindow::PolarDiagramWindow(QWidget* parent, const tervolin::Workbench& bench, SaveFolderMemory& saves)
    : QWidget(parent, Qt::Window), bench_(bench), saves_(saves), diagram_(new WindowGraph({520, 600}, {320, 380}, this)) {
  SetUiText(this, Ui("極座標で表示"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(diagram_);
  connect(WindowAction(this, Ui("グラフをコピー"), QKeySequence::Copy), &QAction::triggered, this,
          &PolarDiagramWindow::CopyPicture);
  connect(WindowAction(this, Ui("グラフを保存…"), QKeySequence::Save), &QAction::triggered, this,
          &PolarDiagramWindow::SaveWithDialog);
  connect(WindowAction(this, Ui("閉じる"), QKeySequence(Qt::Key_Escape)), &QAction::triggered, this, &QWidget::close);
  diagram_->SetDrawing([&bench](tervolin::DrawingSurface& surface, QSize size, const tervolin::TextMeasures& text) {
    bench.DrawPolar(surface, size.width(), size.height(), text);
  });
  shown_ = bench.Observe([this](tervolin::Changes) { diagram_->update(); });
}

void PolarDiagramWindow::CopyPicture() { QGuiApplication::clipboard()->setImage(diagram_->Picture()); }

QByteArray PolarDiagramWindow::FileContents(const QString& path, int pngScale) const {
  switch (ChosenFileType(path, QString())) {
    case GraphFileType::kSvg: {
      const std::string svg = diagram_->SvgDocument();
      return QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
    }
    case GraphFileType::kPdf:
      return PdfBytes(diagram_->size(), windowTitle(), [this](QPainter& painter) { diagram_->PaintOn(painter); });
    default:
      return PngBytes(diagram_->Picture(pngScale == 1 ? 0 : pngScale));
  }
}

bool PolarDiagramWindow::SavePicture(const QString& path, int pngScale) {
  return SaveOrWarn(this, path, FileContents(path, pngScale), saves_, bench_.TextLanguage());
}

// The graphs' file types but the table: the diagram has no columns of its own.
void PolarDiagramWindow::SaveWithDialog() {
  const auto chosen = AskFileToSave(this, PictureFileFilters(), Translated(Ui("極座標")) + QStringLiteral(".png"), saves_,
                                    bench_.TextLanguage());
  if (chosen) SavePicture(chosen->path, chosen->pngScale);
}

void PolarDiagramWindow::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addActions(actions());
  menu.exec(event->globalPos());
}

}  // namespace tervolin::ui
