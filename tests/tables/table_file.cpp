#include "table_file.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <xraylib.h>

namespace fs = std::filesystem;

namespace tervolin::tables_test {
namespace {

// Parses one item; the whole item apart from surrounding blanks must be a number.
double ParseNumber(const std::string& item, const std::string& where) {
  const char* begin = item.c_str();
  char* end = nullptr;
  const double value = std::strtod(begin, &end);
  while (end != begin && (*end == ' ' || *end == '\t' || *end == '\r'))
    ++end;
  if (end == begin || *end != '\0')
    throw std::runtime_error(where + ": not a number: '" + item + "'");
  return value;
}

Record ParseLine(const std::string& line, const std::string& where) {
  Record record;
  std::istringstream items(line);
  std::string item;
  while (std::getline(items, item, ','))
    record.push_back(ParseNumber(item, where));
  return record;
}

std::string Utf8Text(const fs::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}

// Dry air of xraylib's NIST list by mass: C, N, O, Ar; counted two atoms to
// the formula unit, n_i ∝ w_i / A_i.
MaterialInfo Air() {
  const std::array<double, 4> z{6, 7, 8, 18};
  const std::array<double, 4> w{0.000124, 0.755267, 0.231781, 0.012827};
  const std::array<double, 4> a{12.011, 14.007, 15.999, 39.948};
  double atoms = 0.0, electrons = 0.0, squares = 0.0;
  for (std::size_t i = 0; i < z.size(); ++i) {
    atoms += w[i] / a[i];
    electrons += w[i] / a[i] * z[i];
    squares += w[i] / a[i] * z[i] * z[i];
  }
  return {u8"空気", 2.0 * electrons / atoms, 2.0 * squares / atoms, 2.0 / atoms};
}

// An element as xraylib weighs it.
MaterialInfo Element(std::u8string name, int z) {
  return {std::move(name), double(z), double(z * z), AtomicWeight(z, nullptr)};
}

// A mixture of xraylib's NIST list, counted atomsPerUnit atoms to the formula unit
// by n_i ∝ w_i / A_i, as air above.
MaterialInfo NistMixture(std::u8string name, const char* nistName, double atomsPerUnit) {
  compoundDataNIST* data = GetCompoundDataNISTByName(nistName, nullptr);
  if (data == nullptr) throw std::runtime_error(std::string("not in xraylib: ") + nistName);
  double atoms = 0.0, electrons = 0.0, squares = 0.0, mass = 0.0;
  for (int i = 0; i < data->nElements; ++i) {
    const int z = data->Elements[i];
    const double n = data->massFractions[i] / AtomicWeight(z, nullptr);
    atoms += n;
    electrons += n * z;
    squares += n * z * z;
    mass += data->massFractions[i];
  }
  FreeCompoundDataNIST(data);
  const double scale = atomsPerUnit / atoms;
  return {std::move(name), scale * electrons, scale * squares, scale * mass};
}

}  // namespace

fs::path TablesDir() {
  return fs::path(TERVOLIN_TABLES_DIR);
}

fs::path MaterialFile(const std::u8string& name, const std::u8string& extension,
                      const fs::path& folder) {
  return folder / u8"XFS_Data" / (name + extension);
}

std::vector<Record> ReadRecords(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + Utf8Text(path));
  std::vector<Record> records;
  std::string line;
  while (std::getline(in, line))
    records.push_back(ParseLine(line, Utf8Text(path) + ":" + std::to_string(records.size() + 1)));
  return records;
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

const std::vector<MaterialInfo>& ScattererMaterials() {
  static const std::vector<MaterialInfo> materials{
      {u8"水素", 1, 1, 1.008},
      {u8"炭素", 6, 36, 12.011},
      {u8"鉄", 26, 676, 55.845},
      {u8"鉛", 82, 6724, 207.2},
      Air(),
      {u8"PMMA", 54, 316, 100.117},  // C5H8O2: 5·6 + 8·1 + 2·8, 5·36 + 8·1 + 2·64
      {u8"水", 10, 66, 18.015},      // H2O: 2·1 + 8, 2·1 + 64
      NistMixture(u8"骨", "Bone, Cortical (ICRP)", 1.0),  // tissues: one mean atom
      NistMixture(u8"軟部組織", "Tissue, Soft (ICRP)", 1.0),
      NistMixture(u8"筋肉", "Muscle, Skeletal", 1.0),
      NistMixture(u8"脂肪", "Adipose Tissue (ICRP)", 1.0),
      NistMixture(u8"肺", "Lung (ICRP)", 1.0),
      Element(u8"アルミニウム", 13),
      Element(u8"銅", 29),
      Element(u8"タングステン", 74),
      Element(u8"ヨウ素", 53),
      NistMixture(u8"ヨウ化セシウム", "Cesium Iodide", 2.0),                // CsI
      NistMixture(u8"ガドリニウム酸硫化物", "Gadolinium Oxysulfide", 5.0),  // Gd2O2S
  };
  return materials;
}

}  // namespace tervolin::tables_test
