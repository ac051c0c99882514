#pragma once
// Runs the built tervolin-calc in a given working directory and collects its exit
// status, standard output and standard error.

#include <filesystem>
#include <string>
#include <vector>

namespace tervolin::testing {

struct CalcRun {
  int status = -1;
  std::string out;
  std::string err;
};

// TERVOLIN_DATA is unset for the run unless `dataEnvironment` is given; the locale's
// language is LANG's alone (`lang`, the others unset), English by default.
CalcRun RunCalc(const std::vector<std::string>& arguments, const std::filesystem::path& workingDirectory,
                const std::string& dataEnvironment = "", const std::string& lang = "C");

// The lines of a csv or tsv text after its header, split into fields.
std::vector<std::vector<std::string>> TableRows(const std::string& text, char separator = ',');

// A field read back as a double; throws when it is not a whole number.
double FieldValue(const std::string& field);

}  // namespace tervolin::testing
