#include "ui/angle_view_actions.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "core/angle_graph_views.h"
#include "core/palette.h"
#include "core/shared_state.h"
#include "ui/polar_diagram_widget.h"
#include "ui/polar_diagram_window.h"

namespace tervolin::ui {

namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

QAction* CheckItem(QObject* owner, const char* text) {
  auto* action = new QAction(Utf8(text), owner);
  action->setCheckable(true);
  return action;
}

std::vector<PolarCurve> PolarCurves() {
  std::vector<PolarCurve> curves;
  for (const tervolin::ShownCurve& c : tervolin::GraphViews().Shown()) {
    curves.push_back({*c.values, QColor(c.colour.r, c.colour.g, c.colour.b),
                      QString::fromStdString(tervolin::LabelText(c.label)), c.dashed});
  }
  return curves;
}

QString PolarCaption(bool perSolidAngle) {
  return perSolidAngle ? Utf8("立体角あたり散乱確率（各曲線の最大値を 1 とする）")
                       : Utf8("散乱確率（角度あたり、各曲線の最大値を 1 とする）");
}

}  // namespace

AngleViewActions::AngleViewActions(QWidget& screen)
    : QObject(&screen),
      screen_(screen),
      freeElectron_(CheckItem(this, "自由電子の曲線を重ねる")),
      perSolidAngle_(CheckItem(this, "立体角あたりで表示")),
      polar_(new QAction(Utf8("極座標で表示…"), this)) {
  connect(freeElectron_, &QAction::toggled, this, &AngleViewActions::ChoicesChanged);
  connect(perSolidAngle_, &QAction::toggled, this, &AngleViewActions::ChoicesChanged);
  connect(polar_, &QAction::triggered, this, &AngleViewActions::ShowPolarWindow);
  tervolin::GraphViews().choices = {};
  tervolin::GraphViews().Forget();  // a new screen starts with an empty graph
  tervolin::GraphViews().changed = [this] { UpdatePolarWindow(); };
}

AngleViewActions::~AngleViewActions() { tervolin::GraphViews().changed = nullptr; }

void AngleViewActions::AddTo(QMenu& menu) {
  menu.addSeparator();
  menu.addAction(freeElectron_);
  menu.addAction(perSolidAngle_);
  menu.addAction(polar_);
}

void AngleViewActions::CurveDrawn(const tervolin::CurveLabel& label) {
  const tervolin::Rgb colour = tervolin::PaletteColour(tervolin::Shared().PlotColor);
  tervolin::GraphViews().Add(
      tervolin::ViewCurve(tervolin::ChosenRequest(), tervolin::Shared().AngleDistribution, colour, label));
  if (tervolin::GraphViews().choices.AnyChosen()) tervolin::RedrawAngleGraph();
}

void AngleViewActions::ChoicesChanged() {
  tervolin::GraphViews().choices = {freeElectron_->isChecked(), perSolidAngle_->isChecked()};
  tervolin::RedrawAngleGraph();
  UpdatePolarWindow();
}

PolarDiagramWindow* AngleViewActions::PolarWindow() const { return polarWindow_; }

void AngleViewActions::ShowPolarWindow() {
  if (!polarWindow_) {
    polarWindow_ = new PolarDiagramWindow(&screen_);
    polarWindow_->resize(polarWindow_->sizeHint());
  }
  UpdatePolarWindow();
  polarWindow_->show();
  polarWindow_->raise();
  polarWindow_->activateWindow();
}

void AngleViewActions::UpdatePolarWindow() {
  if (!polarWindow_) return;
  polarWindow_->Diagram().SetCaption(PolarCaption(tervolin::GraphViews().choices.perSolidAngle));
  polarWindow_->Diagram().SetCurves(PolarCurves());
}

}  // namespace tervolin::ui
