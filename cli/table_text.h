#pragma once
// The printed tables: a header line, then one line per row; fields separated by
// commas (csv) or tabs (tsv), lines ended by "\n". Numbers are written with "." as
// the decimal point whatever the locale.

#include <string>
#include <vector>

#include "cli/requests.h"
#include "core/number_text.h"

namespace tervolin::cli {

using Row = std::vector<std::string>;

// Csv or Tsv; every field kept from being read as a formula (FormulaSafeCell), then
// a csv field holding a comma, quote or line break quoted.
std::string TableText(Format format, const Row& header, const std::vector<Row>& rows);

}  // namespace tervolin::cli
