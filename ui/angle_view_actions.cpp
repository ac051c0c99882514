#include "ui/angle_view_actions.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "graphs/angle_graph_views.h"
#include "ui/polar_diagram_widget.h"
#include "ui/polar_diagram_window.h"
#include "ui/qt_drawing.h"
#include "ui/qt_text.h"
#include "ui/session.h"
#include "ui/screen_window.h"

namespace tervolin::ui {

namespace {

QAction* CheckItem(QObject* owner, const char* text) {
  auto* action = new QAction(Utf8(text), owner);
  action->setCheckable(true);
  return action;
}

std::vector<PolarCurve> PolarCurves() {
  std::vector<PolarCurve> curves;
  for (const tervolin::ShownCurve& c : TheSession().graphViews.Shown()) {
    curves.push_back({*c.values, ToQColor(c.colour),
                      QString::fromStdString(tervolin::LabelText(c.label)), c.dashed, c.style});
  }
  return curves;
}

QString PolarCaption(bool perSolidAngle) {
  return perSolidAngle ? Utf8("立体角あたり散乱確率（各曲線の最大値を 1 とする）")
                       : Utf8("散乱確率（角度あたり、各曲線の最大値を 1 とする）");
}

}  // namespace

AngleViewActions::AngleViewActions(QWidget& screen, tervolin::DrawingSurface& graph)
    : QObject(&screen),
      screen_(screen),
      graph_(graph),
      freeElectron_(CheckItem(this, "自由電子の曲線を重ねる")),
      perSolidAngle_(CheckItem(this, "立体角あたりで表示")),
      polar_(new QAction(Utf8("極座標で表示…"), this)) {
  connect(freeElectron_, &QAction::toggled, this, &AngleViewActions::ChoicesChanged);
  connect(perSolidAngle_, &QAction::toggled, this, &AngleViewActions::ChoicesChanged);
  connect(polar_, &QAction::triggered, this, &AngleViewActions::ShowPolarWindow);
  TheSession().graphViews.choices = {};
  TheSession().graphViews.Forget();  // a new screen starts with an empty graph
  TheSession().graphViews.changed = [this] { UpdatePolarWindow(); };
}

AngleViewActions::~AngleViewActions() { TheSession().graphViews.changed = nullptr; }

void AngleViewActions::AddTo(QMenu& menu) {
  menu.addSeparator();
  menu.addAction(freeElectron_);
  menu.addAction(perSolidAngle_);
  menu.addAction(polar_);
}

void AngleViewActions::CurveDrawn(tervolin::ViewedCurve curve) {
  tervolin::AngleGraphViews& views = TheSession().graphViews;
  views.Add(std::move(curve));
  if (views.choices.AnyChosen()) tervolin::RedrawAngleGraph(graph_, views);
}

void AngleViewActions::ChoicesChanged() {
  TheSession().graphViews.choices = {freeElectron_->isChecked(), perSolidAngle_->isChecked()};
  tervolin::RedrawAngleGraph(graph_, TheSession().graphViews);
  UpdatePolarWindow();
}

PolarDiagramWindow* AngleViewActions::PolarWindow() const { return polarWindow_; }

void AngleViewActions::ShowPolarWindow() {
  if (!polarWindow_) {
    polarWindow_ = new PolarDiagramWindow(&screen_);
    polarWindow_->resize(polarWindow_->sizeHint());
  }
  UpdatePolarWindow();
  ShowInFront(*polarWindow_);
}

void AngleViewActions::UpdatePolarWindow() {
  if (!polarWindow_) return;
  polarWindow_->Diagram().SetCaption(PolarCaption(TheSession().graphViews.choices.perSolidAngle));
  polarWindow_->Diagram().SetCurves(PolarCurves());
}

}  // namespace tervolin::ui
