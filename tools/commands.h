// The commands of tervolin-tables.  Each returns the program's exit status:
// 0 done, 1 failed or refused (with a message on stderr).
#pragma once

#include <filesystem>
#include <string>

namespace tervolin::tables {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Writes the shipped set into outdir: Mus2018.dat and XFS_Data with every material
// of the shipped list and its index file.
int MakeShippedTables(const std::filesystem::path& outdir);

struct AddRequest {
  std::string name;                        // list entry and file stem, UTF-8
  std::string source;                      // chemical formula or xraylib NIST compound name
  std::filesystem::path dataFolder = ".";  // the folder that holds XFS_Data
  bool force = false;                      // replace a material that is already there
  double waitSeconds = 60;                 // longest wait for another command's lock, s
};

// Writes the two files of one more material as a pair and prints their paths. The
// data folder must be there; the command holds a lock on it (flock on
// .tervolin-tables.lock there) from its checks to the last rename, so a second add
// waits (saying so after a second, giving up after request.waitSeconds), then finds
// the material there. Holding the lock it first repairs what an interrupted add left
// in XFS_Data (RepairLeftovers), and says what it did. A name that differs from a
// listed one only in ASCII case counts as that name.
int AddMaterial(const AddRequest& request);

// Prints xraylib's NIST compound names, one a line.
int ListSources();

}  // namespace tervolin::tables
