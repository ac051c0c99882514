#pragma once
// What the calculation relies on in a table read whole, record by record: a grid
// (momentum transfer or photon energy) positive and strictly increasing, form
// factors, scattering functions and cross sections finite and not negative,
// attenuation coefficients finite and positive, the air table's energies on the
// program's 0.5-keV grid. A table written with comma decimals
// or with an item split in two shifts the items between fields and breaks these.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/outcome.h"
#include "data/item_reader.h"

namespace tervolin {

inline constexpr std::size_t kXfsFields = 3;          // x, F, S
inline constexpr std::size_t kCsvFields = 3;          // E, coherent, incoherent
inline constexpr std::size_t kAttenuationFields = 7;  // E, μ of W, Al, Cu, and three more
inline constexpr std::size_t kAirAbsorptionFields = 2;  // E, (μen/ρ)_air

// Each check gives the first record that breaks a rule as a BadRecord failure of the
// file `fileName`.

// Records "x, F, S" of a .xfs table.
[[nodiscard]] std::optional<ReadFailure> CheckFormFactorRecords(const std::vector<double>& items,
                                                                const std::string& fileName);

// The molar mass on the line after a .xfs table's records: one number from
// kSmallestMolarMass to kLargestMolarMass (core/tables.h) alone on its line. No line,
// a line that does not begin with a number (a comment) or one more record of three
// numbers is an older table's, which has no molar mass (nothing); any other line that
// begins with a number fails as BadMolarMass.
[[nodiscard]] Outcome<std::optional<double>, ReadFailure> ReadMolarMassLine(const TextAfterItems& after,
                                                                           const std::string& fileName);
// Records "E, coherent, incoherent" of a .csv table.
[[nodiscard]] std::optional<ReadFailure> CheckCrossSectionRecords(const std::vector<double>& items,
                                                                  const std::string& fileName);
// Records "E, (μen/ρ) of air" of the air table: the energies those of the 0.5-keV
// bins in order, the coefficients finite, positive and within what air's can be.
[[nodiscard]] std::optional<ReadFailure> CheckAirAbsorptionRecords(const std::vector<double>& items,
                                                                   const std::string& fileName);
// Records "E, μ tungsten, μ aluminium, μ copper, …" (7 fields) of the attenuation table.
[[nodiscard]] std::optional<ReadFailure> CheckAttenuationRecords(const std::vector<double>& items,
                                                                 const std::string& fileName);

}  // namespace tervolin
