#pragma once
// What a calculation returns: its result, or the problem that stopped it.

#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "core/text_catalogue.h"

namespace tervolin {

// One of the inputs, named so that a screen can put its field right.
enum class SpectrumField {
  TubeVoltage,         // kV
  InherentFiltration,  // mm aluminium equivalent
  AluminiumFilter,     // mm
  CopperFilter,        // mm
  TargetAngle,         // degrees
};

// The field a problem asks to be typed anew, and the text it gets meanwhile.
struct FieldReset {
  SpectrumField field;
  std::string text;
  friend bool operator==(const FieldReset&, const FieldReset&) = default;
};

// What stopped a step: its kind (the catalogue's text that tells it), for a rejected
// input the field to reset, and the texts that fill the message's "{1}", "{2}", ….
// A front end decides by the kind and shows MessageOf (core/messages.h).
struct Problem {
  TextId kind;
  std::optional<FieldReset> reset{};
  std::vector<std::string> parameters{};
  friend bool operator==(const Problem&, const Problem&) = default;
};

template <typename T, typename Failure = Problem>
class Outcome {
 public:
  Outcome(T value) : state_(std::move(value)) {}
  Outcome(Failure failure) : state_(std::move(failure)) {}
  bool HasValue() const { return state_.index() == 0; }
  explicit operator bool() const { return HasValue(); }
  const T& Value() const { return std::get<0>(state_); }
  T& Value() { return std::get<0>(state_); }
  const Failure& Fault() const { return std::get<1>(state_); }

 private:
  std::variant<T, Failure> state_;
};

}  // namespace tervolin
