#include "cli/plot.h"

#include "cli/calculation.h"

namespace tervolin::cli {

std::string PlotPicture(Workbench& bench, const std::vector<PlotCurve>& curves, const AngleGraphChoices& views,
                        const PictureChoice& picture) {
  ReadTables(bench);
  for (const PlotCurve& curve : curves) {
    // Each curve as the calculation screen adds one: its kind, colour and energy mode.
    bench.ChooseScattering(curve.request.scatter);
    bench.ChooseColour(curve.colour);
    bench.ChooseEnergyMode(curve.request.spectrum ? kSpectral : kSingleEnergy);
    if (curve.request.spectrum) {
      bench.ClearSpectra();
      (void)CalculateSpectrum(bench, *curve.request.spectrum);
      if (const auto problem = bench.AcceptSpectrum()) ThrowProblem(*problem);
    }
    const auto computed = bench.ComputeCurve({curve.material, curve.request.energyText.value_or("")});
    if (!computed) ThrowProblem(computed.Fault());
  }
  bench.ChooseViews(views.views);
  bench.ChoosePalette(views.palette);
  return bench.PictureSvg(GraphKind::kAngle, picture);
}

}  // namespace tervolin::cli
