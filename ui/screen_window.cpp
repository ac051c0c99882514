#include "ui/screen_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>

#include "ui/controls.h"
#include "ui/graph_zoom.h"
#include "ui/picture_surface.h"
#include "ui/screens.h"

namespace tervolin::ui {

namespace {

Qt::WindowFlags FlagsFor(ScreenWindow::Frame frame) {
  const Qt::WindowFlags titleAndClose =
      Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
  switch (frame) {
    case ScreenWindow::Frame::FixedDialog: return Qt::Dialog | titleAndClose;
    case ScreenWindow::Frame::FixedSingle: return Qt::Window | titleAndClose;
    case ScreenWindow::Frame::ToolWindow: return Qt::Tool | titleAndClose;
  }
  return Qt::Window;
}

// The share of the graph's growth (across, down) that a control at `place` moves
// by: all of it right of or below the graph, half for a heading over it.
QPointF FollowShare(const QRect& graph, const QRect& place) {
  const qreal across = place.left() >= graph.right() ? 1.0 : 0.0;
  const qreal down = place.top() >= graph.bottom() ? 1.0 : 0.0;
  const bool heading = place.bottom() <= graph.top() && place.left() >= graph.left() && place.right() <= graph.right();
  return QPointF(heading ? 0.5 : across, down);
}

}  // namespace

ScreenWindow::ScreenWindow(Screens& screens, const QString& title, int clientWidthTwips, int clientHeightTwips,
                           Frame frame)
    : QWidget(nullptr, FlagsFor(frame)), screens_(screens) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(title);
  setFixedSize(TwipsToPixels(clientWidthTwips), TwipsToPixels(clientHeightTwips));
}

void ScreenWindow::LetGraphGrow(PictureSurface& graph) {
  growingGraph_ = &graph;
  ownSize_ = size();
  ownGraphSize_ = graph.size();
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (child == &graph) continue;
    const QPointF share = FollowShare(graph.geometry(), child->geometry());
    if (!share.isNull()) followers_.push_back({child, child->pos(), share});
  }
  setMinimumSize(ownSize_);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  setWindowFlags((windowFlags() & ~Qt::MSWindowsFixedSizeDialogHint) | Qt::WindowMaximizeButtonHint);
}

void ScreenWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (growingGraph_ == nullptr) return;
  growingGraph_->SetZoom(GraphZoom(ownSize_, size(), ownGraphSize_));
  const QSize grown = growingGraph_->size() - ownGraphSize_;
  for (const Follower& f : followers_) {
    f.widget->move(f.ownPlace + QPoint(qRound(grown.width() * f.share.x()), qRound(grown.height() * f.share.y())));
  }
}

ScreenWindow::ScreenWindow(Screens& screens, UiText title, int clientWidthTwips, int clientHeightTwips, Frame frame)
    : ScreenWindow(screens, QString(), clientWidthTwips, clientHeightTwips, frame) {
  SetUiText(this, title);
}

void ShowInFront(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

void ScreenWindow::ShowScreen() { ShowInFront(*this); }

void ScreenWindow::HideScreen() { hide(); }

void ScreenWindow::ShowHomeScreen() { screens_.Home().ShowScreen(); }

void ScreenWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (centred_) return;
  centred_ = true;
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

void ScreenWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  RetranslateTexts(*this);
  SetTexts();
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
  closing_ = true;
  onCloseBoxUsed();
  event->accept();
}

}  // namespace tervolin::ui
