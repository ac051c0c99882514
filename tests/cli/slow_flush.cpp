// Preloaded into tervolin-calc by a test: every fsync(2) takes 30 ms longer, so that
// a SIGKILL at a random moment often lands while a temporary file exists.
#include <dlfcn.h>
#include <time.h>

extern "C" int fsync(int fd) {
  const timespec delay{0, 30'000'000};
  ::nanosleep(&delay, nullptr);
  const auto system = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
  return system(fd);
}
