#include "data/spectrum_acceptance.h"

#include "data/spectrum_file.h"

namespace tervolin {

std::optional<Problem> WriteAcceptedSpectrum(const std::filesystem::path& file, const Spectrum* shown,
                                             Language language, WrittenSpectrumFile* written,
                                             const FileSystemCalls& calls) {
  if (shown == nullptr) return Problem{TextId::kNoSpectrum};
  if (const auto failure = WriteSpectrumFile(file, shown->fluence, language, written, calls)) {
    return Problem{TextId::kFileNotWritten, {}, {*failure}};
  }
  return std::nullopt;
}

}  // namespace tervolin
