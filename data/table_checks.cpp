#include "data/table_checks.h"

#include <cmath>
#include <span>

#include "core/energy_tables.h"

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

}  // namespace

std::optional<ReadFailure> CheckFormFactorRecords(const std::vector<double>& items,
                                                  const std::string& fileName) {
  if (auto failure = CheckRecords(items, kXfsFields, kFormFactorColumns, fileName)) return failure;
  if (items.size() % kXfsFields == 0) return std::nullopt;
  // The molar mass after the records: cross sections per gram divide by it.
  const std::size_t record = items.size() / kXfsFields + 1;
  if (const auto what = Violation(Rule::Positive, items.back(), std::nan(""), record)) {
    return ReadFailure{ReadProblem::BadRecord, fileName, items.size(), "", items.size(), record, *what,
                       TextId::kColumnMolarMass};
  }
  return std::nullopt;
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
