#include "data/spectrum_file.h"

#include <string_view>

#include "core/number_text.h"
#include "data/data_file.h"
#include "data/file_replacement.h"
#include "data/replacement_messages.h"

namespace tervolin {

namespace {

namespace fs = std::filesystem;

// Whether the file at `file` is still the one this program wrote: the same file,
// neither a link nor replaced since, with the same bytes in it.
bool IsStillOurs(const fs::path& file, const std::optional<WrittenSpectrumFile>& ours) {
  std::error_code error;
  if (!ours || fs::is_symlink(file, error) || IdentityOf(file) != ours->identity) return false;
  const DataFileBytes now = ReadDataFileBytes(file);
  return !now.problem && now.bytes == ours->text;
}

}  // namespace

std::string FormatEnergyField(int bin) {
  std::string whole = std::to_string(bin / 2);
  if (whole.size() < 3) whole.insert(0, 3 - whole.size(), '0');
  return whole + (bin % 2 == 0 ? ".0" : ".5");
}

std::string FormatFluenceField(double value) {
  if (value == 0.0) value = 0.0;  // no "-0.000E+00"
  std::string field = "  ";
  for (const char c : ScientificText(value, 3)) {
    field += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;  // "e", "inf"
  }
  return field;
}

std::string SpectrumFileText(const EnergyTable& fluence) {
  std::string text;
  text.reserve(static_cast<std::size_t>(kEnergyBins) * 20);
  for (int n = 1; n <= kEnergyBins; ++n) {
    text += FormatEnergyField(n);
    text += FormatFluenceField(fluence[n]);
    text += "\r\n";
  }
  return text;
}

std::optional<std::string> WriteSpectrumFile(const fs::path& file, const EnergyTable& fluence, Language language,
                                             WrittenSpectrumFile* written, const FileSystemCalls& calls) {
  std::string text = SpectrumFileText(fluence);
  FileIdentity identity;
  if (const auto failure = ReplaceFileContents(file, text, &identity, calls)) {
    return DescribeReplacementFailure(file, *failure, language);
  }
  if (written != nullptr) *written = WrittenSpectrumFile{identity, std::move(text)};
  return std::nullopt;
}

void DeleteSpectrumFile(const fs::path& file, const std::optional<WrittenSpectrumFile>& written) {
  if (!IsStillOurs(file, written) || IsReadOnly(file)) return;  // absent, another program's, changed or marked
  std::error_code ignored;
  fs::remove(file, ignored);  // a regular file: IsStillOurs checked its identity
}

}  // namespace tervolin
