// Drawing one distribution on the angular graph's display list and painting it onto
// the retained image, beside the floor: the same 180-segment polyline drawn with
// QPainter straight onto an image of the same size with the same pen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "graphs/angle_graph.h"
#include "core/energy_tables.h"
#include "graphs/palette.h"
#include "graphs/user_coordinates.h"
#include "ui/picture_surface.h"

using namespace tervolin::ui;

namespace {

using namespace tervolin;

AngleTable BellCurve() {
  AngleTable values{};
  for (int j = 1; j <= kAngles; ++j) values[j] = std::exp(-std::pow((j - 60) / 30.0, 2));
  return values;
}

void BM_PlotDistributionOnRetainedImage(benchmark::State& state) {
  PictureSurface surface(kAngleGraphScale, QSize(kAngleGraphPixelWidth, kAngleGraphPixelHeight));
  const AngleTable values = BellCurve();
  DrawAngleAxes(surface.Drawing(), {}, Language::kJapanese);
  for (auto _ : state) {
    PlotAngleCurve(surface.Drawing(), values, PaletteColour(kPaletteRed), LineStyle::kSolid, true);
    benchmark::DoNotOptimize(surface.RetainedImage());
  }
}

void BM_QPainterPolylineFloor(benchmark::State& state) {
  QImage image(kAngleGraphPixelWidth, kAngleGraphPixelHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  const AngleTable values = BellCurve();
  QPolygonF line;
  for (int j = 0; j <= kAngles; ++j) {
    const PixelPoint p = UserToPixel(kAngleGraphScale, kAngleGraphPixelWidth, kAngleGraphPixelHeight, j,
                                     j == 0 ? 0.0 : values[j]);
    line << QPointF(p.x, p.y);
  }
  for (auto _ : state) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::red, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(line);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(QRectF(70, 17, 505, 344));
  }
}

BENCHMARK(BM_PlotDistributionOnRetainedImage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QPainterPolylineFloor)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
