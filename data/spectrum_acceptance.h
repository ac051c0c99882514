#pragma once
// OK on the spectrum screen. Only the spectrum of the latest successful computation
// still on the graph can be accepted: it is written to the spectrum file, and then
// becomes the spectrum the spectral distributions weight with.

#include <filesystem>
#include <optional>
#include <string>

#include "core/outcome.h"
#include "core/spectrum_model.h"
#include "data/spectrum_file.h"

namespace tervolin {

// Writes `shown` (nullptr: the graph shows no computed spectrum) to the file, and
// what was written to `written`. Returns why it may not be accepted: no spectrum
// (kNoSpectrum), or the file not written (kFileNotWritten, with the reason). Then the
// file is as it was.
[[nodiscard]] std::optional<Problem> WriteAcceptedSpectrum(const std::filesystem::path& file,
                                                               const Spectrum* shown, Language language,
                                                               WrittenSpectrumFile* written = nullptr,
                                                               const FileSystemCalls& calls = {});

}  // namespace tervolin
