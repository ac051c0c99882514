#pragma once
// Start-up and end of the program.

#include <optional>

namespace tervolin::ui {

class ScreenSet;

// The whole run: the application, start-up, then user events until the program ends.
// Returns the process's exit status.
int RunTervolin(int argc, char** argv);

// Start-up inside the running application: font substitutions, Qt's Japanese texts,
// the start screen and its load handler. Nothing when the start screen is up;
// otherwise the exit status, after the user was told why the program cannot start.
[[nodiscard]] std::optional<int> StartTervolin(ScreenSet& screens);

// Handles user events until the program ends, then discards the screens without
// their close handlers. Returns the exit status.
int WaitForProgramEnd();

}  // namespace tervolin::ui
