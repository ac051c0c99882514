#include "data/spectrum_file.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

#include "core/number_text.h"
#include "data/file_replacement.h"

namespace tervolin {

namespace {

namespace fs = std::filesystem;

// "ファイル「name」<what>（reason）", the reason from the error number.
std::string Describe(const fs::path& file, const char* what, int error) {
  return std::string("ファイル「") + file.string() + "」" + what + "（" + std::strerror(error) + "）";
}

// Whether the file exists and is the user's to change: access() must grant writing,
// and the file must not be marked read-only for everyone (which access() overlooks
// for the superuser). 0, or the error number that says why not.
int WriteRefusal(const fs::path& file) {
  if (::access(file.c_str(), W_OK) != 0) return errno;
  struct stat status {};
  if (::stat(file.c_str(), &status) != 0) return errno;
  return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ? EACCES : 0;
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

std::optional<std::string> WriteSpectrumFile(const fs::path& file, const EnergyTable& fluence) {
  if (::access(file.c_str(), F_OK) == 0) {
    if (const int refusal = WriteRefusal(file); refusal != 0) {
      return Describe(file, "は書き換えられません", refusal);
    }
  }
  const auto failure = ReplaceFileContents(file, SpectrumFileText(fluence));
  if (!failure) return std::nullopt;
  static constexpr const char* kStepText[] = {"を作成できません", "に書き込めません", "を置き換えられません"};
  return Describe(file, kStepText[failure->step], failure->error);
}

void DeleteSpectrumFile(const fs::path& file) {
  if (WriteRefusal(file) != 0) return;  // absent, or not the user's to change
  ::unlink(file.c_str());
}

}  // namespace tervolin
