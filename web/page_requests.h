#pragma once
// The page's requests as the model's choices: the tube's settings by the names the
// page gives its fields, a curve's kind, energy mode, colour, material and energy,
// and the views by their page keys (core/views.h).

#include <emscripten/val.h>

#include <optional>
#include <string>

#include "core/tube_settings.h"
#include "core/views.h"
#include "workbench/workbench.h"

namespace tervolin::web {

// The page's choices for one calculation.
struct PageChoice {
  ScatterKind scatter;
  bool spectral;
  CurveChoice curve;  // material and energy as typed
  int colour;         // palette index
  TubeSettings settings;
};

// request {kind, mode, material, energy, colour, kv, inherent, al, cu, targetAngle}.
PageChoice RequestedChoice(const emscripten::val& request);

// The kind, energy mode and colour chosen on the model.
void Choose(Workbench& bench, const PageChoice& choice);

// The views whose page keys the array holds.
ViewSet RequestedViews(const emscripten::val& keys);

// The settings' texts by the page's names of the fields.
emscripten::val SettingsTexts(const TubeSettings& settings);

// The field a problem resets, by its name in the request, with its new text: {}
// when none is reset.
emscripten::val FieldReset(const std::optional<Problem>& problem);

}  // namespace tervolin::web
