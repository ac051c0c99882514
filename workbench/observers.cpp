#include "workbench/observers.h"

#include <algorithm>

namespace tervolin {

Subscription::Subscription(Subscription&& other) noexcept : list_(std::move(other.list_)), id_(other.id_) {
  other.list_.reset();
}

Subscription& Subscription::operator=(Subscription&& other) noexcept {
  if (this != &other) {
    Leave();
    list_ = std::move(other.list_);
    id_ = other.id_;
    other.list_.reset();
  }
  return *this;
}

Subscription::~Subscription() { Leave(); }

void Subscription::Leave() {
  if (const auto list = list_.lock()) std::erase_if(*list, [this](const Entry& e) { return e.id == id_; });
  list_.reset();
}

Subscription Observers::Add(Observer observer) {
  const std::size_t id = next_++;
  list_->push_back({id, std::make_shared<Observer>(std::move(observer))});
  return Subscription(list_, id);
}

void Observers::Tell(Changes changes) const {
  if (changes.Empty()) return;
  const std::vector<Subscription::Entry> told = *list_;
  for (const Subscription::Entry& entry : told) {
    const bool stays = std::any_of(list_->begin(), list_->end(), [&](const auto& e) { return e.id == entry.id; });
    if (stays) (*entry.observer)(changes);
  }
}

}  // namespace tervolin
