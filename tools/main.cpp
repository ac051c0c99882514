// tervolin-tables: makes the program's data files from xraylib.
//   tervolin-tables make DIR                        the shipped set, into DIR (made when missing)
//   tervolin-tables DIR                             the same into DIR, an existing folder
//   tervolin-tables add NAME SOURCE [--data DIR] [--force] [--wait SECONDS]
//                                                   one more material, into DIR/XFS_Data
//   tervolin-tables list-sources                    the NIST compound names SOURCE may be
// Exit status: 0 done, 1 failed or refused (or a message or the output could not be
// written), 2 wrong command line.

#include "commands.h"
#include "message_language.h"

#include "core/decimal_number.h"
#include "data/shown_item.h"
#include "data/utf8_text.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tervolin::tables {
namespace {

constexpr const char* kUsage =
    "usage: tervolin-tables make DIR\n"
    "       tervolin-tables DIR\n"
    "       tervolin-tables add NAME SOURCE [--data DIR] [--force] [--wait SECONDS]\n"
    "       tervolin-tables list-sources\n"
    "make writes the shipped tables into DIR, made when missing; DIR alone names an\n"
    "existing folder. SOURCE is a chemical formula (BaSO4, Gd2O2S, CaWO4) or an xraylib\n"
    "NIST compound name (see list-sources). --data names the folder that holds XFS_Data\n"
    "(default: .); --wait is the longest wait for another tervolin-tables there (60 s).\n";

constexpr std::string_view kCommands[] = {"make", "add", "list-sources"};

int Usage(const std::string& problem) {
  std::fprintf(stderr, "tervolin-tables: %s\n%s", EscapedForDisplay(problem, false).c_str(), kUsage);
  return kExitUsage;
}

int Usage(TextId problem, const std::vector<std::string>& parameters = {}) {
  return Usage(Message(problem, parameters));
}

// "--name=VALUE" split at its "="; no value without one.
struct Option {
  std::string name;
  std::optional<std::string> value;
};

Option OptionOf(const std::string& argument) {
  const std::size_t equals = argument.find('=');
  if (equals == std::string::npos) return {argument, std::nullopt};
  return {argument.substr(0, equals), argument.substr(equals + 1)};
}

// Seconds as typed: a decimal number, not negative.
std::optional<double> SecondsOf(const std::string& text) {
  if (text.empty() || DecimalNumberLength(text) != text.size() || text.front() == '-') return std::nullopt;
  const double seconds = DecimalNumberValue(text);
  return std::isfinite(seconds) ? std::optional<double>(seconds) : std::nullopt;
}

// Reads the option at args[i] (and its value, advancing i) into the request; a usage
// problem, or nothing.
std::optional<std::string> TakeOption(const std::vector<std::string>& args, std::size_t& i, AddRequest& request) {
  Option option = OptionOf(args[i]);
  if (option.name == "--force") {
    request.force = true;
    if (option.value) return Message(TextId::kCliTakesNoValue, {"--force"});
    return std::nullopt;
  }
  if (option.name != "--data" && option.name != "--wait")
    return Message(TextId::kCliUnknownOption, {ShownArgument(option.name)});
  if (!option.value && ++i == args.size()) return Message(TextId::kCliNeedsValue, {option.name});
  const std::string value = option.value.value_or(args[i]);
  if (option.name == "--data") {
    request.dataFolder = value;
    if (value.empty()) return Message(TextId::kTablesDataNeedsFolder);
    return std::nullopt;
  }
  const std::optional<double> seconds = SecondsOf(value);
  if (!seconds) return Message(TextId::kTablesWaitNotSeconds, {ShownArgument(value)});
  request.waitSeconds = *seconds;
  return std::nullopt;
}

int Add(const std::vector<std::string>& args) {
  AddRequest request;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (!args[i].starts_with("--")) {
      positional.push_back(args[i]);
    } else if (const auto problem = TakeOption(args, i, request)) {
      return Usage(*problem);
    }
  }
  if (positional.size() != 2) return Usage(TextId::kTablesAddNeedsNameAndSource);
  request.name = positional[0];
  request.source = positional[1];
  return AddMaterial(request);
}

bool IsFolder(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

// A word that is neither a command nor a folder: a mistyped command, most likely.
int UnknownWord(const std::string& word) {
  std::optional<std::string> meant;
  for (const std::string_view command : kCommands)
    if (!word.empty() && command.starts_with(word)) meant = std::string(command);
  if (!meant) return Usage(TextId::kTablesNeitherCommandNorFolder, {ShownArgument(word)});
  return Usage(TextId::kTablesNeitherCommandNorFolderHint, {ShownArgument(word), *meant});
}

bool IsHelp(const std::string& argument) {
  const std::string name = OptionOf(argument).name;
  return name == "--help" || name == "-h";
}

int Help(const std::string& argument) {
  if (OptionOf(argument).value) return Usage(TextId::kCliTakesNoValue, {OptionOf(argument).name});
  std::fputs(kUsage, stdout);
  return kExitOk;
}

// make DIR: never an option or an empty name taken for a folder.
int Make(const std::vector<std::string>& args) {
  if (args.size() != 1) return Usage(TextId::kTablesMakeNeedsOneDir);
  const std::string& folder = args.front();
  if (IsHelp(folder)) return Help(folder);
  if (folder.empty()) return Usage(TextId::kTablesMakeEmptyFolder);
  if (folder.starts_with("-")) return Usage(TextId::kTablesMakeOption, {ShownArgument(folder)});
  return MakeShippedTables(folder);
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) return Usage(TextId::kTablesNoCommand);
  const std::string& command = args.front();
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "add") return Add(rest);
  if (command == "list-sources") return rest.empty() ? ListSources() : Usage(TextId::kTablesTooManyArguments);
  if (command == "make") return Make(rest);
  if (IsHelp(command)) return Help(command);
  if (command.starts_with("-")) return Usage(TextId::kCliUnknownOption, {ShownArgument(OptionOf(command).name)});
  if (args.size() > 1) return Usage(TextId::kTablesUnknownCommand, {ShownArgument(command)});
  return IsFolder(command) ? MakeShippedTables(command) : UnknownWord(command);
}

// The status once standard output is flushed: a message or output that could not be
// written turns success into failure.
int Finished(int status) {
  const bool output = std::fflush(stdout) == 0 && !std::ferror(stdout);
  if (!output) std::fprintf(stderr, "tervolin-tables: %s\n", Message(TextId::kTablesCannotWriteOutput).c_str());
  const bool written = output && std::fflush(stderr) == 0 && !std::ferror(stderr);
  return status == kExitOk && !written ? kExitFailure : status;
}

}  // namespace
}  // namespace tervolin::tables

int main(int argc, char** argv) {
  // Numbers are written with the C library: "." as the decimal point on every system.
  std::setlocale(LC_ALL, "C");
  return tervolin::tables::Finished(tervolin::tables::Run(std::vector<std::string>(argv + 1, argv + argc)));
}
