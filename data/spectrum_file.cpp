#include "data/spectrum_file.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Creates a new, empty file next to `file` under a name no one else uses and
// returns its descriptor, or -1 with errno set.
int CreateTemporaryBeside(const fs::path& file, fs::path& temporary) {
  static unsigned serial = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = file;
    temporary.replace_filename("." + file.filename().string() + "." + std::to_string(::getpid()) +
                               "." + std::to_string(++serial) + ".tmp");
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Writes the whole text and flushes it to the disk; false with errno set on failure.
bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) errno = EIO;  // no progress and no reason given
    if (written <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return ::fsync(fd) == 0;
}

// Writes the text into the temporary file, which it closes; 0 or the error number.
int FillAndClose(int fd, std::string_view text) {
  int error = WriteAll(fd, text) ? 0 : errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
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
  if (::access(file.c_str(), F_OK) == 0) {
    if (const int refusal = WriteRefusal(file); refusal != 0) {
      return Describe(file, "は書き換えられません", refusal);
    }
  }
  const std::string text = SpectrumFileText(fluence);
  fs::path temporary;
  const int fd = CreateTemporaryBeside(file, temporary);
  if (fd < 0) return Describe(file, "を作成できません", errno);
  if (const int error = FillAndClose(fd, text); error != 0) {
    ::unlink(temporary.c_str());
    return Describe(file, "に書き込めません", error);
  }
  if (::rename(temporary.c_str(), file.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return Describe(file, "を置き換えられません", error);
  }
  return std::nullopt;
}

void DeleteSpectrumFile(const fs::path& file) {
  if (WriteRefusal(file) != 0) return;  // absent, or not the user's to change
  ::unlink(file.c_str());
}

}  // namespace tervolin
