#include "ui/angle_view_actions.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QSettings>
#include <QWidget>

#include "ui/polar_diagram_window.h"
#include "ui/qt_text.h"
#include "ui/screen_window.h"
#include "ui/ui_texts.h"

namespace tervolin::ui {

namespace {

QAction* CheckItem(QAction* action) {
  action->setCheckable(true);
  return action;
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

AngleViewActions::AngleViewActions(QWidget& screen, tervolin::Workbench& bench, SaveFolderMemory& saves)
    : QObject(&screen),
      screen_(screen),
      bench_(bench),
      saves_(saves),
      palette_(CheckItem(MakeAction(Ui("色覚に配慮した配色"), this))),
      polar_(MakeAction(Ui("極座標で表示…"), this)) {
  for (std::size_t i = 0; i < std::size(tervolin::kViews); ++i) {
    views_.push_back(CheckItem(new QAction(this)));
    connect(views_.back(), &QAction::toggled, this, &AngleViewActions::ChoicesChanged);
  }
  NameViews();
  palette_->setChecked(RememberedColourVisionPalette());
  connect(palette_, &QAction::toggled, this, [this](bool chosen) {
    RememberColourVisionPalette(chosen);
    ChoicesChanged();
  });
  connect(polar_, &QAction::triggered, this, &AngleViewActions::ShowPolarWindow);
  ChoicesChanged();
  bench_.ClearCurves();
  named_ = bench_.Observe([this](tervolin::Changes changes) {
    if (changes.Has(tervolin::Change::kLanguage)) NameViews();
  });
}

void AngleViewActions::NameViews() {
  for (std::size_t i = 0; i < views_.size(); ++i) {
    views_[i]->setText(FromUtf8(tervolin::TextOf(tervolin::kViews[i].menuItem, bench_.TextLanguage())));
  }
}

QAction& AngleViewActions::ViewAction(tervolin::View view) {
  std::size_t i = 0;
  while (tervolin::kViews[i].view != view) ++i;
  return *views_[i];
}

void AngleViewActions::AddTo(QMenu& menu) {
  menu.addSeparator();
  for (QAction* view : views_) menu.addAction(view);
  menu.addAction(palette_);
  menu.addAction(polar_);
}

void AngleViewActions::ChoicesChanged() {
  tervolin::ViewSet views;
  for (std::size_t i = 0; i < views_.size(); ++i) views = views.With(tervolin::kViews[i].view, views_[i]->isChecked());
  bench_.ChooseViews(views);
  bench_.ChoosePalette(palette_->isChecked() ? tervolin::CurvePalette::kColourVisionSafe : tervolin::CurvePalette::kScreen);
}

PolarDiagramWindow* AngleViewActions::PolarWindow() const { return polarWindow_; }

void AngleViewActions::ClosePolarWindow() {
  if (polarWindow_) polarWindow_->close();
}

void AngleViewActions::ShowPolarWindow() {
  if (!polarWindow_) {
    polarWindow_ = new PolarDiagramWindow(&screen_, bench_, saves_);
    polarWindow_->resize(polarWindow_->sizeHint());
  }
  ShowInFront(*polarWindow_);
}

}  // namespace tervolin::ui
