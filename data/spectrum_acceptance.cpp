#include "data/spectrum_acceptance.h"

#include "data/spectrum_file.h"

namespace tervolin {

std::optional<Problem> WriteAcceptedSpectrum(const std::filesystem::path& file, const Spectrum* shown,
                                             WrittenSpectrumFile* written, const FileSystemCalls& calls, Language language) {
  if (shown == nullptr) return Problem{TextId::kNoSpectrum};
  if (const auto failure = WriteSpectrumFile(file, shown->fluence, written, calls, language)) {
    return Problem{TextId::kFileNotWritten, {}, {*failure}};
  }
  return std::nullopt;
}

}  // namespace tervolin
