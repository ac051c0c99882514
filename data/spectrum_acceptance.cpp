#include "data/spectrum_acceptance.h"

#include "core/messages.h"
#include "data/spectrum_file.h"

namespace tervolin {

std::optional<std::string> WriteAcceptedSpectrum(const std::filesystem::path& file, const Spectrum* shown,
                                                 WrittenSpectrumFile* written, const FileSystemCalls& calls) {
  if (shown == nullptr) return std::string(msg::kNoSpectrum);
  if (const auto failure = WriteSpectrumFile(file, shown->fluence, written, calls)) return msg::Framed(*failure);
  return std::nullopt;
}

}  // namespace tervolin
