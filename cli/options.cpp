#include "cli/options.h"
#include "core/message_language.h"

#include <algorithm>
#include <array>

#include "data/shown_item.h"

namespace tervolin::cli {

namespace {

// The commands that compute a spectrum from the tube's options.
constexpr unsigned kForSpectrumUsers = kForAngles | kForSpectrum | kForCompare | kForPlotCurve;

// One row per option; a later flag is one more row here.
constexpr std::array kOptions{
    OptionSpec{"--scattering", "coherent|incoherent", kForAngles | kForPlotCurve, "kind of scattering (plot: begins a curve)"},
    OptionSpec{"--material", "NAME", kForAngles | kForCompare | kForPlotCurve, "scatterer: list name or English alias"},
    OptionSpec{"--energy", "KEV", kForAngles | kForCompare | kForPlotCurve, "one photon energy, keV"},
    OptionSpec{"--quality", "NAME", kForSpectrumUsers, "a standard beam quality instead of the tube's options: RQR8, RQA5, ..."},
    OptionSpec{"--kv", "KV", kForSpectrumUsers, "tube voltage of the spectrum, 30-150 kV"},
    OptionSpec{"--target-angle", "DEG", kForSpectrumUsers, "anode target angle, degrees (12)"},
    OptionSpec{"--inherent", "MM", kForSpectrumUsers, "inherent filtration, mm Al (2.5)"},
    OptionSpec{"--al", "MM", kForSpectrumUsers, "added aluminium filter, mm (0)"},
    OptionSpec{"--cu", "MM", kForSpectrumUsers, "added copper filter, mm (0)"},
    OptionSpec{"--colour", "red|darkgreen|blue", kForPlotCurve, "the curve's colour (red)"},
    OptionSpec{"--free-electron", "", kForAngles | kForPlot, "the free electron's curve: Thomson or Klein-Nishina"},
    OptionSpec{"--per-solid-angle", "", kForAngles | kForCompare | kForPlot, "per unit solid angle instead of per unit angle"},
    OptionSpec{"--legend", "", kForPlot, "the legend beside or below the graph"},
    OptionSpec{"--slide", "", kForPlot, "a 16:9 slide of 1920 x 1080 pixels instead of the screen's size"},
    OptionSpec{"--title", "", kForPlot, "a title line: the graph, the kinds of scattering and the views"},
    OptionSpec{"--colour-vision-safe", "", kForPlot, "vermillion, bluish green and blue (Okabe-Ito) for the three colours"},
    OptionSpec{"--totals", "", kForCompare, "the cross sections and shares instead of the curves (--format: a table)"},
    OptionSpec{"--figures", "", kForSpectrum, "the beam's mean and effective energy, HVL1, HVL2, homogeneity (--format: a table)"},
    OptionSpec{"--format", "csv|tsv|dat", kForAll & ~kForPlot, "output format (csv; dat only for the spectrum's bins)"},
    OptionSpec{"--output", "FILE", kForAll, "write to FILE instead of standard output"},
    OptionSpec{"--data", "DIR", kForAll, "data folder holding Mus2018.dat and XFS_Data"},
};

struct CommandName {
  std::string_view name;
  Command command;
  unsigned bit;
};

constexpr std::array kCommands{
    CommandName{"angles", Command::Angles, kForAngles},
    CommandName{"spectrum", Command::Spectrum, kForSpectrum},
    CommandName{"materials", Command::Materials, kForMaterials},
    CommandName{"compare", Command::Compare, kForCompare},
    CommandName{"qualities", Command::Qualities, kForQualities},
    CommandName{"plot", Command::Plot, kForPlot | kForPlotCurve},
};

const CommandName& FindCommand(std::string_view text) {
  for (const CommandName& c : kCommands) {
    if (c.name == text) return c;
  }
  if (text.starts_with("-")) throw UsageError(Message(TextId::kCliCommandFirst));
  throw UsageError(Message(TextId::kCliUnknownCommand, {ShownArgument(text)}));
}

const OptionSpec& FindOption(std::string_view name, const CommandName& command) {
  const auto* spec = std::find_if(kOptions.begin(), kOptions.end(),
                                  [&](const OptionSpec& o) { return o.name == name; });
  if (spec == kOptions.end()) throw UsageError(Message(TextId::kCliUnknownOption, {ShownArgument(name)}));
  if ((spec->commands & command.bit) == 0) {
    throw UsageError(Message(TextId::kCliOptionNotForCommand, {std::string(name), std::string(command.name)}));
  }
  return *spec;
}

// Where an option goes: plot's curve options to the curve that its last --scattering
// began (a new one for --scattering), the others to the invocation.
Invocation& OptionTaker(const OptionSpec& spec, const CommandName& command, Invocation& result) {
  if (command.command != Command::Plot || (spec.commands & kForPlotCurve) == 0) return result;
  if (spec.name == "--scattering") return result.curves.emplace_back();
  if (result.curves.empty()) throw UsageError(std::string(spec.name) + " must follow the --scattering of its curve");
  return result.curves.back();
}

// Takes the option at arguments[i] (and its value), advancing i past what it used.
void TakeOption(std::span<const char* const> arguments, std::size_t& i, const CommandName& command,
                Invocation& result) {
  const std::string_view argument = arguments[i];
  const std::size_t equals = argument.find('=');
  const std::string name(argument.substr(0, equals));
  const OptionSpec& spec = FindOption(name, command);
  Invocation& taker = OptionTaker(spec, command, result);
  if (taker.Has(name)) {
    throw UsageError(Message(&taker == &result ? TextId::kCliGivenTwice : TextId::kCliGivenTwiceForCurve, {name}));
  }
  if (spec.valueName.empty()) {
    if (equals != std::string_view::npos) throw UsageError(Message(TextId::kCliTakesNoValue, {name}));
    taker.flags.insert(name);
    return;
  }
  if (equals == std::string_view::npos && i + 1 >= arguments.size()) throw UsageError(Message(TextId::kCliNeedsValue, {name}));
  const std::string value(equals != std::string_view::npos ? argument.substr(equals + 1) : arguments[++i]);
  if (value.empty()) throw UsageError(Message(TextId::kCliEmptyValue, {name}));
  taker.values.emplace(name, value);
}

// Whether the request is among the arguments; "--help=x" is a usage error of --help.
bool IsRequest(std::span<const char* const> arguments, std::string_view name) {
  for (const std::string_view argument : arguments) {
    if (argument.starts_with(name) && argument.substr(name.size()).starts_with("=")) {
      throw UsageError(Message(TextId::kCliTakesNoValue, {std::string(name)}));
    }
  }
  return std::any_of(arguments.begin(), arguments.end(), [&](const char* a) { return name == a; });
}

}  // namespace

const std::string* Invocation::Value(std::string_view option) const {
  const auto found = values.find(option);
  return found == values.end() ? nullptr : &found->second;
}

std::span<const OptionSpec> Options() { return kOptions; }

Invocation ParseArguments(std::span<const char* const> arguments) {
  Invocation result;
  if (IsRequest(arguments, "--help") || IsRequest(arguments, "-h")) {
    result.request = Request::Help;
    return result;
  }
  if (IsRequest(arguments, "--version")) {
    result.request = Request::Version;
    return result;
  }
  if (arguments.empty()) throw UsageError(Message(TextId::kCliNoCommand));
  const CommandName& command = FindCommand(arguments[0]);
  result.command = command.command;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (!std::string_view(arguments[i]).starts_with("--")) {
      throw UsageError(Message(TextId::kCliUnexpectedArgument, {ShownArgument(arguments[i])}));
    }
    TakeOption(arguments, i, command, result);
  }
  return result;
}

