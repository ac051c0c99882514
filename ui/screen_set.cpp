#include "ui/screen_set.h"

#include "ui/calculation_screen.h"
#include "ui/data_source_screen.h"
#include "ui/explanation_screen.h"
#include "ui/qt_translations.h"
#include "ui/spectral_method_screen.h"
#include "ui/spectrum_screen.h"
#include "ui/start_screen.h"

namespace tervolin::ui {

namespace {

template <typename Screen>
Screen* Live(const ScreenSlot<Screen>& slot) {
  return slot.screen != nullptr && !slot.screen->IsClosing() ? slot.screen.data() : nullptr;
}

template <typename Screen, typename... Arguments>
Screen& Made(ScreenSlot<Screen>& slot, Screens& screens, Arguments... arguments) {
  if (Live(slot) == nullptr) slot.screen = new Screen(screens, arguments...);
  return *slot.screen;
}

}  // namespace

ScreenSet::ScreenSet(std::filesystem::path dataFolder) : bench_(std::move(dataFolder), StartLanguage()) {}

ScreenSet::~ScreenSet() {
  delete calculation_.screen.data();  // its windows first: they follow the workbench
  delete spectrum_.screen.data();
  delete coherent_.screen.data();
  delete incoherent_.screen.data();
  delete dataSource_.screen.data();
  delete spectralMethod_.screen.data();
  delete start_.screen.data();
}

ScreenWindow& ScreenSet::Home() { return Start(); }

StartScreen& ScreenSet::Start() { return Made(start_, *this); }
StartScreen* ScreenSet::ExistingStart() const { return Live(start_); }

ExplanationScreen& ScreenSet::Explanation(tervolin::ScatterKind scatter) {
  return Made(scatter == tervolin::kCoherent ? coherent_ : incoherent_, *this, scatter);
}
ExplanationScreen* ScreenSet::ExistingExplanation(tervolin::ScatterKind scatter) const {
  return Live(scatter == tervolin::kCoherent ? coherent_ : incoherent_);
}

CalculationScreen& ScreenSet::Calculation() { return Made(calculation_, *this); }
CalculationScreen* ScreenSet::ExistingCalculation() const { return Live(calculation_); }

SpectrumScreen& ScreenSet::Spectrum() { return Made(spectrum_, *this); }
SpectrumScreen* ScreenSet::ExistingSpectrum() const { return Live(spectrum_); }

DataSourceScreen& ScreenSet::DataSource() { return Made(dataSource_, *this); }
DataSourceScreen* ScreenSet::ExistingDataSource() const { return Live(dataSource_); }

SpectralMethodScreen& ScreenSet::SpectralMethod() { return Made(spectralMethod_, *this); }
SpectralMethodScreen* ScreenSet::ExistingSpectralMethod() const { return Live(spectralMethod_); }

}  // namespace tervolin::ui
