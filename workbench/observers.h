#pragma once
// The model's observers: each front end's windows, told after an operation what it
// changed, draw themselves anew from the model. An observer is kept while its
// Subscription lives.

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace tervolin {

// What an operation changed.
enum class Change : unsigned {
  kChoices = 1u << 0,           // the kind of scattering, the energy mode or the colour
  kCurves = 1u << 1,            // the angular graph's curves
  kCurveAdded = 1u << 8,        // with kCurves: curves added after those there, nothing else
  kViews = 1u << 2,             // the views they are shown in, or the palette
  kSpectra = 1u << 3,           // the spectra shown, or their scale
  kAcceptedSpectrum = 1u << 4,  // the spectrum the spectral curves are weighted by
  kComparison = 1u << 5,        // the comparison of the sizes of scattering
  kLanguage = 1u << 6,          // the language every label, title and message is worded in
  kMaterials = 1u << 7,         // the data folder's materials
};

class Changes {
 public:
  constexpr Changes() = default;
  constexpr Changes(Change change) : bits_(static_cast<unsigned>(change)) {}
  constexpr Changes operator|(Changes other) const { return FromBits(bits_ | other.bits_); }
  constexpr bool Has(Change change) const { return (bits_ & static_cast<unsigned>(change)) != 0; }
  // Whether any of `others` is among these.
  constexpr bool Any(Changes others) const { return (bits_ & others.bits_) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  friend constexpr bool operator==(Changes, Changes) = default;

 private:
  static constexpr Changes FromBits(unsigned bits) {
    Changes changes;
    changes.bits_ = bits;
    return changes;
  }
  unsigned bits_ = 0;
};

constexpr Changes operator|(Change a, Change b) { return Changes(a) | b; }

using Observer = std::function<void(Changes)>;

// An observer's place in the list: the observer is told until this is destroyed
// (or the list is gone).
class Subscription {
 public:
  Subscription() = default;
  Subscription(Subscription&& other) noexcept;
  Subscription& operator=(Subscription&& other) noexcept;
  ~Subscription();

 private:
  friend class Observers;
  struct Entry {
    std::size_t id;
    std::shared_ptr<Observer> observer;
  };
  Subscription(std::weak_ptr<std::vector<Entry>> list, std::size_t id) : list_(std::move(list)), id_(id) {}
  void Leave();

  std::weak_ptr<std::vector<Entry>> list_;
  std::size_t id_ = 0;
};

class Observers {
 public:
  Observers() = default;
  Observers(const Observers&) = delete;
  Observers& operator=(const Observers&) = delete;
  Observers(Observers&&) = default;
  Observers& operator=(Observers&&) = default;

  [[nodiscard]] Subscription Add(Observer observer);
  // Tells every observer, in the order they came; one that leaves meanwhile is not
  // told, one that comes meanwhile is told from the next time on.
  void Tell(Changes changes) const;

 private:
  std::shared_ptr<std::vector<Subscription::Entry>> list_ = std::make_shared<std::vector<Subscription::Entry>>();
  std::size_t next_ = 1;
};

}  // namespace tervolin
