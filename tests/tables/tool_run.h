// Running tervolin-tables from the tests.
#pragma once

#include <filesystem>
#include <string>

namespace tervolin::tables_test {

// The path in double quotes, for a shell command line.
std::string Quoted(const std::filesystem::path& path);

// Runs the tool with the given argument text, its standard output into outputLog (if
// given) and its error output into errorLog; returns its exit status, -1 if it did not
// exit normally. The messages' language is LANG's alone (`lang`, the others unset).
int RunTool(const std::string& arguments, const std::filesystem::path& errorLog,
            const std::filesystem::path& outputLog = {}, const std::string& lang = "C");

// A new empty folder under the system's temporary folder.
std::filesystem::path FreshTemporaryFolder(const std::string& purpose);

}  // namespace tervolin::tables_test
