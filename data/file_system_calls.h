#pragma once
// The calls of the operating system that the readers and writers of data/ make,
// given to them as an argument: the system's own by default, a slow or failing one in
// a test, and, from the desktop program, whether its signal handler caught an ending
// signal on another thread while a file was being replaced.

#include <cstddef>

#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

namespace tervolin {

inline int SystemOpen(const char* path, int flags) { return ::open(path, flags); }

struct FileSystemCalls {
  int (*open)(const char* path, int flags) = SystemOpen;  // the readers' open(2), never creating
  ssize_t (*write)(int fd, const void* data, std::size_t size) = ::write;
  int (*fsync)(int fd) = ::fsync;
  // Whether an ending signal was handled on a thread other than the writing one,
  // where the writer cannot hold it back; nullptr where no handler records it.
  bool (*endingSignalCaught)() = nullptr;
};

}  // namespace tervolin
