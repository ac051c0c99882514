#pragma once
// OK on the spectrum screen. Only the spectrum of the latest successful computation
// still on the graph can be accepted: it is written to the spectrum file, and then
// becomes the spectrum the spectral distributions weight with.

#include <filesystem>
#include <optional>
#include <string>

#include "core/spectrum_model.h"
#include "data/spectrum_file.h"

namespace tervolin {

// Writes `shown` (nullptr: the graph shows no computed spectrum) to the file, and
// what was written to `written`. Returns the message to show when it may not be
// accepted: "Ｘ線スペクトルが未計算" without a spectrum, or why the file could not be
// written; each between ideographic spaces. Then the file is as it was.
[[nodiscard]] std::optional<std::string> WriteAcceptedSpectrum(const std::filesystem::path& file,
                                                               const Spectrum* shown,
                                                               WrittenSpectrumFile* written = nullptr,
                                                               const FileSystemCalls& calls = {});

}  // namespace tervolin
