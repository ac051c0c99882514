#pragma once
// The one Qt painter of a display list (graphs/display_list.h): the screens' graphs,
// the graph windows, their copies and their PNG and PDF files are all painted by it.
//
// The list's user coordinates are laid on an area of logical pixels, and that area on
// the painter's units from an offset, `ratio` units to a logical pixel (an image's
// device pixels, a PDF's 1/96 inch). Lines are laid on those units: a pen of width w
// at a point covers the w × w block of whole units most nearly centred on it (at
// ratio 1 and width 1 the unit that contains the point; at width 2 the four around
// the nearest corner). Horizontal and vertical lines, boxes and points are made of
// such blocks, crisp (a 1-pixel grid line fills one column). Sloped lines run
// antialiased, with round ends, between the centres of their end points' blocks, so
// a curve that ends on a line drawn later is covered by it exactly; a styled line
// keeps its dashes going from one piece to the next. Text hangs from the logical
// pixel that contains its point, in the area's font at the list's text scale.

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <cstddef>

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

// A display list whose user units are logical pixels, on an area of `size`.
PaintedArea PixelArea(QSize size, const QFont& font);

// Where the area's logical pixel (0, 0) lies on the painter, and how many of the
// painter's units a logical pixel takes.
struct Placement {
  QPointF offset{0, 0};
  qreal ratio = 1;
};

// Paints the operations from `first` on, the state the earlier ones set taken in.
void PaintDrawing(QPainter& painter, const tervolin::DrawingOperations& operations, const PaintedArea& area,
                  Placement placement = {}, std::size_t first = 0);

// A white image of the area at `ratio` device pixels per logical pixel (that pixel
// ratio set, 96 logical pixels to the inch) with the operations painted on it.
QImage PaintedImage(const tervolin::DrawingOperations& operations, const PaintedArea& area, qreal ratio);

// A font of `pixels` (any fraction) on a device of 96 dots per inch, as the pictures'
// layouts measure their texts.
QFont FontOfPixels(QFont font, double pixels);

}  // namespace tervolin::ui
