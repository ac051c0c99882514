// Reading the data files under tables/ for the tests, and where they are.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tervolin::tables_test {

using Record = std::vector<double>;

// The committed tables folder.
std::filesystem::path TablesDir();

// XFS_Data/<name><extension> in folder (the committed one by default).
std::filesystem::path MaterialFile(const std::u8string& name, const std::u8string& extension,
                                   const std::filesystem::path& folder = TablesDir());

// One record a line, numbers separated by commas.  Throws std::runtime_error
// naming the line if the file is missing or an item is not a number.
std::vector<Record> ReadRecords(const std::filesystem::path& path);

// The whole file as bytes.
std::string ReadBytes(const std::filesystem::path& path);

// The shipped scatterer materials, in the order of the program's list, with
// the make-up of one formula unit: its electrons Σ n_i Z_i, its Σ n_i Z_i²
// and its molar mass in g/mol.
struct MaterialInfo {
  std::u8string name;
  double electrons;
  double sumOfSquaredZ;
  double molarMass;
};
const std::vector<MaterialInfo>& ScattererMaterials();

}  // namespace tervolin::tables_test
