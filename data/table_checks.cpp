#include "data/table_checks.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <span>

#include "core/decimal_number.h"
#include "core/energy_tables.h"
#include "core/tables.h"
#include "data/shown_item.h"

namespace tervolin {

namespace {

enum class Rule {
  Grid,            // positive and larger than in the record before
  EnergyBin,       // the photon energy of the record's 0.5-keV bin
  Positive,        // finite and > 0
  NotNegative,     // finite and >= 0
  AirCoefficient,  // within what (μen/ρ) of air can be
};

// (μen/ρ) of dry air runs from about 2.4E+04 cm²/g at 0.5 keV down to 2.3E-02 at
// 100 keV; a value far outside is no coefficient of air, and would turn the air
// kerma into overflow or nothing.
constexpr double kSmallestAirCoefficient = 1e-3;
constexpr double kLargestAirCoefficient = 1e6;
// An energy written with nine significant digits is on its bin to far better than this.
constexpr double kEnergyBinTolerance = 1e-9;

struct Column {
  std::size_t field;  // 0-based within the record
  Rule rule;
  TextId name;
};

constexpr Column kFormFactorColumns[] = {{0, Rule::Grid, TextId::kColumnFormFactorX},
                                         {1, Rule::NotNegative, TextId::kColumnFormFactor},
                                         {2, Rule::NotNegative, TextId::kColumnIncoherentFunction}};
constexpr Column kCrossSectionColumns[] = {{0, Rule::Grid, TextId::kColumnEnergy},
                                           {1, Rule::NotNegative, TextId::kColumnCoherentCrossSection},
                                           {2, Rule::NotNegative, TextId::kColumnIncoherentCrossSection}};
constexpr Column kAirAbsorptionColumns[] = {{0, Rule::EnergyBin, TextId::kColumnEnergy},
                                            {1, Rule::AirCoefficient, TextId::kColumnAirAbsorption}};
constexpr Column kAttenuationColumns[] = {{0, Rule::Grid, TextId::kColumnEnergy},
                                          {1, Rule::Positive, TextId::kColumnTungsten},
                                          {2, Rule::Positive, TextId::kColumnAluminium},
                                          {3, Rule::Positive, TextId::kColumnCopper}};

// What is wrong with `value` under `rule` in the 1-based record `record`; nothing
// when nothing. `previous` is the same field of the record before, NaN for the first.
std::optional<TextId> Violation(Rule rule, double value, double previous, std::size_t record) {
  if (!std::isfinite(value)) return TextId::kColumnNotFinite;
  switch (rule) {
    case Rule::Grid:
      if (value <= 0) return TextId::kColumnNotPositive;
      if (value <= previous) return TextId::kColumnNotAscending;
      return std::nullopt;
    case Rule::EnergyBin: {
      const double bin = BinEnergy(static_cast<int>(record));
      if (value <= 0) return TextId::kColumnNotPositive;
      if (value <= previous) return TextId::kColumnNotAscending;
      if (std::fabs(value - bin) > kEnergyBinTolerance * bin) return TextId::kColumnOffEnergyGrid;
      return std::nullopt;
    }
    case Rule::Positive:
      if (!(value > 0)) return TextId::kColumnNotPositive;
      return std::nullopt;
    case Rule::NotNegative:
      if (!(value >= 0)) return TextId::kColumnNegative;
      return std::nullopt;
    case Rule::AirCoefficient:
      if (!(value > 0)) return TextId::kColumnNotPositive;
      if (value < kSmallestAirCoefficient || value > kLargestAirCoefficient) return TextId::kColumnAirOutOfRange;
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<ReadFailure> CheckRecords(const std::vector<double>& items, std::size_t fields,
                                        std::span<const Column> columns, const std::string& fileName) {
  for (std::size_t start = 0; start + fields <= items.size(); start += fields) {
    for (const Column& column : columns) {
      const double previous = start == 0 ? std::nan("") : items[start - fields + column.field];
      if (const auto what = Violation(column.rule, items[start + column.field], previous, start / fields + 1)) {
        return ReadFailure{ReadProblem::BadRecord, fileName, start + column.field + 1, "",
                           items.size(), start / fields + 1, *what, column.name};
      }
    }
  }
  return std::nullopt;
}

// A line's items as the item reader separates them: at commas and runs of blanks.
std::vector<std::string_view> LineItems(std::string_view line) {
  std::vector<std::string_view> items;
  while (!line.empty()) {
    const std::size_t end = std::min(line.find_first_of(", \t"), line.size());
    if (end > 0) items.push_back(line.substr(0, end));
    line.remove_prefix(std::min(end + 1, line.size()));
  }
  return items;
}

}  // namespace

std::optional<ReadFailure> CheckFormFactorRecords(const std::vector<double>& items,
                                                  const std::string& fileName) {
  return CheckRecords(items, kXfsFields, kFormFactorColumns, fileName);
}

Outcome<std::optional<double>, ReadFailure> ReadMolarMassLine(const TextAfterItems& after,
                                                              const std::string& fileName) {
  const std::vector<std::string_view> items = LineItems(after.line);
  const auto isNumber = [](std::string_view item) { return DecimalNumberLength(item) == item.size(); };
  // No number first (a comment), or a record more as the records are written: an
  // older table, read as before without the molar mass.
  if (items.empty() || !isNumber(items.front())) return std::optional<double>();
  if (items.size() == kXfsFields && std::all_of(items.begin(), items.end(), isNumber)) return std::optional<double>();
  const double mass = DecimalNumberValue(items.front());
  if (items.size() == 1 && !after.lastItemsLine && mass >= kSmallestMolarMass && mass <= kLargestMolarMass) {
    return std::optional<double>(mass);
  }
  return ReadFailure{ReadProblem::BadMolarMass, fileName, after.number, ShownItem(after.line), 0};
}

std::optional<ReadFailure> CheckCrossSectionRecords(const std::vector<double>& items,
                                                    const std::string& fileName) {
  return CheckRecords(items, kCsvFields, kCrossSectionColumns, fileName);
}

std::optional<ReadFailure> CheckAirAbsorptionRecords(const std::vector<double>& items,
                                                     const std::string& fileName) {
  return CheckRecords(items, kAirAbsorptionFields, kAirAbsorptionColumns, fileName);
}

std::optional<ReadFailure> CheckAttenuationRecords(const std::vector<double>& items,
                                                   const std::string& fileName) {
  return CheckRecords(items, kAttenuationFields, kAttenuationColumns, fileName);
}

}  // namespace tervolin
