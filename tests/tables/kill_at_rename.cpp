// Preloaded into tervolin-tables by a test: the writer is killed (SIGKILL) just
// before its rename number $TERVOLIN_KILL_AT_RENAME of a file of its own into place,
// so that a pair of tables is left with one file new and the other old.
#include <dlfcn.h>
#include <signal.h>

#include <cstdlib>
#include <cstring>

extern "C" int rename(const char* from, const char* to) {
  static int count = 0;
  const char* at = std::getenv("TERVOLIN_KILL_AT_RENAME");
  if (at != nullptr && std::strstr(from, ".tervolin-") != nullptr && ++count == std::atoi(at)) ::raise(SIGKILL);
  const auto system = reinterpret_cast<int (*)(const char*, const char*)>(::dlsym(RTLD_NEXT, "rename"));
  return system(from, to);
}
