#include "graphs/display_list.h"

#include <algorithm>
#include <utility>

namespace tervolin {

bool DrawingState::Take(const DrawingOperation& op) {
  switch (op.kind) {
    case DrawingKind::kCls:
      width = op.width;
      textScale = op.scale;
      textColour = kBlack;
      style = LineStyle::kSolid;
      return true;
    case DrawingKind::kDrawWidth: width = op.width; return true;
    case DrawingKind::kTextColour: textColour = op.colour; return true;
    case DrawingKind::kStrokeStyle: style = op.style; return true;
    case DrawingKind::kTextScale: textScale = op.scale; return true;
    case DrawingKind::kTextUpright: upright = op.upright; return true;
    default: return false;
  }
}

DrawingOperations DisplayList::OfKind(DrawingKind kind) const {
  DrawingOperations found;
  for (const DrawingOperation& op : operations_) {
    if (op.kind == kind) found.push_back(op);
  }
  return found;
}

std::size_t CurveCount(const DrawingOperations& operations) {
  return static_cast<std::size_t>(std::count_if(operations.begin(), operations.end(), [](const DrawingOperation& op) {
    return op.kind == DrawingKind::kBeginCurve;
  }));
}

void DisplayList::Record(DrawingOperation operation) { operations_.push_back(std::move(operation)); }

// Nothing drawn before a Cls shows after it.
void DisplayList::Cls() {
  operations_.clear();
  ++clearings_;
  currentX_ = currentY_ = 0;
  DrawingOperation op{DrawingKind::kCls};
  op.width = width_;
  op.scale = textScale_;
  Record(op);
}

void DisplayList::DrawWidth(int pixels) {
  width_ = pixels;
  DrawingOperation op{DrawingKind::kDrawWidth};
  op.width = pixels;
  Record(op);
}

void DisplayList::Line(float x1, float y1, float x2, float y2, Rgb colour) {
  Record({DrawingKind::kLine, x1, y1, x2, y2, 0, 0, colour});
  currentX_ = x2;
  currentY_ = y2;
}

void DisplayList::LineTo(float x2, float y2, Rgb colour) {
  Record({DrawingKind::kLineTo, currentX_, currentY_, x2, y2, 0, 0, colour});
  currentX_ = x2;
  currentY_ = y2;
}

void DisplayList::Box(float x1, float y1, float x2, float y2, Rgb colour) {
  Record({DrawingKind::kBox, x1, y1, x2, y2, 0, 0, colour});
}

void DisplayList::FillBox(float x1, float y1, float x2, float y2, Rgb colour) {
  Record({DrawingKind::kFillBox, x1, y1, x2, y2, 0, 0, colour});
}

void DisplayList::PSet(float x, float y, Rgb colour) {
  Record({DrawingKind::kPSet, x, y, x, y, 0, 0, colour});
  currentX_ = x;
  currentY_ = y;
}

void DisplayList::Print(float x, float y, const std::string& utf8Text) {
  DrawingOperation op{DrawingKind::kPrint, x, y, x, y};
  op.text = utf8Text;
  Record(std::move(op));
}

void DisplayList::TextColour(Rgb colour) { Record({DrawingKind::kTextColour, 0, 0, 0, 0, 0, 0, colour}); }

void DisplayList::StrokeStyle(LineStyle style) {
  DrawingOperation op{DrawingKind::kStrokeStyle};
  op.style = style;
  Record(op);
}

void DisplayList::TextScale(double factor) {
  textScale_ = factor;
  DrawingOperation op{DrawingKind::kTextScale};
  op.scale = factor;
  Record(op);
}

void DisplayList::TextUpright(bool upright) {
  DrawingOperation op{DrawingKind::kTextUpright};
  op.upright = upright;
  Record(op);
}

void DisplayList::Circle(float x, float y, float radius, Rgb colour) {
  Record({DrawingKind::kCircle, x, y, radius, 0, 0, 0, colour});
}

void DisplayList::FillTriangle(float x1, float y1, float x2, float y2, float x3, float y3, Rgb colour) {
  Record({DrawingKind::kFillTriangle, x1, y1, x2, y2, x3, y3, colour});
}

void DisplayList::BeginCurve() { Record({DrawingKind::kBeginCurve}); }

void DisplayList::EndCurve() { Record({DrawingKind::kEndCurve}); }

namespace {

void ReplayOne(const DrawingOperation& op, DrawingSurface& target) {
  switch (op.kind) {
    case DrawingKind::kCls:
      target.Cls();
      target.DrawWidth(op.width);
      target.TextScale(op.scale);
      break;
    case DrawingKind::kDrawWidth: target.DrawWidth(op.width); break;
    case DrawingKind::kLine: target.Line(op.x1, op.y1, op.x2, op.y2, op.colour); break;
    case DrawingKind::kLineTo: target.LineTo(op.x2, op.y2, op.colour); break;
    case DrawingKind::kBox: target.Box(op.x1, op.y1, op.x2, op.y2, op.colour); break;
    case DrawingKind::kFillBox: target.FillBox(op.x1, op.y1, op.x2, op.y2, op.colour); break;
    case DrawingKind::kPSet: target.PSet(op.x1, op.y1, op.colour); break;
    case DrawingKind::kPrint: target.Print(op.x1, op.y1, op.text); break;
    case DrawingKind::kTextColour: target.TextColour(op.colour); break;
    case DrawingKind::kStrokeStyle: target.StrokeStyle(op.style); break;
    case DrawingKind::kTextScale: target.TextScale(op.scale); break;
    case DrawingKind::kTextUpright: target.TextUpright(op.upright); break;
    case DrawingKind::kCircle: target.Circle(op.x1, op.y1, op.x2, op.colour); break;
    case DrawingKind::kFillTriangle: target.FillTriangle(op.x1, op.y1, op.x2, op.y2, op.x3, op.y3, op.colour); break;
    case DrawingKind::kBeginCurve: target.BeginCurve(); break;
    case DrawingKind::kEndCurve: target.EndCurve(); break;
  }
}

}  // namespace

void Replay(const DrawingOperations& operations, DrawingSurface& target) {
  for (const DrawingOperation& op : operations) ReplayOne(op, target);
}

}  // namespace tervolin
