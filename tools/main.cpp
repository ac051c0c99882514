// tervolin-tables: makes the program's data files from xraylib.
//   tervolin-tables [make] OUTDIR                   the shipped set, into OUTDIR
//   tervolin-tables add NAME SOURCE [--data DIR] [--force]
//                                                   one more material, into DIR/XFS_Data
//   tervolin-tables list-sources                    the NIST compound names SOURCE may be
// Exit status: 0 done, 1 failed or refused, 2 wrong command line.

#include "commands.h"

#include "data/utf8_text.h"

#include <clocale>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tervolin::tables {
namespace {

constexpr const char* kUsage =
    "usage: tervolin-tables [make] OUTDIR\n"
    "       tervolin-tables add NAME SOURCE [--data DIR] [--force]\n"
    "       tervolin-tables list-sources\n"
    "SOURCE is a chemical formula (BaSO4, Gd2O2S, CaWO4) or an xraylib NIST compound\n"
    "name (see list-sources). DIR is the folder that holds XFS_Data (default: .).\n";

int Usage(const std::string& problem) {
  std::fprintf(stderr, "tervolin-tables: %s\n%s", EscapedForDisplay(problem, false).c_str(), kUsage);
  return kExitUsage;
}

int Add(const std::vector<std::string>& args) {
  AddRequest request;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--force") {
      request.force = true;
    } else if (args[i] == "--data") {
      if (++i == args.size()) return Usage("--data needs a folder");
      request.dataFolder = args[i];
    } else if (args[i].starts_with("--")) {
      return Usage("unknown option " + args[i]);
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2) return Usage("add needs a NAME and a SOURCE");
  request.name = positional[0];
  request.source = positional[1];
  return AddMaterial(request);
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) return Usage("no command or output folder given");
  const std::string_view command = args.front();
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "add") return Add(rest);
  if (command == "list-sources") return rest.empty() ? ListSources() : Usage("too many arguments");
  if (command == "--help" || command == "-h") return std::fputs(kUsage, stdout), kExitOk;
  if (command == "make")
    return rest.size() == 1 ? MakeShippedTables(rest.front()) : Usage("make needs one OUTDIR");
  if (args.size() == 1 && !command.starts_with("-")) return MakeShippedTables(args.front());
  return Usage("unknown command");
}

}  // namespace
}  // namespace tervolin::tables

int main(int argc, char** argv) {
  // Numbers are written with the C library: "." as the decimal point on every system.
  std::setlocale(LC_ALL, "C");
  return tervolin::tables::Run(std::vector<std::string>(argv + 1, argv + argc));
}
