#include "ui/polar_diagram_window.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "ui/graph_files.h"
#include "ui/message_box.h"
#include "ui/polar_diagram_widget.h"

namespace tervolin::ui {

namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

QAction* WindowAction(QWidget* window, const char* text, QKeySequence keys) {
  auto* action = new QAction(Utf8(text), window);
  action->setShortcut(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  window->addAction(action);
  return action;
}

}  // namespace

PolarDiagramWindow::PolarDiagramWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), diagram_(new PolarDiagramWidget(this)) {
  setWindowTitle(Utf8("極座標で表示"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(diagram_);
  connect(WindowAction(this, "グラフをコピー", QKeySequence::Copy), &QAction::triggered, this,
          &PolarDiagramWindow::CopyPicture);
  connect(WindowAction(this, "グラフを保存…", QKeySequence::Save), &QAction::triggered, this,
          &PolarDiagramWindow::SaveWithDialog);
  connect(WindowAction(this, "閉じる", QKeySequence(Qt::Key_Escape)), &QAction::triggered, this, &QWidget::close);
  lastFolder_ = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

void PolarDiagramWindow::CopyPicture() { QGuiApplication::clipboard()->setImage(diagram_->Picture()); }

QByteArray PolarDiagramWindow::FileContents(const QString& path) const {
  const auto paint = [this](QPainter& painter) { diagram_->PaintOn(painter); };
  switch (ChosenFileType(path, QString())) {
    case GraphFileType::kSvg:
      return SvgBytes(diagram_->size(), windowTitle(), paint);
    case GraphFileType::kPdf:
      return PdfBytes(diagram_->size(), windowTitle(), paint);
    default:
      return PngBytes(diagram_->Picture());
  }
}

bool PolarDiagramWindow::SavePicture(const QString& path) {
  const std::optional<QString> failure = WriteFileSafely(path, FileContents(path));
  if (!failure) return true;
  ShowWarningBox(this, Utf8("ファイル「%1」を保存できませんでした。\n理由: %2").arg(QDir::toNativeSeparators(path), *failure));
  return false;
}

// The graphs' file types but the table: the diagram has no columns of its own.
void PolarDiagramWindow::SaveWithDialog() {
  const QStringList filters = GraphFileFilters().mid(0, 3);
  QString filter;
  const QString start = QDir(lastFolder_).filePath(Utf8("極座標.png"));
  const QString chosen = QFileDialog::getSaveFileName(this, Utf8("グラフを保存"), start, filters.join(";;"), &filter);
  if (chosen.isEmpty()) return;
  GraphFileType type = ChosenFileType(chosen, filter);
  if (type == GraphFileType::kCsv) type = GraphFileType::kPng;
  lastFolder_ = QFileInfo(chosen).absolutePath();
  SavePicture(WithExtension(chosen, type));
}

void PolarDiagramWindow::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addActions(actions());
  menu.exec(event->globalPos());
}

}  // namespace tervolin::ui
