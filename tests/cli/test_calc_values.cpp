// tervolin-calc prints, bit for bit, what the library computes for the screens.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include <string>
#include <vector>

#include "cli/calc_process.h"
#include "core/beam_figures.h"
#include "core/distributions.h"
#include "core/spectrum_model.h"
#include "data/air_absorption_table.h"
#include "data/spectrum_file.h"
#include "support/scratch_directory.h"
#include "support/shipped_tables.h"

#include <sys/stat.h>

namespace tervolin::testing {
namespace {

struct SpectrumInputs {
  const char* kv;
  const char* targetAngle = "12";
  const char* inherent = "2.5";
  const char* aluminium = "0";
  const char* copper = "0";
};

// The spectrum screen's computation with the given settings, on the shipped tables.
EnergyTable LibrarySpectrum(const SpectrumInputs& in) {
  const TubeSettings settings{in.kv, in.targetAngle, in.inherent, in.aluminium, in.copper};
  const Outcome<Spectrum> spectrum = ComputeSpectrum(settings, ShippedAttenuation(TERVOLIN_TABLES_DIR), {});
  EXPECT_TRUE(spectrum);
  return spectrum ? spectrum.Value().fluence : EnergyTable{};
}

// The calculation screen's distribution of the material, weighted by `fluence` when
// spectral.
AngleTable LibraryAngles(const char* material, const DistributionRequest& request,
                         const EnergyTable& fluence = {}, const DistributionView& view = {}) {
  const bool spectral = request.energyMode == kSpectral;
  const Outcome<AngleTable> d =
      Distribution(request, view, ShippedMaterial(TERVOLIN_TABLES_DIR, material, spectral), fluence);
  EXPECT_TRUE(d);
  return d ? d.Value() : AngleTable{};
}

std::vector<std::string> SpectrumArguments(const SpectrumInputs& in) {
  return {"--kv", in.kv, "--target-angle", in.targetAngle, "--inherent", in.inherent,
          "--al", in.aluminium, "--cu", in.copper};
}

// Every printed row equals the library's value at its angle, to the bit.
void ExpectAngles(const CalcRun& run, const AngleTable& expected) {
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "theta_deg,relative_density");
  const auto rows = TableRows(run.out);
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kAngles));
  for (int j = 1; j <= kAngles; ++j) {
    ASSERT_EQ(rows[j - 1].size(), 2u);
    EXPECT_EQ(rows[j - 1][0], std::to_string(j));
    EXPECT_EQ(FieldValue(rows[j - 1][1]), expected[j]) << "θ = " << j;
  }
}

CalcRun RunInTables(std::vector<std::string> arguments) {
  return RunCalc(arguments, std::filesystem::current_path(), TERVOLIN_TABLES_DIR);
}

TEST(CalcValues, MonoenergeticDistributionsEqualTheLibrarys) {
  ExpectAngles(RunInTables({"angles", "--scattering", "coherent", "--material", "LEAD", "--energy", "60"}),
               LibraryAngles("鉛", {kCoherent, kSingleEnergy, 60.0}));
  ExpectAngles(RunInTables({"angles", "--scattering", "incoherent", "--material", "炭素", "--energy", "17.5"}),
               LibraryAngles("炭素", {kIncoherent, kSingleEnergy, 17.5}));
}

TEST(CalcValues, SpectralDistributionsEqualTheLibrarys) {
  const SpectrumInputs filtered{"120", "15", "3", "1", "0.1"};
  std::vector<std::string> arguments{"angles", "--scattering", "coherent", "--material", "water"};
  for (const std::string& a : SpectrumArguments(filtered)) arguments.push_back(a);
  ExpectAngles(RunInTables(arguments), LibraryAngles("水", {kCoherent, kSpectral, 0.0}, LibrarySpectrum(filtered)));
  ExpectAngles(RunInTables({"angles", "--scattering", "incoherent", "--material", "Iron", "--kv", "80"}),
               LibraryAngles("鉄", {kIncoherent, kSpectral, 0.0}, LibrarySpectrum({"80"})));
}

