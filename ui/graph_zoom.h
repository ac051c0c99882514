#pragma once
// How many times its own size a graph is drawn in a window enlarged beyond its own
// size, so that its texts and lines grow with it.

#include <QSize>
#include <algorithm>

namespace tervolin::ui {

// The graph takes all the room the window gained (logical pixels), the same factor
// across and down (the largest that fits both, so the proportions and the polar
// diagram's circles stay true), and never less than 1.
inline qreal GraphZoom(QSize ownWindow, QSize window, QSize ownGraph) {
  const qreal across = qreal(ownGraph.width() + window.width() - ownWindow.width()) / ownGraph.width();
  const qreal down = qreal(ownGraph.height() + window.height() - ownWindow.height()) / ownGraph.height();
  return std::max<qreal>(1.0, std::min(across, down));
}

// A widget that fills its window: the same for its own size and its present one.
inline qreal GraphZoom(QSize own, QSize size) { return GraphZoom(own, size, own); }

}  // namespace tervolin::ui