std::string UsageLine() {
  return "usage: tervolin-calc angles|spectrum|materials|compare|qualities|plot [OPTIONS]  (tervolin-calc --help)";
}

std::string HelpText() {
  std::string text =
      "tervolin-calc: the angular distributions and X-ray spectra of Tervolin from the command line.\n\n"
      "  tervolin-calc angles --scattering coherent|incoherent --material NAME --energy KEV\n"
      "  tervolin-calc angles --scattering coherent|incoherent --material NAME --kv KV [spectrum options]\n"
      "  tervolin-calc spectrum --kv KV [spectrum options] | --quality NAME\n"
      "  tervolin-calc materials\n"
      "  tervolin-calc compare --material NAME --energy KEV | --kv KV [spectrum options] | --quality NAME\n"
      "  tervolin-calc qualities\n"
      "  tervolin-calc plot --scattering KIND --material NAME --energy KEV|--kv KV [...] [--colour C]\n"
      "                     [--scattering ... for each further curve] [--legend] [--slide] [--title]\n\n"
      "angles prints theta = 1..180 degrees and the distribution scaled to a maximum of 1;\n"
      "spectrum prints the 300 bins of 0.5 keV and the relative photon fluence;\n"
      "materials prints the list names and English aliases of the data folder;\n"
      "compare prints theta and the coherent, incoherent and total differential cross\n"
      "sections per unit mass in cm2/g per degree (per sr with --per-solid-angle), the\n"
      "cross sections and shares on standard error (in the output with --totals);\n"
      "qualities prints the standard beam qualities (IEC 61267) and their tube settings;\n"
      "plot writes the angular graph of its curves as an SVG picture, as the calculation\n"
      "screen saves it: each --scattering begins a curve, followed by that curve's options.\n"
      "--quality takes the place of --kv and the other spectrum options.\n\n"
      "Options:\n";
  for (const OptionSpec& o : kOptions) {
    std::string left = "  ";
    left.append(o.name).append(o.valueName.empty() ? "" : " ").append(o.valueName);
    left.resize(std::max<std::size_t>(left.size() + 1, 36), ' ');
    text += left + std::string(o.help) + "\n";
  }
  text += "  --help, --version\n\n"
          "The data folder is --data, else $TERVOLIN_DATA, else the working directory when it\n"
          "holds Mus2018.dat, else the installed data. Exit status: 0 done, 1 failed, 2 usage error.\n";
  return text;
}

}  // namespace tervolin::cli
