#include "leftover_files.h"

#include "message_language.h"
#include "record_file.h"
#include "xrl_call.h"

#include "data/file_replacement.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <set>

#include <unistd.h>

namespace fs = std::filesystem;

namespace tervolin::tables {
namespace {

using Member = UnfinishedReplacement::Member;

// Whether the file is there and is the one the journal names.
bool IsFile(const fs::path& path, const std::optional<FileVersion>& version) {
  return !path.empty() && version && VersionOf(path) == version;
}

void Remove(const fs::path& file, std::vector<std::string>& said) {
  if (::unlink(file.c_str()) != 0 && errno != ENOENT)
    throw TableError(Message(TextId::kTablesCannotRemove, {DisplayName(file), SystemErrorText(errno)}));
  said.push_back(Message(TextId::kTablesRemovedLeftover, {DisplayName(file)}));
}

void Rename(const fs::path& from, const fs::path& to, TextId done, std::vector<std::string>& said) {
  if (::rename(from.c_str(), to.c_str()) != 0)
    throw TableError(Message(TextId::kTablesCannotPutBack, {DisplayName(to), SystemErrorText(errno)}));
  said.push_back(Message(done, {DisplayName(to)}));
}

// Back to the old pair: each replaced file's old one from its second name, a file
// that had none removed. Nothing when a replaced file's old one is gone.
bool PutBack(const UnfinishedReplacement& pair, std::vector<std::string>& said) {
  for (const Member& member : pair.members) {
    if (StateOf(member) == MemberState::Replaced && member.old && !IsFile(member.keptOld, member.old)) return false;
  }
  for (const Member& member : pair.members) {
    if (StateOf(member) != MemberState::Replaced) continue;
    if (member.old) Rename(member.keptOld, member.file, TextId::kTablesPutBackOld, said);
    else Remove(member.file, said);
  }
  return true;
}

// On to the new pair: each file not yet replaced from its temporary file. Nothing
// when one of those is gone, or a file was replaced since by another's.
bool Complete(const UnfinishedReplacement& pair, std::vector<std::string>& said) {
  for (const Member& member : pair.members) {
    const MemberState state = StateOf(member);
    if (state == MemberState::Other || (state == MemberState::Old && !IsFile(member.newText, member.replacement)))
      return false;
  }
  for (const Member& member : pair.members) {
    if (StateOf(member) == MemberState::Old) Rename(member.newText, member.file, TextId::kTablesCompletedPair, said);
  }
  return true;
}

// The journal's temporary and kept files that are still the ones it names, then the journal.
void RemoveRun(const UnfinishedReplacement& pair, std::vector<std::string>& said) {
  for (const Member& member : pair.members) {
    if (IsFile(member.newText, member.replacement)) Remove(member.newText, said);
    if (IsFile(member.keptOld, member.old)) Remove(member.keptOld, said);
  }
  Remove(pair.journal, said);
}

// The temporary files of pairs whose writer is gone without a whole journal here, and
// without a kept old file here: it renamed nothing.
void RemoveUnjournalled(const fs::path& folder, const std::set<long>& journalled, std::vector<std::string>& said) {
  std::vector<std::pair<fs::path, WriterFile>> files;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::optional<WriterFile> file = WriterFileOf(it->path().filename().native());
    if (file && file->together && !journalled.contains(file->writer) && !WriterRunning(file->writer))
      files.emplace_back(it->path(), *file);
  }
  for (const auto& [path, file] : files) {
    const long writer = file.writer;
    const bool kept = std::any_of(files.begin(), files.end(), [writer](const auto& other) {
      return other.second.writer == writer && other.second.role == WriterFile::KeptOld;
    });
    if (file.role == WriterFile::NewText && !kept) Remove(path, said);
  }
}

}  // namespace

Repair RepairLeftovers(const fs::path& folder) {
  Repair repair;
  std::set<long> journalled;
  for (const UnfinishedReplacement& pair : UnfinishedReplacements(folder)) {
    if (pair.members.empty()) continue;  // cut short: its temporary files go below
    journalled.insert(pair.writer);
    if (IsMixed(pair) && !PutBack(pair, repair.said) && !Complete(pair, repair.said)) {
      for (const Member& member : pair.members) repair.halfReplaced.push_back(member.file);
      continue;
    }
    RemoveRun(pair, repair.said);
  }
  RemoveUnjournalled(folder, journalled, repair.said);
  for (const UnfinishedReplacement& pair : UnfinishedReplacements(folder)) {
    if (pair.members.empty()) Remove(pair.journal, repair.said);
  }
  return repair;
}

}  // namespace tervolin::tables
