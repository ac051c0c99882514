#include "leftover_files.h"

#include "message_language.h"
#include "record_file.h"
#include "xrl_call.h"

#include "data/file_replacement.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <map>
#include <utility>

#include <unistd.h>

namespace fs = std::filesystem;

namespace tervolin::tables {
namespace {

bool IsRunning(long process) {
  return ::kill(static_cast<pid_t>(process), 0) == 0 || errno == EPERM;
}

// The pair a file belongs to: its name without ".xfs" or ".csv"; another file alone.
std::string PairOf(const std::string& target) {
  const fs::path name(target);
  return name.extension() == ".xfs" || name.extension() == ".csv" ? name.stem().string() : target;
}

void Remove(const fs::path& file, std::vector<std::string>& said) {
  if (::unlink(file.c_str()) != 0 && errno != ENOENT)
    throw TableError(Message(TextId::kTablesCannotRemove, {DisplayName(file), SystemErrorText(errno)}));
  said.push_back(Message(TextId::kTablesRemovedLeftover, {DisplayName(file)}));
}

// The old file back in place of the one that replaced it.
void PutBack(const Leftover& backup, std::vector<std::string>& said) {
  const fs::path target = backup.path.parent_path() / backup.target;
  if (::rename(backup.path.c_str(), target.c_str()) != 0)
    throw TableError(Message(TextId::kTablesCannotPutBack, {DisplayName(target), SystemErrorText(errno)}));
  said.push_back(Message(TextId::kTablesPutBackOld, {DisplayName(target)}));
}

// One run's leftovers of one pair: the .old files first, so that a repair cut short
// finds the .tmp files still there and goes on the same way.
void Repair(const std::vector<Leftover>& group, std::vector<std::string>& said) {
  bool unfinished = false;
  for (const Leftover& leftover : group) unfinished = unfinished || !leftover.backup;
  for (const Leftover& leftover : group) {
    if (!leftover.backup) continue;
    const auto replaced = IdentityOf(leftover.path.parent_path() / leftover.target);
    if (unfinished && replaced != IdentityOf(leftover.path)) PutBack(leftover, said);
    else Remove(leftover.path, said);
  }
  for (const Leftover& leftover : group)
    if (!leftover.backup) Remove(leftover.path, said);
}

}  // namespace

std::optional<Leftover> LeftoverOf(const fs::path& path) {
  const std::optional<WriterFile> file = WriterFileOf(path.filename().native());
  if (!file) return std::nullopt;
  return Leftover{path, file->target, file->writer, file->keptOld};
}

std::vector<std::string> RepairLeftovers(const fs::path& folder) {
  std::map<std::pair<std::string, long>, std::vector<Leftover>> groups;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::optional<Leftover> leftover = LeftoverOf(it->path());
    if (leftover && !IsRunning(leftover->process))
      groups[{PairOf(leftover->target), leftover->process}].push_back(*leftover);
  }
  std::vector<std::string> said;
  for (const auto& [pair, group] : groups) Repair(group, said);
  return said;
}

}  // namespace tervolin::tables