TEST(CalcValues, SpectrumEqualsTheLibrarysInEveryFormat) {
  const SpectrumInputs in{"150", "10", "1", "2", "0"};
  const EnergyTable expected = LibrarySpectrum(in);
  std::vector<std::string> arguments{"spectrum"};
  for (const std::string& a : SpectrumArguments(in)) arguments.push_back(a);

  const CalcRun csv = RunInTables(arguments);
  ASSERT_EQ(csv.status, 0) << csv.err;
  const auto rows = TableRows(csv.out);
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kEnergyBins));
  for (int n = 1; n <= kEnergyBins; ++n) {
    EXPECT_EQ(FieldValue(rows[n - 1][0]), BinEnergy(n));
    EXPECT_EQ(FieldValue(rows[n - 1][1]), expected[n]) << "bin " << n;
  }

  arguments.insert(arguments.end(), {"--format", "tsv"});
  const CalcRun tsv = RunInTables(arguments);
  EXPECT_EQ(TableRows(tsv.out, '\t'), rows);
  arguments.back() = "dat";
  EXPECT_EQ(RunInTables(arguments).out, SpectrumFileText(expected));
}

// The teaching views print what the calculation screen's views compute.
TEST(CalcValues, ViewsEqualTheLibrarysAndNameThemselves) {
  const AngleTable perSolidAngle = LibraryAngles("鉄", {kCoherent, kSingleEnergy, 60.0}, {}, {View::kPerSolidAngle});
  const AngleTable freeElectron =
      LibraryAngles("鉄", {kIncoherent, kSpectral, 0.0}, LibrarySpectrum({"80"}), {View::kFreeElectron});
  const CalcRun first = RunInTables({"angles", "--scattering", "coherent", "--material", "iron", "--energy", "60",
                                     "--per-solid-angle"});
  const CalcRun second = RunInTables({"angles", "--scattering", "incoherent", "--material", "iron", "--kv", "80",
                                      "--free-electron"});
  ASSERT_EQ(first.status, 0) << first.err;
  ASSERT_EQ(second.status, 0) << second.err;
  EXPECT_TRUE(first.out.starts_with("theta_deg,relative_density_per_solid_angle\n"));
  EXPECT_TRUE(second.out.starts_with("theta_deg,relative_density_free_electron\n"));
  EXPECT_TRUE(RunInTables({"angles", "--scattering", "coherent", "--material", "iron", "--energy", "60", "--free-electron",
                           "--per-solid-angle"})
                  .out.starts_with("theta_deg,relative_density_per_solid_angle_free_electron\n"));
  const auto firstRows = TableRows(first.out);
  const auto secondRows = TableRows(second.out);
  ASSERT_EQ(firstRows.size(), static_cast<std::size_t>(kAngles));
  ASSERT_EQ(secondRows.size(), static_cast<std::size_t>(kAngles));
  for (int j = 1; j <= kAngles; ++j) {
    EXPECT_EQ(FieldValue(firstRows[j - 1][1]), perSolidAngle[j]) << "θ = " << j;
    EXPECT_EQ(FieldValue(secondRows[j - 1][1]), freeElectron[j]) << "θ = " << j;
  }
}

// Each text's size in pixels of the picture: its font-size times the scale of the
// group it stands in (the pictures do not nest groups).
std::vector<double> TextSizes(const std::string& svg) {
  std::vector<double> sizes;
  double scale = 1;
  for (std::size_t at = 0; (at = svg.find('<', at)) != std::string::npos; ++at) {
    if (svg.compare(at, 3, "<g ") == 0 && svg.find("scale(", at) < svg.find('>', at)) {
      scale = std::stod(svg.substr(svg.find("scale(", at) + 6));
    } else if (svg.compare(at, 4, "</g>") == 0) {
      scale = 1;
    } else if (svg.compare(at, 6, "<text ") == 0) {
      sizes.push_back(scale * std::stod(svg.substr(svg.find("font-size=\"", at) + 11)));
    }
  }
  return sizes;
}

