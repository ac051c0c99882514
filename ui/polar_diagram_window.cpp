#include "ui/polar_diagram_window.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVBoxLayout>

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

bool PolarDiagramWindow::SavePicture(const QString& path) {
  QSaveFile file(path);
  const bool written = file.open(QIODevice::WriteOnly) && diagram_->Picture().save(&file, "PNG") && file.commit();
  if (written) return true;
  const QString reason = file.errorString().isEmpty() ? Utf8("書き込めませんでした") : file.errorString();
  file.cancelWriting();
  ShowWarningBox(this, Utf8("ファイル「%1」を保存できません。\n%2").arg(QDir::toNativeSeparators(path), reason));
  return false;
}

void PolarDiagramWindow::SaveWithDialog() {
  const QString start = QDir(lastFolder_).filePath(Utf8("極座標.png"));
  QString path = QFileDialog::getSaveFileName(this, Utf8("グラフを保存"), start, Utf8("PNG 画像 (*.png)"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += ".png";
  lastFolder_ = QFileInfo(path).absolutePath();
  SavePicture(path);
}

void PolarDiagramWindow::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addActions(actions());
  menu.exec(event->globalPos());
}

}  // namespace tervolin::ui
