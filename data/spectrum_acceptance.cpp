#include "data/spectrum_acceptance.h"

#include "core/messages.h"
#include "core/shared_state.h"
#include "core/spectrum_model.h"
#include "data/spectrum_file.h"

namespace tervolin {

std::optional<std::string> AcceptShownSpectrum(const std::filesystem::path& file) {
  SharedState& s = Shared();
  if (s.SpectrumShown == 0) return std::string(msg::kNoSpectrum);
  if (const auto failure = WriteSpectrumFile(file, s.SpectrumFluence)) return "　" + *failure + "　";
  AcceptComputedSpectrum();
  return std::nullopt;
}

}  // namespace tervolin
