#pragma once
// Draws a picture surface's graph again, from the operations it received since it
// was last cleared, on any painter (an SVG or PDF file), in logical pixels of its
// inner area: text stays text and each run of joined lines of one colour becomes
// one polyline.

#include <vector>

class QPainter;

namespace tervolin {
class DrawingSurface;
}

namespace tervolin::ui {

class PictureSurface;
struct SurfaceOperation;

void ReplayDrawing(QPainter& painter, const PictureSurface& surface);

// The same operations made again on another drawing surface, in its user
// coordinates; the target's curves are not remembered.
void ReplayOnto(const std::vector<SurfaceOperation>& operations, tervolin::DrawingSurface& target);

}  // namespace tervolin::ui
