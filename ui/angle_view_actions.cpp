#include "ui/angle_view_actions.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QSettings>
#include <QWidget>

#include "graphs/angle_graph_views.h"
#include "ui/polar_diagram_widget.h"
#include "ui/polar_diagram_window.h"
#include "ui/qt_drawing.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"
#include "ui/screen_window.h"

namespace tervolin::ui {

namespace {

QAction* CheckItem(QObject* owner, UiText text) {
  QAction* action = MakeAction(text, owner);
  action->setCheckable(true);
  return action;
}

std::vector<PolarCurve> PolarCurves(const tervolin::AngleGraphViews& views, tervolin::Language language) {
  std::vector<PolarCurve> curves;
  for (const tervolin::ShownCurve& c : views.Shown(language)) {
    curves.push_back({*c.values, ToQColor(c.colour),
                      QString::fromStdString(tervolin::LabelText(c.label, language)), c.dashed, c.style});
  }
  return curves;
}

constexpr char kPaletteKey[] = "graphs/colourVisionSafePalette";

bool SettingsKept() { return !QCoreApplication::organizationName().isEmpty(); }

bool RememberedColourVisionPalette() {
  return SettingsKept() && QSettings().value(QLatin1String(kPaletteKey), false).toBool();
}

void RememberColourVisionPalette(bool chosen) {
  if (SettingsKept()) QSettings().setValue(QLatin1String(kPaletteKey), chosen);
}

}  // namespace

AngleViewActions::AngleViewActions(QWidget& screen, tervolin::DrawingSurface& graph, tervolin::AngleGraphViews& views,
                                   SaveFolderMemory& saves)
    : QObject(&screen),
      screen_(screen),
      graph_(graph),
      views_(views),
      saves_(saves),
      freeElectron_(CheckItem(this, Ui("自由電子の曲線を重ねる"))),
      perSolidAngle_(CheckItem(this, Ui("立体角あたりで表示"))),
      palette_(CheckItem(this, Ui("色覚に配慮した配色"))),
      polar_(MakeAction(Ui("極座標で表示…"), this)) {
  connect(freeElectron_, &QAction::toggled, this, &AngleViewActions::ChoicesChanged);
  connect(perSolidAngle_, &QAction::toggled, this, &AngleViewActions::ChoicesChanged);
  palette_->setChecked(RememberedColourVisionPalette());
  connect(palette_, &QAction::toggled, this, [this](bool chosen) {
    RememberColourVisionPalette(chosen);
    ChoicesChanged();
  });
  connect(polar_, &QAction::triggered, this, &AngleViewActions::ShowPolarWindow);
  views_.choices = {};
  views_.choices.palette = PaletteChosen();
  views_.Forget();  // a new screen starts with an empty graph
  views_.changed = [this] { UpdatePolarWindow(); };
}

AngleViewActions::~AngleViewActions() { views_.changed = nullptr; }

void AngleViewActions::AddTo(QMenu& menu) {
  menu.addSeparator();
  menu.addAction(freeElectron_);
  menu.addAction(perSolidAngle_);
  menu.addAction(palette_);
  menu.addAction(polar_);
}

void AngleViewActions::ChoicesChanged() {
  views_.choices = {freeElectron_->isChecked(), perSolidAngle_->isChecked(), PaletteChosen()};
  tervolin::RedrawAngleGraph(graph_, views_);
  UpdatePolarWindow();
}

tervolin::CurvePalette AngleViewActions::PaletteChosen() const {
  return palette_->isChecked() ? tervolin::CurvePalette::kColourVisionSafe : tervolin::CurvePalette::kScreen;
}

PolarDiagramWindow* AngleViewActions::PolarWindow() const { return polarWindow_; }

void AngleViewActions::ClosePolarWindow() {
  if (polarWindow_) polarWindow_->close();
}

void AngleViewActions::ShowPolarWindow() {
  if (!polarWindow_) {
    polarWindow_ = new PolarDiagramWindow(&screen_, saves_);
    polarWindow_->resize(polarWindow_->sizeHint());
  }
  UpdatePolarWindow();
  ShowInFront(*polarWindow_);
}

void AngleViewActions::UpdatePolarWindow() {
  if (!polarWindow_) return;
  polarWindow_->Diagram().SetLanguage(graph_.TextLanguage());
  polarWindow_->Diagram().SetCaption(
      QString::fromStdString(tervolin::PolarCaption(views_.choices.perSolidAngle, graph_.TextLanguage())));
  polarWindow_->Diagram().SetCurves(PolarCurves(views_, graph_.TextLanguage()));
}

}  // namespace tervolin::ui
