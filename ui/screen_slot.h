#pragma once
// Each screen exists at most once: created (hidden) on first use, kept while it is
// only hidden, and forgotten when its window is closed, so the next use creates it
// afresh.

#include <QPointer>

namespace tervolin::ui {

template <typename Screen>
class ScreenSlot {
 public:
  // The live instance, created hidden (from `arguments`) if there is none.
  template <typename... Arguments>
  Screen& Get(Arguments... arguments) {
    if (Existing() == nullptr) screen_ = new Screen(arguments...);
    return *screen_;
  }
  // The live instance, or nullptr when it does not exist (or is being closed).
  Screen* Existing() const {
    return (screen_ != nullptr && !screen_->IsClosing()) ? screen_.data() : nullptr;
  }

 private:
  QPointer<Screen> screen_;
};

// The single instance of a screen class, reached by the class's name:
// `class CalculationScreen : public ScreenWindow, public SingleInstance<CalculationScreen>`.
template <typename Screen>
class SingleInstance {
 public:
  static Screen& Instance() { return Slot().Get(); }
  static Screen* Existing() { return Slot().Existing(); }

 private:
  static ScreenSlot<Screen>& Slot() {
    static ScreenSlot<Screen> slot;
    return slot;
  }
};

}  // namespace tervolin::ui
