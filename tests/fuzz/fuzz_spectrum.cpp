// Five arbitrary setting texts into the spectrum model: a spectrum with maximum 1, or
// a problem with its message; never a crash.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/messages.h"
#include "core/spectrum_model.h"
#include "data/attenuation_table.h"

namespace {

using tervolin::SpectrumField;

// The shipped attenuation table, read once.
const tervolin::AttenuationTables& LoadedTables() {
  static const tervolin::AttenuationTables tables = [] {
    const auto read = tervolin::LoadAttenuationTable(TERVOLIN_TABLES_DIR);
    if (!read) std::abort();
    return read.Value();
  }();
  return tables;
}

tervolin::TubeSettings Settings(std::string_view input) {
  const SpectrumField order[] = {SpectrumField::TubeVoltage, SpectrumField::TargetAngle,
                                 SpectrumField::InherentFiltration, SpectrumField::AluminiumFilter,
                                 SpectrumField::CopperFilter};
  tervolin::TubeSettings settings;
  std::size_t field = 0;
  for (char c : input) {
    if (c == '\n' && field < 4) {
      ++field;
    } else {
      settings.Text(order[field]) += c;
    }
  }
  return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const tervolin::TubeSettings settings = Settings({reinterpret_cast<const char*>(data), size});
  const auto spectrum = tervolin::ComputeSpectrum(settings, LoadedTables(), {});
  if (!spectrum) {
    if (tervolin::MessageOf(spectrum.Fault(), tervolin::Language::kJapanese).empty()) std::abort();
    return 0;
  }
  const auto& fluence = spectrum.Value().fluence;
  if (*std::max_element(fluence.begin() + 1, fluence.end()) != 1.0) std::abort();
  return 0;
}
