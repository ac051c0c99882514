#pragma once
// OK on the spectrum screen. Only the spectrum of the latest successful computation
// still on the graph (SpectrumShown) can be accepted: it is written to the spectrum
// file and becomes AcceptedSpectrum, the spectrum the spectral distributions weight
// with, and SpectrumReady is set.

#include <filesystem>
#include <optional>
#include <string>

namespace tervolin {

// Returns the message to show when nothing was accepted: "Ｘ線スペクトルが未計算"
// when the graph shows no computed spectrum, or why the file could not be written;
// each between ideographic spaces. Then the file and the accepted spectrum are as
// they were.
[[nodiscard]] std::optional<std::string> AcceptShownSpectrum(const std::filesystem::path& file);

}  // namespace tervolin
