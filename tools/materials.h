// The seven scatterer materials of the calculation screen and their make-up.
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

// Hydrogen, carbon, iron, lead, air, PMMA and water, in the order of the list.
std::vector<Material> ScattererMaterials();

}  // namespace tervolin::tables
