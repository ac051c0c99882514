#include "tool_run.h"

#include <sys/wait.h>

#include <chrono>
#include <cstdlib>

namespace fs = std::filesystem;

namespace tervolin::tables_test {

std::string Quoted(const fs::path& path) {
  const std::u8string text = path.u8string();
  return '"' + std::string(text.begin(), text.end()) + '"';
}

int RunTool(const std::string& arguments, const fs::path& errorLog, const fs::path& outputLog,
            const std::string& lang) {
  std::string command = "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LC_CTYPE LANG=" + Quoted(lang) + " " +
                        Quoted(fs::path(TERVOLIN_TABLES_TOOL)) + " " + arguments + " 2>" + Quoted(errorLog);
  if (!outputLog.empty()) command += " >" + Quoted(outputLog);
  const int status = std::system(command.c_str());
  return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

fs::path FreshTemporaryFolder(const std::string& purpose) {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  const fs::path folder =
      fs::temp_directory_path() / ("tervolin-tables_" + purpose + "_" + std::to_string(ticks));
  fs::create_directories(folder);
  return folder;
}

}  // namespace tervolin::tables_test
