#pragma once
// The plot command: the angular graph of one or more curves, as the calculation
// screen draws and saves it, from the model (workbench/workbench.h), as an SVG
// picture.

#include <string>
#include <vector>

#include "cli/requests.h"
#include "graphs/angle_graph_views.h"
#include "workbench/workbench.h"

namespace tervolin::cli {

struct PlotCurve {
  AnglesRequest request;
  std::string material;  // the list name in the data folder
  int colour;            // index into the 16-colour palette
};

// The SVG document of the model's picture (PictureSvg); throws RunFailure on a data
// file's or the calculation's problem.
std::string PlotPicture(Workbench& bench, const std::vector<PlotCurve>& curves, const AngleGraphChoices& views,
                        const PictureChoice& picture);

}  // namespace tervolin::cli
