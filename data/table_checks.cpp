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
  const char* name;
};

constexpr Column kFormFactorColumns[] = {{0, Rule::Grid, "x（sin(θ/2)/λ）"},
                                         {1, Rule::NotNegative, "形状因子 F"},
                                         {2, Rule::NotNegative, "非干渉性散乱関数 S"}};
constexpr Column kCrossSectionColumns[] = {{0, Rule::Grid, "エネルギー"},
                                           {1, Rule::NotNegative, "干渉性散乱断面積"},
                                           {2, Rule::NotNegative, "非干渉性散乱断面積"}};
constexpr Column kAirAbsorptionColumns[] = {{0, Rule::EnergyBin, "エネルギー"},
                                            {1, Rule::AirCoefficient, "空気の質量エネルギー吸収係数"}};
constexpr Column kAttenuationColumns[] = {{0, Rule::Grid, "エネルギー"},
                                          {1, Rule::Positive, "タングステンの線減弱係数"},
                                          {2, Rule::Positive, "アルミニウムの線減弱係数"},
                                          {3, Rule::Positive, "銅の線減弱係数"}};

// What is wrong with `value` under `rule` in the 1-based record `record`; nullptr
// when nothing. `previous` is the same field of the record before, NaN for the first.
const char* Violation(Rule rule, double value, double previous, std::size_t record) {
  if (!std::isfinite(value)) return "が有限の数ではありません";
  switch (rule) {
    case Rule::Grid:
      if (value <= 0) return "が正の数ではありません";
      if (value <= previous) return "が前のレコード以下です（昇順でなければなりません）";
      return nullptr;
    case Rule::EnergyBin: {
      const double bin = BinEnergy(static_cast<int>(record));
      if (value <= 0) return "が正の数ではありません";
      if (value <= previous) return "が前のレコード以下です（昇順でなければなりません）";
      return std::fabs(value - bin) <= kEnergyBinTolerance * bin
                 ? nullptr
                 : "が 0.5 keV 刻みの順（n 番目のレコードは 0.5n keV）になっていません";
    }
    case Rule::Positive: return value > 0 ? nullptr : "が正の数ではありません";
    case Rule::NotNegative: return value >= 0 ? nullptr : "が負の数です";
    case Rule::AirCoefficient:
      if (!(value > 0)) return "が正の数ではありません";
      return value >= kSmallestAirCoefficient && value <= kLargestAirCoefficient
                 ? nullptr
                 : "が空気の値としてありえない大きさです（1E-03 ～ 1E+06 cm²/g の外）";
  }
  return nullptr;
}

std::optional<ReadFailure> CheckRecords(const std::vector<double>& items, std::size_t fields,
                                        std::span<const Column> columns, const std::string& fileName) {
  for (std::size_t start = 0; start + fields <= items.size(); start += fields) {
    for (const Column& column : columns) {
      const double previous = start == 0 ? std::nan("") : items[start - fields + column.field];
      if (const char* what = Violation(column.rule, items[start + column.field], previous, start / fields + 1)) {
        return ReadFailure{ReadProblem::BadRecord, fileName, start + column.field + 1, "",
                           items.size(), start / fields + 1, "「" + std::string(column.name) + "」" + what};
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
  if (const char* what = Violation(Rule::Positive, items.back(), std::nan(""), record)) {
    return ReadFailure{ReadProblem::BadRecord, fileName, items.size(), "", items.size(), record,
                       "「モル質量 M」" + std::string(what)};
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