// The texts one after another, without blanks: a legend's title broken over lines
// reads as one.
std::string TextsRead(const std::string& svg) {
  std::string read;
  for (std::size_t at = 0; (at = svg.find("<text ", at)) != std::string::npos; ++at) {
    const std::size_t from = svg.find('>', at) + 1;
    read += svg.substr(from, svg.find("</text>", from) - from);
  }
  std::erase(read, ' ');
  return read;
}

struct PlotCase {
  std::vector<std::string> arguments;
  std::string size;                       // the root element's width and height
  std::vector<std::string> legendTitles;  // every curve's row
  double smallestText;                    // pixels
};

// tervolin-calc plot: the picture the screens save, with a row for every curve shown
// (free-electron curves included) and a peak for each; a slide is 1920 × 1080, its
// smallest text at least 1/40 of its height; without --legend no row. The picture's
// words are in the locale's language, here Japanese.
TEST(CalcValues, PlotDrawsEveryCurvesLegendRowAtALegibleSize) {
  const std::vector<std::string> curves{"--scattering", "incoherent", "--material", "iron", "--energy", "60",
                                        "--scattering", "incoherent", "--material", "lead", "--energy", "100",
                                        "--colour", "blue", "--scattering", "incoherent", "--material", "water",
                                        "--kv", "100", "--colour", "darkgreen", "--free-electron", "--per-solid-angle"};
  const std::vector<std::string> rows{"非干渉性散乱 鉄 60 keV", "自由電子（クライン－仁科）60 keV", "非干渉性散乱 鉛 100 keV",
                                      "自由電子（クライン－仁科）100 keV", "非干渉性散乱 水 100 kV・12°・固有"};
  const std::vector<PlotCase> cases{
      {{"--legend", "--slide", "--title"}, "width=\"1920\" height=\"1080\"", rows, 1080.0 / 40},
      {{"--legend"}, "height=\"413\"", rows, 15},
      {{}, "width=\"589\" height=\"413\"", {}, 19},
  };
  for (const PlotCase& c : cases) {
    std::vector<std::string> arguments{"plot"};
    arguments.insert(arguments.end(), curves.begin(), curves.end());
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const CalcRun run = RunCalc(arguments, std::filesystem::current_path(), TERVOLIN_TABLES_DIR, "ja_JP.UTF-8");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(c.size), std::string::npos) << c.size;
    const std::string read = TextsRead(run.out);
    for (std::string row : c.legendTitles) {
      std::erase(row, ' ');
      EXPECT_NE(read.find(row), std::string::npos) << row;
    }
    EXPECT_EQ(read.find("ピーク") != std::string::npos, !c.legendTitles.empty());
    const std::vector<double> sizes = TextSizes(run.out);
    ASSERT_FALSE(sizes.empty());
    EXPECT_GE(*std::min_element(sizes.begin(), sizes.end()), c.smallestText - 1e-9);
  }
}

// The beam figures are the library's, formatted alike; without a usable air table the
// figures that need it read "—", standard error names them and says why, and the run
// fails.
TEST(CalcValues, FiguresAreTheLibrarysAndSayWhichTheyCannotGive) {
  const EnergyTable fluence = LibrarySpectrum({"80"});
  const CalcRun run = RunInTables({"spectrum", "--kv", "80", "--figures"});
  ASSERT_EQ(run.status, 0) << run.err;
  const EnergyTable aluminium = ShippedAttenuation(TERVOLIN_TABLES_DIR).aluminium;
  EXPECT_EQ(run.out, FormatBeamFigures(ComputeBeamFigures(fluence, aluminium, ShippedAirTable(TERVOLIN_TABLES_DIR))));
  EXPECT_TRUE(run.out.starts_with("mean energy: ")) << run.out;

  ScratchDirectory data;
  std::filesystem::copy(TERVOLIN_TABLES_DIR, data.path(), std::filesystem::copy_options::recursive);
  const std::filesystem::path air = data.path() / "MuenAir.dat";
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[&] { std::filesystem::remove(air); }, "Cannot open the file MuenAir.dat (it is missing or unreadable)"},
      {[&] { ::mkfifo(air.c_str(), 0644); },
       "MuenAir.dat is not a regular file (devices, named pipes and the like cannot be read)"}};
  for (const auto& [spoil, why] : cases) {
    spoil();
    const CalcRun withoutAir = RunCalc({"spectrum", "--kv", "80", "--figures"}, data.path());
    EXPECT_EQ(withoutAir.status, 1);
    EXPECT_NE(withoutAir.out.find("mean energy: 42.59 keV\neffective energy: —\nHVL1: —\n"), std::string::npos);
    EXPECT_EQ(withoutAir.err, "tervolin-calc: cannot give effective energy, HVL1, HVL2, homogeneity coefficient: " +
                                  why + "\n");
  }
}

