#include "data/file_names.h"

#include <algorithm>
#include <system_error>

namespace tervolin {

namespace {

constexpr std::size_t kLongestExtension = 4;  // "jpeg", "tiff", "xlsx", "html"
constexpr const char* kKernelFolders[] = {"/proc", "/sys", "/dev"};

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsAsciiLetterOrDigit(char c) { return IsAsciiLetter(c) || (c >= '0' && c <= '9'); }

bool Within(const std::filesystem::path& path, const std::filesystem::path& top) {
  const auto [end, unused] = std::mismatch(top.begin(), top.end(), path.begin(), path.end());
  return end == top.end();
}

}  // namespace

std::string FileTypeExtension(std::string_view fileName) {
  const std::string_view name = fileName.substr(fileName.find_last_of('/') + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string_view::npos || dot == 0) return {};
  const std::string_view extension = name.substr(dot + 1);
  const bool typeLike = !extension.empty() && extension.size() <= kLongestExtension &&
                        IsAsciiLetter(extension[0]) &&
                        std::all_of(extension.begin(), extension.end(), IsAsciiLetterOrDigit);
  return typeLike ? std::string(extension) : std::string();
}

bool IsSafeDialogFolder(const std::filesystem::path& folder) {
  std::error_code error;
  const std::filesystem::path real = std::filesystem::canonical(folder, error);
  if (error || !std::filesystem::is_directory(real, error)) return false;
  return std::none_of(std::begin(kKernelFolders), std::end(kKernelFolders),
                      [&real](const char* top) { return Within(real, top); });
}

}  // namespace tervolin
