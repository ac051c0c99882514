#include "support/recording_host.h"

#include "core/shared_state.h"

namespace tervolin::testing {

HostFixtureInstaller::HostFixtureInstaller() {
  ResetSharedState();
  InstallHost(&host);
}

HostFixtureInstaller::~HostFixtureInstaller() { InstallHost(nullptr); }

}  // namespace tervolin::testing
