#pragma once
// The screens and their workbench for the screen tests, one set at a time.

#include <filesystem>
#include <memory>

#include "ui/screen_set.h"

namespace tervolin::testing {

// The screens and their workbench as the program makes them, on the working
// directory as the data folder; made on first use after ResetProgram.
inline std::unique_ptr<ui::ScreenSet>& ProgramSlot() {
  static std::unique_ptr<ui::ScreenSet> screens;
  return screens;
}
inline ui::ScreenSet& Program() {
  if (!ProgramSlot()) ProgramSlot() = std::make_unique<ui::ScreenSet>(std::filesystem::current_path());
  return *ProgramSlot();
}
inline void ResetProgram() { ProgramSlot().reset(); }

}  // namespace tervolin::testing
