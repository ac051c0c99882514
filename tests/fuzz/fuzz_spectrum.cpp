// Five arbitrary field texts into the spectrum model: a spectrum with maximum 1, or
// a message with an all-zero fluence; never a crash.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/shared_state.h"
#include "core/spectrum_model.h"
#include "data/attenuation_table.h"
#include "support/recording_host.h"

namespace {

using tervolin::SpectrumField;

// The shipped attenuation table, read once.
const tervolin::SharedState& LoadedTables() {
  static const tervolin::SharedState tables = [] {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(TERVOLIN_TABLES_DIR);
    if (tervolin::LoadAttenuationTable()) std::abort();
    std::filesystem::current_path(previous);
    return tervolin::Shared();
  }();
  return tables;
}

void SetFields(tervolin::testing::RecordingHost& host, std::string_view input) {
  const SpectrumField order[] = {SpectrumField::TubeVoltage, SpectrumField::TargetAngle,
                                 SpectrumField::InherentFiltration, SpectrumField::AluminiumFilter,
                                 SpectrumField::CopperFilter};
  std::size_t field = 0;
  for (char c : input) {
    if (c == '\n' && field < 4) {
      ++field;
    } else {
      host.spectrumFields[order[field]] += c;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const tervolin::SharedState& tables = LoadedTables();
  tervolin::testing::HostFixtureInstaller fixture;
  tervolin::Shared() = tables;
  SetFields(fixture.host, {reinterpret_cast<const char*>(data), size});
  tervolin::CalculateSpectrum();
  const auto& fluence = tervolin::Shared().SpectrumFluence;
  const double largest = *std::max_element(fluence.begin() + 1, fluence.end());
  if (fixture.host.warnings.empty() ? largest != 1.0 : largest != 0.0) std::abort();
  return 0;
}
