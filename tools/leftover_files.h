// What an interrupted replacement of a pair of tables (data/file_replacement.h) leaves
// beside them: its journal (".pair"), the new texts not yet renamed into place
// (".tmp") and the replaced files' second names kept until both are in place (".old").
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tervolin::tables {

struct Repair {
  std::vector<std::string> said;                         // a line for each file put right or removed
  std::vector<std::filesystem::path> halfReplaced;       // the files of pairs left mixed
};

// Puts right what replacements of a pair (a material's .xfs and .csv) by a writer no
// longer running left in the folder, as their journals tell. A pair left half
// replaced goes back to the old pair from its kept old files or, where those are gone,
// on to the new pair from its temporary files; then the temporary and kept files go,
// and the journal. A pair that neither makes whole stays as it is, its journal
// kept, and its files are named in `halfReplaced` (add --force writes it anew). The
// temporary files of a writer gone before its journal was whole go too: it had
// renamed nothing. Files whose names only look like a writer's are left alone, and so
// is a kept file that is no longer the one its journal names. Throws a TableError
// when a file cannot be put right or removed.
Repair RepairLeftovers(const std::filesystem::path& folder);

}  // namespace tervolin::tables
