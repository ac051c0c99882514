#pragma once
// "P_Spectrum.dat" of the data folder: the accepted X-ray spectrum as text, one line
// per 0.5-keV bin. Line n holds the photon energy 0.5·n keV as "000.0" and, right after it, the
// relative fluence of bin n as "  0.000E+00", ended by CR LF. The numbers are written
// with a point as the decimal separator whatever the locale.

#include <filesystem>
#include <optional>
#include <string>

#include "core/energy_tables.h"
#include "core/language.h"
#include "data/file_replacement.h"

namespace tervolin {

inline constexpr const char* kSpectrumFileName = "P_Spectrum.dat";

// What this program wrote to a spectrum file: which file it is and what it holds.
struct WrittenSpectrumFile {
  FileIdentity identity;
  std::string text;
};

// Photon energy of a bin: at least three integer digits, a point and one decimal
// ("000.5" for bin 1, "150.0" for bin 300).
std::string FormatEnergyField(int bin);

// Two spaces, one digit, a point, three rounded decimals, "E", the exponent's sign
// and at least two exponent digits: "  5.000E-01", "  1.234E-07", "  5.000E-100".
// Zero is "  0.000E+00"; rounding may carry into the next power ("  1.000E+00" for
// 0.99996).
std::string FormatFluenceField(double value);

// The whole file: bins 1 to 300, each line ended by CR LF.
std::string SpectrumFileText(const EnergyTable& fluence);

// Writes the file anew through ReplaceFileContents (data/file_replacement.h): the
// file is either the complete new spectrum or left as it was; a read-only file (for
// the superuser too), a folder, a device, a named pipe or a socket of that name is
// left alone and reported; a symbolic link is written through. Returns a description
// of the failure in `language` (naming the file and the reason) or nothing. What was
// written goes to `written` (when given), for DeleteSpectrumFile.
[[nodiscard]] std::optional<std::string> WriteSpectrumFile(const std::filesystem::path& file,
                                                           const EnergyTable& fluence, Language language,
                                                           WrittenSpectrumFile* written = nullptr,
                                                           const FileSystemCalls& calls = {});

// Deletes the file when it is still the one `written` says this program wrote (the
// same file, not replaced by another program since, holding the same bytes) and the
// user may write it; ignores every error. Another program's file stays, and so does
// a read-only file, for the superuser too.
void DeleteSpectrumFile(const std::filesystem::path& file, const std::optional<WrittenSpectrumFile>& written);

}  // namespace tervolin
