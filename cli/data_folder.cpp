#include "cli/data_folder.h"
#include "core/message_language.h"

#include <cstdlib>
#include <system_error>

#include "cli/run_failure.h"
#include "data/attenuation_table.h"

namespace tervolin::cli {

namespace {

namespace fs = std::filesystem;

bool HoldsAttenuationTable(const fs::path& folder) {
  std::error_code error;
  return fs::exists(folder / kAttenuationFileName, error);
}

// <prefix>/share/tervolin for the program <prefix>/bin/tervolin-calc; empty when the
// program's own path cannot be read.
fs::path InstalledDataFolder() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return program.parent_path().parent_path() / TERVOLIN_INSTALLED_DATA;
}

}  // namespace

fs::path FindDataFolder(const std::string* dataOption) {
  if (dataOption != nullptr) return *dataOption;
  const char* environment = std::getenv("TERVOLIN_DATA");
  if (environment != nullptr && *environment != '\0') return environment;
  if (HoldsAttenuationTable(".")) return fs::current_path();
  const fs::path installed = InstalledDataFolder();
  if (!installed.empty() && HoldsAttenuationTable(installed)) return installed;
  throw RunFailure(Message(TextId::kCliNoDataFolder, {installed.string()}));
}

fs::path UsableDataFolder(const fs::path& folder) {
  std::error_code error;
  const bool isFolder = fs::is_directory(folder, error);
  if (!error && !isFolder) error = std::make_error_code(std::errc::not_a_directory);
  if (error) throw RunFailure(Message(TextId::kCliCannotUseDataFolder, {folder.string(), error.message()}));
  return folder;
}

}  // namespace tervolin::cli
