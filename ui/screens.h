#pragma once
// What a screen reaches of the program: the other screens and the model they
// share. The program makes one ScreenSet (ui/screen_set.h) and hands it to each screen
// as it is made; a screen sees only this, so that no screen depends on the one that
// makes them all.

#include "core/energy_tables.h"
#include "workbench/workbench.h"

namespace tervolin::ui {

class CalculationScreen;
class DataSourceScreen;
class ExplanationScreen;
class ScreenWindow;
class SpectralMethodScreen;
class SpectrumScreen;
struct SaveFolderMemory;

class Screens {
 public:
  virtual ~Screens() = default;

  virtual tervolin::Workbench& Bench() = 0;
  // Where the last picture was saved, for every save dialog of the program.
  virtual SaveFolderMemory& SaveFolders() = 0;
  // The screen the others lead back to: the start screen.
  virtual ScreenWindow& Home() = 0;
  // Each screen, made hidden when there is none; or, with Existing…, the live one
  // (nullptr when there is none or it is being closed).
  virtual ExplanationScreen& Explanation(tervolin::ScatterKind scatter) = 0;
  virtual CalculationScreen& Calculation() = 0;
  virtual SpectrumScreen& Spectrum() = 0;
  virtual DataSourceScreen& DataSource() = 0;
  virtual DataSourceScreen* ExistingDataSource() const = 0;
  virtual SpectralMethodScreen& SpectralMethod() = 0;
};

}  // namespace tervolin::ui
