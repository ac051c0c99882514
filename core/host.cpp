#include "core/host.h"

#include <stdexcept>

namespace tervolin {

namespace {
Host* installedHost = nullptr;
}

Host& CurrentHost() {
  if (installedHost == nullptr) throw std::logic_error("no user-interface host installed");
  return *installedHost;
}

void InstallHost(Host* host) { installedHost = host; }

}  // namespace tervolin
