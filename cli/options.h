#pragma once
// The command line of tervolin-calc: a command, then options "--name VALUE" (or
// "--name=VALUE") and flags "--name". Every option is one row of kOptions, which
// says which commands take it.

#include <map>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tervolin::cli {

enum class Command { Angles, Spectrum, Materials, Compare, Qualities, Plot };

// Sets of commands, as bits.
inline constexpr unsigned kForAngles = 1u << 0;
inline constexpr unsigned kForSpectrum = 1u << 1;
inline constexpr unsigned kForMaterials = 1u << 2;
inline constexpr unsigned kForCompare = 1u << 3;
inline constexpr unsigned kForQualities = 1u << 4;
inline constexpr unsigned kForPlot = 1u << 5;
// Taken by plot once for each curve: a curve's options follow its --scattering.
inline constexpr unsigned kForPlotCurve = 1u << 6;
inline constexpr unsigned kForAll = kForAngles | kForSpectrum | kForMaterials | kForCompare | kForQualities | kForPlot;

struct OptionSpec {
  std::string_view name;       // "--energy"
  std::string_view valueName;  // "KEV"; empty for a flag
  unsigned commands;           // the commands that take it
  std::string_view help;
};

// Whatever the user typed wrong; the program ends with status 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

enum class Request { Run, Help, Version };

struct Invocation {
  Request request = Request::Run;
  Command command = Command::Angles;
  std::map<std::string, std::string, std::less<>> values;  // option name → text as typed
  std::set<std::string, std::less<>> flags;
  // plot: each curve's options, in the order given.
  std::vector<Invocation> curves;

  bool Has(std::string_view option) const { return values.contains(option) || flags.contains(option); }
  // The option's text; nullptr when it was not given.
  const std::string* Value(std::string_view option) const;
};

std::span<const OptionSpec> Options();

// Reads the arguments after the program name; throws UsageError.
Invocation ParseArguments(std::span<const char* const> arguments);

std::string UsageLine();
std::string HelpText();

}  // namespace tervolin::cli
