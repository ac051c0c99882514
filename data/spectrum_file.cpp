#include "data/spectrum_file.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <string_view>

#include "data/file_replacement.h"

namespace tervolin {

namespace {

namespace fs = std::filesystem;

// "ファイル「name」<what>（reason）", the reason from the error number.
std::string Describe(const fs::path& file, const char* what, int error) {
  return std::string("ファイル「") + file.string() + "」" + what + "（" + std::strerror(error) + "）";
}

}  // namespace

std::string FormatEnergyField(int bin) {
  std::string whole = std::to_string(bin / 2);
  if (whole.size() < 3) whole.insert(0, 3 - whole.size(), '0');
  return whole + (bin % 2 == 0 ? ".0" : ".5");
}

std::string FormatFluenceField(double value) {
  if (value == 0.0) value = 0.0;  // no "-0.000E+00"
  char digits[32];
  // std::to_chars is correctly rounded, writes at least two exponent digits and
  // ignores the locale.
  const auto result =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::scientific, 3);
  std::string field = "  ";
  for (const char* c = digits; c != result.ptr; ++c) {
    field += (*c >= 'a' && *c <= 'z') ? static_cast<char>(*c - 'a' + 'A') : *c;  // "e", "inf"
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
  std::error_code error;
  if (fs::exists(file, error)) {
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
  std::error_code ignored;
  if (fs::is_directory(fs::symlink_status(file, ignored))) return;  // a folder is no spectrum file
  fs::remove(file, ignored);
}

}  // namespace tervolin
