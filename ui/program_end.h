#pragma once
// The end of the program, as the start screen's exit button asks for it.

namespace tervolin::ui {

// Ends the program at once: every window is hidden without running its close handler
// and the event loop ends with status 0.
void EndProgram();

}  // namespace tervolin::ui
