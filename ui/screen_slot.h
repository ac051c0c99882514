#pragma once
// Each screen exists at most once: created (hidden) on first use, kept while it is
// only hidden, and forgotten when its window is closed, so the next use creates it
// afresh.

#include <QPointer>

template <typename Screen>
class ScreenSlot {
 public:
  // The live instance, created hidden if there is none.
  Screen& Get() {
    if (Existing() == nullptr) screen_ = new Screen();
    return *screen_;
  }
  // The live instance, or nullptr when it does not exist (or is being closed).
  Screen* Existing() const {
    return (screen_ != nullptr && !screen_->IsClosing()) ? screen_.data() : nullptr;
  }

 private:
  QPointer<Screen> screen_;
};
