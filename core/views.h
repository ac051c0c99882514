#pragma once
// The teaching views of an angular distribution, declared once: what each view is
// called on every front end, in one entry of kViews. A new view is one enumerator,
// one entry and its drawing (what ComputeDistribution does in it).

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <optional>

#include "core/text_catalogue.h"

namespace tervolin {

enum class View {
  kPerSolidAngle,  // per unit solid angle: the terms without the factor sin θ
  kFreeElectron,   // the atomic factor replaced by 1: Thomson (F → 1), Klein–Nishina (S → 1)
};

struct ViewEntry {
  View view;
  TextId menuItem;  // the check item that shows it, on the screens and the page
  // The view's word in a slide's title; with `inLabels`, also after every curve's label.
  TextId term;
  bool inLabels;
  std::optional<TextId> axisTitle;  // the angular graph's ordinate in the view, if its own
  const char* option;               // tervolin-calc's flag
  const char* column;               // what it adds to the name of a table's value column
  const char* pageKey;              // the page's control and the address's name of it
};

// In the order the titles, labels and column names take them, and the menus list them.
inline constexpr ViewEntry kViews[] = {
    {View::kPerSolidAngle, TextId::kPerSolidAngleMenuItem, TextId::kPerSolidAngle, true,
     TextId::kPerSolidAngleAxisTitle, "--per-solid-angle", "_per_solid_angle", "per-solid-angle"},
    {View::kFreeElectron, TextId::kFreeElectronMenuItem, TextId::kFreeElectronView, false, std::nullopt,
     "--free-electron", "_free_electron", "free-electron"},
};

// A set of views; the empty set is the program's curves per unit angle.
class ViewSet {
 public:
  // Every set of the declared views.
  static constexpr std::size_t kSets = std::size_t{1} << std::size(kViews);

  constexpr ViewSet() = default;
  constexpr ViewSet(std::initializer_list<View> views) {
    for (const View view : views) bits_ |= Bit(view);
  }
  constexpr bool Has(View view) const { return (bits_ & Bit(view)) != 0; }
  constexpr ViewSet With(View view, bool chosen = true) const {
    ViewSet set = *this;
    set.bits_ = chosen ? bits_ | Bit(view) : bits_ & ~Bit(view);
    return set;
  }
  constexpr bool Empty() const { return bits_ == 0; }
  // The set's place among all kSets, where a curve keeps its values in each.
  constexpr std::size_t Index() const { return bits_; }
  static constexpr ViewSet AtIndex(std::size_t index) {
    ViewSet set;
    set.bits_ = static_cast<unsigned>(index);
    return set;
  }
  friend constexpr bool operator==(ViewSet, ViewSet) = default;

 private:
  static constexpr unsigned Bit(View view) { return 1u << static_cast<unsigned>(view); }
  unsigned bits_ = 0;
};

}  // namespace tervolin
