#include "core/spreadsheet_cell.h"

#include "core/decimal_number.h"

namespace tervolin {

std::string FormulaSafeCell(std::string_view text) {
  constexpr std::string_view kFormulaStarts = "=+-@\t\r";
  const bool formulaLike = !text.empty() && kFormulaStarts.find(text.front()) != std::string_view::npos;
  if (!formulaLike || DecimalNumberLength(text) == text.size()) return std::string(text);
  return "'" + std::string(text);
}

}  // namespace tervolin
