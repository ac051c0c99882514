#include "materials.h"

#include "message_language.h"
#include "xrl_call.h"

#include "data/shown_item.h"

#include <memory>
#include <optional>

namespace tervolin::tables {
namespace {

// Dry air is a mixture, not a molecule: its atom counts are scaled to two
// atoms per formula unit, one mean air molecule (N2, O2 and a little Ar).
constexpr double kAtomsPerAirMolecule = 2.0;
// The crystals, known to xraylib by mass fractions, per formula unit CsI and Gd2O2S.
constexpr double kAtomsPerCesiumIodide = 2.0;
constexpr double kAtomsPerGadoliniumOxysulfide = 5.0;

// The shipped list: name, alias, xraylib source (element symbol, chemical formula or
// NIST compound name) and, for a NIST mixture, its atoms per formula unit.
const std::vector<MaterialDefinition> kShippedMaterials{
    {u8"水素", "hydrogen", "H"},
    {u8"炭素", "carbon", "C"},
    {u8"鉄", "iron", "Fe"},
    {u8"鉛", "lead", "Pb"},
    {u8"空気", "air", "Air, Dry (near sea level)", kAtomsPerAirMolecule},
    {u8"PMMA", "pmma", "C5H8O2"},
    {u8"水", "water", "H2O"},
    {u8"骨", "bone", "Bone, Cortical (ICRP)"},
    {u8"軟部組織", "soft-tissue", "Tissue, Soft (ICRP)"},
    {u8"筋肉", "muscle", "Muscle, Skeletal"},
    {u8"脂肪", "adipose", "Adipose Tissue (ICRP)"},
    {u8"肺", "lung", "Lung (ICRP)"},
    {u8"アルミニウム", "aluminium", "Al"},
    {u8"銅", "copper", "Cu"},
    {u8"タングステン", "tungsten", "W"},
    {u8"ヨウ素", "iodine", "I"},
    {u8"ヨウ化セシウム", "csi", "Cesium Iodide", kAtomsPerCesiumIodide},
    {u8"ガドリニウム酸硫化物", "gos", "Gadolinium Oxysulfide", kAtomsPerGadoliniumOxysulfide},
};

using NistData = std::unique_ptr<compoundDataNIST, void (*)(compoundDataNIST*)>;
using FormulaData = std::unique_ptr<compoundData, void (*)(compoundData*)>;

// xraylib's NIST entry of that name, if there is one.
std::optional<NistData> FindNistCompound(const std::string& source) {
  xrl_error* error = nullptr;
  compoundDataNIST* data = GetCompoundDataNISTByName(source.c_str(), &error);
  if (error != nullptr) xrl_error_free(error);
  if (data == nullptr) return std::nullopt;
  return NistData(data, FreeCompoundDataNIST);
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

// A material given by its chemical formula, e.g. "H2O"; one atom alone is an element,
// whose cross sections come from xraylib's per-element calls.
Material FromFormula(std::u8string name, const std::string& text) {
  xrl_error* error = nullptr;
  compoundData* result = CompoundParser(text.c_str(), &error);
  const FormulaData parsed(RequireResult(result, error, DescribeCall("CompoundParser", ShownArgument(text))),
                           FreeCompoundData);
  if (parsed->nElements == 1 && parsed->nAtoms[0] == 1.0)
    return Material{std::move(name), {AtomCount{parsed->Elements[0], 1.0}}, {}};
  Material material{std::move(name), {}, text};
  for (int i = 0; i < parsed->nElements; ++i)
    material.atoms.push_back({parsed->Elements[i], parsed->nAtoms[i]});
  return material;
}

}  // namespace

const std::vector<MaterialDefinition>& ShippedMaterials() {
  return kShippedMaterials;
}

Material MaterialFromSource(std::u8string name, const std::string& source, double atomsPerUnit) {
  if (const std::optional<NistData> nist = FindNistCompound(source))
    return Material{std::move(name), CountsFromMassFractions(**nist, atomsPerUnit), source};
  try {
    return FromFormula(std::move(name), source);
  } catch (const TableError& error) {
    throw TableError(Message(TextId::kTablesUnknownSource, {ShownArgument(source), error.what()}));
  }
}

std::vector<std::string> NistCompoundNames() {
  xrl_error* error = nullptr;
  int count = 0;
  char** list = GetCompoundDataNISTList(&count, &error);
  RequireResult(list, error, "GetCompoundDataNISTList");
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    names.emplace_back(list[i]);
    xrlFree(list[i]);
  }
  xrlFree(list);
  return names;
}

}  // namespace tervolin::tables
