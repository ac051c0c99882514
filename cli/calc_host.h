#pragma once
// The command line's host, a windowless TextHost, installed for the lifetime of one
// calculation.

#include "core/text_host.h"

namespace tervolin::cli {

class InstalledHost {
 public:
  InstalledHost() { InstallHost(&host); }
  ~InstalledHost() { InstallHost(nullptr); }
  InstalledHost(const InstalledHost&) = delete;
  InstalledHost& operator=(const InstalledHost&) = delete;
  TextHost host;
};

}  // namespace tervolin::cli
