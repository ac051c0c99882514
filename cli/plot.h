#pragma once
// The plot command: the angular graph of one or more curves, drawn by the library as
// the calculation screen draws and saves it, as an SVG picture.

#include <filesystem>
#include <string>
#include <vector>

#include "cli/requests.h"
#include "graphs/angle_graph_views.h"

namespace tervolin::cli {

struct PlotCurve {
  AnglesRequest request;
  std::string material;  // the list name in the data folder
  int colour;            // index into the 16-colour palette
};

struct PlotChoices {
  AngleGraphChoices views;
  bool legend = false;
  bool slide = false;
  bool title = false;
};

// The SVG document; throws RunFailure on a data file's or the calculation's problem.
std::string PlotPicture(const std::filesystem::path& dataFolder, const std::vector<PlotCurve>& curves,
                        const PlotChoices& choices);

}  // namespace tervolin::cli
