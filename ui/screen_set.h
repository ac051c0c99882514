#pragma once
// The program's screens and the model they share, made once by the program (and
// by the screens' tests). Each screen exists at most once: made (hidden) on first
// use, kept while it is only hidden, and forgotten when its window is closed, so that
// the next use makes it afresh.

#include <QPointer>
#include <filesystem>

#include "ui/save_dialog.h"
#include "ui/screens.h"

namespace tervolin::ui {

class StartScreen;

template <typename Screen>
struct ScreenSlot {
  QPointer<Screen> screen;
};

class ScreenSet : public Screens {
 public:
  // The data folder is the model's: tables are read from it, the spectrum file is
  // written to it. The model starts in the language the program starts in
  // (StartLanguage).
  explicit ScreenSet(std::filesystem::path dataFolder);
  // Deletes the screens still there; no close handler runs.
  ~ScreenSet() override;
  ScreenSet(const ScreenSet&) = delete;
  ScreenSet& operator=(const ScreenSet&) = delete;

  tervolin::Workbench& Bench() override { return bench_; }
  SaveFolderMemory& SaveFolders() override { return saves_; }
  ScreenWindow& Home() override;
  StartScreen& Start();
  StartScreen* ExistingStart() const;
  ExplanationScreen& Explanation(tervolin::ScatterKind scatter) override;
  ExplanationScreen* ExistingExplanation(tervolin::ScatterKind scatter) const;
  CalculationScreen& Calculation() override;
  CalculationScreen* ExistingCalculation() const;
  SpectrumScreen& Spectrum() override;
  SpectrumScreen* ExistingSpectrum() const;
  DataSourceScreen& DataSource() override;
  DataSourceScreen* ExistingDataSource() const override;
  SpectralMethodScreen& SpectralMethod() override;
  SpectralMethodScreen* ExistingSpectralMethod() const;

 private:
  tervolin::Workbench bench_;
  SaveFolderMemory saves_;
  ScreenSlot<StartScreen> start_;
  ScreenSlot<ExplanationScreen> coherent_;
  ScreenSlot<ExplanationScreen> incoherent_;
  ScreenSlot<CalculationScreen> calculation_;
  ScreenSlot<SpectrumScreen> spectrum_;
  ScreenSlot<DataSourceScreen> dataSource_;
  ScreenSlot<SpectralMethodScreen> spectralMethod_;
};

}  // namespace tervolin::ui
