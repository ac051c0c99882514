// The scatterer materials the program ships, and how a material's make-up is read
// from xraylib.
#pragma once

#include <string>
#include <vector>

namespace tervolin::tables {

// n atoms of atomic number Z in one formula unit of a material.
struct AtomCount {
  int z;
  double n;
};

struct Material {
  // Text of the material's list entry; the data files are named after it.
  std::u8string name;
  // Atoms of one formula unit; the same counts weight F and S.
  std::vector<AtomCount> atoms;
  // Name under which xraylib's *_CP functions know a compound; empty for
  // a single element, whose cross sections come from the per-element calls.
  std::string compound;
};

// A mixture without a molecule (a tissue) counts as one mean atom per formula unit.
inline constexpr double kAtomsPerMeanAtom = 1.0;

// One line of the shipped list.
struct MaterialDefinition {
  std::u8string name;  // list entry and file stem, Japanese
  std::string alias;   // English name for the command line
  // xraylib source: an element symbol, a chemical formula or a NIST compound name.
  std::string source;
  // Atoms per formula unit of a NIST mixture, whose make-up xraylib gives by mass.
  double atomsPerUnit = kAtomsPerMeanAtom;
};

// The shipped materials in list order: the seven of the calculation screen first.
const std::vector<MaterialDefinition>& ShippedMaterials();

// The make-up of a material from its xraylib source: an xraylib NIST compound name
// (atom counts from its mass fractions, scaled to atomsPerUnit), else a chemical
// formula; a formula of one atom is that element.  Throws a TableError naming the
// source if xraylib knows it as neither.
Material MaterialFromSource(std::u8string name, const std::string& source,
                            double atomsPerUnit = kAtomsPerMeanAtom);

// xraylib's NIST compound names, in its order.
std::vector<std::string> NistCompoundNames();

}  // namespace tervolin::tables
