#include "graphs/legend_place.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tervolin {

namespace {

inline constexpr double kSearchStep = 6;          // pixels between the places tried
inline constexpr std::int64_t kClearWeight = 1000;  // a pixel of keepClear against one of a curve

// Counts of covered pixels over the area, summed so that any rectangle's count takes
// four look-ups.
class CoverTable {
 public:
  CoverTable(int width, int height) : width_(width), height_(height), cells_((width + 1) * (height + 1)) {}

  void Mark(double x, double y, std::int64_t weight) {
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    if (ix < 0 || iy < 0 || ix >= width_ || iy >= height_) return;
    std::int64_t& cell = At(ix + 1, iy + 1);
    cell = std::max(cell, weight);  // a pixel counts once, however many lines cross it
  }
  void Sum() {
    for (int y = 1; y <= height_; ++y) {
      for (int x = 1; x <= width_; ++x) At(x, y) += At(x - 1, y) + At(x, y - 1) - At(x - 1, y - 1);
    }
  }
  // Covered pixels in the box of whole pixels [x0, x1) × [y0, y1).
  std::int64_t Count(int x0, int y0, int x1, int y1) const {
    return Get(x1, y1) - Get(x0, y1) - Get(x1, y0) + Get(x0, y0);
  }

 private:
  std::int64_t& At(int x, int y) { return cells_[static_cast<std::size_t>(y * (width_ + 1) + x)]; }
  std::int64_t Get(int x, int y) const { return cells_[static_cast<std::size_t>(y * (width_ + 1) + x)]; }
  int width_, height_;
  std::vector<std::int64_t> cells_;
};

// Every pixel a polyline passes through, sampled at a quarter pixel.
void MarkPolyline(CoverTable& table, const std::vector<PixelPoint>& line, PixelRect area) {
  for (std::size_t i = 1; i < line.size(); ++i) {
    const double dx = line[i].x - line[i - 1].x, dy = line[i].y - line[i - 1].y;
    const int steps = 1 + static_cast<int>(std::hypot(dx, dy) * 4);
    for (int s = 0; s <= steps; ++s) {
      table.Mark(line[i - 1].x + dx * s / steps - area.left, line[i - 1].y + dy * s / steps - area.top, 1);
    }
  }
}

void MarkRect(CoverTable& table, const PixelRect& r, PixelRect area) {
  for (double y = r.top; y < r.top + r.height; ++y) {
    for (double x = r.left; x < r.left + r.width; ++x) table.Mark(x - area.left, y - area.top, kClearWeight);
  }
}

// The places tried, corners first, then by distance to the nearest corner.
std::vector<PixelPoint> Candidates(double spanX, double spanY) {
  std::vector<PixelPoint> places{{spanX, 0}, {0, 0}, {spanX, spanY}, {0, spanY}};
  std::vector<PixelPoint> inner;
  for (double y = 0; y <= spanY; y += kSearchStep) {
    for (double x = 0; x <= spanX; x += kSearchStep) inner.push_back({x, y});
  }
  const auto toCorner = [&](PixelPoint p) { return std::min(p.x, spanX - p.x) + std::min(p.y, spanY - p.y); };
  std::stable_sort(inner.begin(), inner.end(), [&](PixelPoint a, PixelPoint b) { return toCorner(a) < toCorner(b); });
  places.insert(places.end(), inner.begin(), inner.end());
  return places;
}

}  // namespace

LegendPlace QuietestLegendPlace(const std::vector<std::vector<PixelPoint>>& curves, PixelRect area, LegendSize size,
                               const std::vector<PixelRect>& keepClear) {
  const double spanX = std::floor(area.width - size.width), spanY = std::floor(area.height - size.height);
  if (spanX < 0 || spanY < 0) return {{area.left + std::max(0.0, spanX), area.top}, false};
  CoverTable table(static_cast<int>(std::ceil(area.width)), static_cast<int>(std::ceil(area.height)));
  for (const auto& line : curves) MarkPolyline(table, line, area);
  for (const PixelRect& r : keepClear) MarkRect(table, r, area);
  table.Sum();
  const int w = static_cast<int>(std::ceil(size.width)), h = static_cast<int>(std::ceil(size.height));
  PixelPoint best{spanX, 0};
  std::int64_t fewest = -1;
  for (const PixelPoint p : Candidates(spanX, spanY)) {
    const int x = static_cast<int>(p.x), y = static_cast<int>(p.y);
    const std::int64_t covered = table.Count(x, y, x + w, y + h);
    if (fewest < 0 || covered < fewest) {
      fewest = covered;
      best = p;
    }
    if (fewest == 0) break;
  }
  return {{area.left + best.x, area.top + best.y}, fewest == 0};
}

}  // namespace tervolin
