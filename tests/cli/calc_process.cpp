#include "cli/calc_process.h"

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <sys/wait.h>

namespace tervolin::testing {

namespace {

namespace fs = std::filesystem;

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string FileText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

CalcRun RunCalc(const std::vector<std::string>& arguments, const fs::path& workingDirectory,
                const std::string& dataEnvironment, const std::string& lang) {
  const fs::path capture = fs::temp_directory_path() / ("tervolin-calc-run-" + std::to_string(::getpid()));
  std::string command = "cd " + Quoted(workingDirectory.string()) + " && " +
                        "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LC_CTYPE " +
                        (dataEnvironment.empty() ? "-u TERVOLIN_DATA" : "TERVOLIN_DATA=" + Quoted(dataEnvironment)) +
                        " LANG=" + Quoted(lang) + " " + Quoted(TERVOLIN_CALC);
  for (const std::string& argument : arguments) command += " " + Quoted(argument);
  command += " >" + Quoted(capture.string() + ".out") + " 2>" + Quoted(capture.string() + ".err");
  const int status = std::system(command.c_str());
  CalcRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, FileText(capture.string() + ".out"),
              FileText(capture.string() + ".err")};
  fs::remove(capture.string() + ".out");
  fs::remove(capture.string() + ".err");
  return run;
}

std::vector<std::vector<std::string>> TableRows(const std::string& text, char separator) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  std::string line;
  std::getline(lines, line);  // header
  while (std::getline(lines, line)) {
    std::vector<std::string> fields;
    std::istringstream parts(line);
    for (std::string field; std::getline(parts, field, separator);) fields.push_back(field);
    rows.push_back(fields);
  }
  return rows;
}

double FieldValue(const std::string& field) {
  double value = 0.0;
  const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
  if (result.ec != std::errc() || result.ptr != field.data() + field.size()) {
    throw std::runtime_error("not a number: \"" + field + "\"");
  }
  return value;
}

}  // namespace tervolin::testing
