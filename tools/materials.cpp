#include "materials.h"

#include "xrl_call.h"

#include <memory>

namespace tervolin::tables {
namespace {

// Dry air is a mixture, not a molecule: its atom counts are scaled to two
// atoms per formula unit, one mean air molecule (N2, O2 and a little Ar).
constexpr double kAtomsPerAirMolecule = 2.0;

Material Element(std::u8string name, int z) {
  return Material{std::move(name), {AtomCount{z, 1.0}}, {}};
}

// A compound given by its chemical formula, e.g. "H2O".
Material Formula(std::u8string name, const std::string& text) {
  xrl_error* error = nullptr;
  compoundData* result = CompoundParser(text.c_str(), &error);
  std::unique_ptr<compoundData, void (*)(compoundData*)> parsed(
      RequireResult(result, error, DescribeCall("CompoundParser", text)), FreeCompoundData);
  Material material{std::move(name), {}, text};
  for (int i = 0; i < parsed->nElements; ++i)
    material.atoms.push_back({parsed->Elements[i], parsed->nAtoms[i]});
  return material;
}

// Atoms per formula unit from mass fractions: n_i proportional to w_i / A_i.
std::vector<AtomCount> CountsFromMassFractions(const compoundDataNIST& data, double total) {
  std::vector<AtomCount> atoms;
  double sum = 0.0;
  for (int i = 0; i < data.nElements; ++i) {
    const int z = data.Elements[i];
    atoms.push_back({z, data.massFractions[i] / PositiveValue("AtomicWeight", AtomicWeight, z)});
    sum += atoms.back().n;
  }
  for (AtomCount& atom : atoms)
    atom.n *= total / sum;
  return atoms;
}

// A material of xraylib's NIST compound list, known there by nistName.
Material NistMixture(std::u8string name, const std::string& nistName, double atomsPerUnit) {
  xrl_error* error = nullptr;
  compoundDataNIST* result = GetCompoundDataNISTByName(nistName.c_str(), &error);
  std::unique_ptr<compoundDataNIST, void (*)(compoundDataNIST*)> data(
      RequireResult(result, error, DescribeCall("GetCompoundDataNISTByName", nistName)),
      FreeCompoundDataNIST);
  return Material{std::move(name), CountsFromMassFractions(*data, atomsPerUnit), nistName};
}

}  // namespace

std::vector<Material> ScattererMaterials() {
  std::vector<Material> materials;
  materials.push_back(Element(u8"水素", 1));
  materials.push_back(Element(u8"炭素", 6));
  materials.push_back(Element(u8"鉄", 26));
  materials.push_back(Element(u8"鉛", 82));
  materials.push_back(NistMixture(u8"空気", "Air, Dry (near sea level)", kAtomsPerAirMolecule));
  materials.push_back(Formula(u8"PMMA", "C5H8O2"));
  materials.push_back(Formula(u8"水", "H2O"));
  return materials;
}

}  // namespace tervolin::tables