// A quality's figures: its HVL1 within 1 % of the standard's (RQR), printed beside it.
TEST(CalcValues, QualityFiguresMeetTheStandardsHvl1) {
  for (const char* name : {"RQR2", "RQR 5", "rqr8", "RQR10", "ＲＱＲ８", " RQR8\u3000"}) {
    const CalcRun run = RunInTables({"spectrum", "--quality", name, "--figures"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::size_t hvl = run.out.find("\nHVL1: "), standard = run.out.find("standard HVL1: ");
    ASSERT_NE(standard, std::string::npos) << run.out;
    const double program = std::stod(run.out.substr(hvl + 7)), wanted = std::stod(run.out.substr(standard + 15));
    EXPECT_NEAR(program / wanted, 1.0, 0.01) << name << "\n" << run.out;
  }
  // The standard's figures with its own two decimals.
  EXPECT_NE(RunInTables({"spectrum", "--quality", "RQR8", "--figures"}).out.find(
                "standard HVL1: 3.97 mm Al\nstandard homogeneity coefficient: 0.68\n"),
            std::string::npos);
}

// A material added to the data folder with an alias in its index is found by it; a
// hidden character in its name is listed escaped, and found so too.
TEST(CalcValues, MaterialsAddedToTheDataFolderAreListedAndComputed) {
  ScratchDirectory data;
  std::filesystem::copy(TERVOLIN_TABLES_DIR, data.path(), std::filesystem::copy_options::recursive);
  std::filesystem::copy(data.path() / "XFS_Data/水.xfs", data.path() / "XFS_Data/Ge\u200Bl.xfs");
  std::filesystem::copy(data.path() / "XFS_Data/水.csv", data.path() / "XFS_Data/Ge\u200Bl.csv");
  std::ofstream(data.path() / "XFS_Data/materials.txt", std::ios::app) << "Ge\u200Bl\tgelatine\n";

  const CalcRun list = RunCalc({"materials", "--format", "tsv"}, data.path());
  EXPECT_EQ(list.out.substr(0, list.out.find("\n骨")),
            "name\talias\n水素\thydrogen\n炭素\tcarbon\n鉄\tiron\n鉛\tlead\n空気\tair\nPMMA\tpmma\n水\twater");
  EXPECT_TRUE(list.out.ends_with("\nGe\\u200Bl\tgelatine\n")) << list.out;
  const CalcRun shown = RunCalc({"angles", "--scattering", "coherent", "--material", "Ge\\u200Bl", "--energy", "20"},
                                data.path());
  const CalcRun added = RunCalc({"angles", "--scattering", "coherent", "--material", "Gelatine", "--energy", "20"},
                                data.path());
  const CalcRun water = RunCalc({"angles", "--scattering", "coherent", "--material", "水", "--energy", "20"},
                                data.path());
  EXPECT_EQ(added.status, 0) << added.err;
  EXPECT_EQ(added.out, water.out);
  EXPECT_EQ(shown.out, water.out);
}

}  // namespace
}  // namespace tervolin::testing
