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

const char* DefaultSpectrumFieldText(SpectrumField field) {
  switch (field) {
    case SpectrumField::TubeVoltage: return "100";
    case SpectrumField::InherentFiltration: return "2.5";
    case SpectrumField::AluminiumFilter: return "0";
    case SpectrumField::CopperFilter: return "0";
    case SpectrumField::TargetAngle: return "12";
  }
  return "";
}

}  // namespace tervolin
