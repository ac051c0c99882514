#pragma once
// Draws a picture surface's graph again, from the operations it received since it
// was last cleared, on any painter (an SVG or PDF file), in logical pixels of its
// inner area: text stays text and each run of joined lines of one colour becomes
// one polyline.

class QPainter;

namespace tervolin::ui {

class PictureSurface;

void ReplayDrawing(QPainter& painter, const PictureSurface& surface);

}  // namespace tervolin::ui
