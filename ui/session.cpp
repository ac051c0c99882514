#include "ui/session.h"

namespace tervolin::ui {

Session& TheSession() {
  static Session session;
  return session;
}

void ResetSession() {
  Session& session = TheSession();
  session.attenuation = {};
  session.air = {};
  session.scatter.reset();
  session.energyMode = tervolin::kSingleEnergy;
  session.plotColour = 0;
  session.shownSpectra.clear();
  session.acceptedSpectrum.reset();
  session.writtenSpectrumFile.reset();
  session.graphViews.choices = {};
  session.graphViews.Forget();
}

}  // namespace tervolin::ui
