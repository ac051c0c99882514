#pragma once
// Draws a display list on any painter (the screen, an SVG or PDF file), its user
// coordinates laid on an area of logical pixels: text stays text and each run of
// joined lines of one colour becomes one polyline, so a styled curve keeps its
// dashes from one piece to the next.

#include <QFont>
#include <QSize>

#include "graphs/display_list.h"
#include "graphs/user_coordinates.h"

class QPainter;

namespace tervolin::ui {

// Where a display list is drawn: its user scale on `size` logical pixels, its text
// in `font`.
struct PaintedArea {
  tervolin::UserScale scale;
  QSize size;
  QFont font;
};

void ReplayDrawing(QPainter& painter, const tervolin::DrawingOperations& operations, const PaintedArea& area);

// A display list whose user units are logical pixels, on an area of `size`.
PaintedArea PixelArea(QSize size, const QFont& font);

}  // namespace tervolin::ui
