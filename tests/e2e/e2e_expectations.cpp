// What the end-to-end test expects to see, computed by the library the program uses:
//   e2e_expectations curve TABLES_DIR MATERIAL ENERGY   → 180 lines "θ value"
//   e2e_expectations spectrum TABLES_DIR                → the bytes of P_Spectrum.dat
//                                                         for the spectrum screen's defaults
#include <cstdio>
#include <iostream>
#include <string>

#include "core/distributions.h"
#include "core/field_number.h"
#include "core/spectrum_model.h"
#include "data/spectrum_file.h"
#include "support/shipped_tables.h"

namespace {

using namespace tervolin;

int PrintCurve(const std::string& tables, const std::string& material, const std::string& energy) {
  const MaterialTables m = testing::ShippedMaterial(tables, material, false);
  const Outcome<AngleTable> d = Distribution({kCoherent, kSingleEnergy, FieldNumberOrZero(energy)}, {}, m, {});
  if (!d) return 1;
  for (int j = 1; j <= kAngles; ++j) std::printf("%d %.9f\n", j, d.Value()[j]);
  return 0;
}

int PrintDefaultSpectrumFile(const std::string& tables) {
  const Outcome<Spectrum> spectrum = ComputeSpectrum(DefaultTubeSettings(), testing::ShippedAttenuation(tables), {});
  if (!spectrum) return 1;
  std::cout << SpectrumFileText(spectrum.Value().fluence);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "curve" && argc == 5) return PrintCurve(argv[2], argv[3], argv[4]);
  if (mode == "spectrum" && argc == 3) return PrintDefaultSpectrumFile(argv[2]);
  std::cerr << "usage: e2e_expectations curve TABLES MATERIAL ENERGY | spectrum TABLES\n";
  return 2;
}
