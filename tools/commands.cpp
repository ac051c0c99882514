#include "commands.h"

#include "leftover_files.h"
#include "material_name.h"
#include "materials.h"
#include "message_language.h"
#include "record_file.h"
#include "table_files.h"
#include "xrl_call.h"

#include "core/number_text.h"
#include "data/file_replacement.h"
#include "data/material_catalogue.h"
#include "data/scatterer_data.h"
#include "data/shown_item.h"
#include "data/utf8_text.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <exception>
#include <memory>
#include <thread>

namespace fs = std::filesystem;

namespace tervolin::tables {
namespace {

constexpr const char* kProgram = "tervolin-tables";
// In the data folder: held by one command at a time while it writes tables there.
constexpr const char* kLockFile = ".tervolin-tables.lock";
// A wait for the lock this long says why the command does not go on.
constexpr std::chrono::seconds kQuietWait{1};
// How often a waiting command tries the lock again.
constexpr std::chrono::milliseconds kLockRetry{50};

void Say(const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", kProgram, EscapedForDisplay(message, false).c_str());
}

int Fail(const std::string& message) {
  Say(message);
  return kExitFailure;
}

std::string Shown(const fs::path& path) { return ShownArgument(DisplayName(path)); }

// The data folder's lock, taken as soon as another command lets it go within
// waitSeconds; else nothing, with the reason in `failure`.
std::unique_ptr<FolderLock> LockDataFolder(const fs::path& folder, double waitSeconds, std::string& failure) {
  const auto start = std::chrono::steady_clock::now();
  const std::string lock = Shown(folder / kLockFile);
  for (bool said = false;; std::this_thread::sleep_for(kLockRetry)) {
    auto held = std::make_unique<FolderLock>(folder, kLockFile, false);
    if (held->error() == 0) return held;
    if (held->error() != EWOULDBLOCK) {
      failure = Message(TextId::kTablesCannotLock, {Shown(folder), SystemErrorText(held->error())});
      return nullptr;
    }
    const std::chrono::duration<double> waited = std::chrono::steady_clock::now() - start;
    if (waited.count() >= waitSeconds) {
      failure = Message(TextId::kTablesGaveUpWaiting, {ShortestText(waitSeconds), lock});
      return nullptr;
    }
    if (!said && waited >= kQuietWait) Say(Message(TextId::kTablesWaitingForLock, {lock}));
    said = said || waited >= kQuietWait;
  }
}

std::u8string AsU8(const std::string& text) {
  return std::u8string(text.begin(), text.end());
}

// A table of the material already in XFS_Data, its name in any ASCII case.
std::optional<fs::path> ExistingTable(const fs::path& folder, const std::string& name) {
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const fs::path& file = it->path();
    const std::string extension = DisplayName(file.extension());
    if ((EqualIgnoringAsciiCase(extension, ".xfs") || EqualIgnoringAsciiCase(extension, ".csv")) &&
        EqualIgnoringAsciiCase(DisplayName(file.stem()), name))
      return file;
  }
  return std::nullopt;
}

// Why the material may not be written: its files are there already, or its name is
// another material's name or alias in the list; ASCII letters in any case.
std::optional<std::string> ExistingMaterialReason(const AddRequest& request) {
  if (const auto file = ExistingTable(request.dataFolder / kScattererFolder, request.name))
    return Message(TextId::kTablesMaterialFileExists, {Shown(*file)});
  if (const auto entry = FindMaterial(ListMaterials(request.dataFolder), request.name))
    return Message(TextId::kTablesNameTaken, {ShownArgument(request.name), entry->name});
  return std::nullopt;
}

// Puts right what interrupted adds left in XFS_Data and says what it did. A pair it
// cannot make whole is named; for the material to add, without --force, that is the
// reason to refuse.
std::optional<std::string> RepairReason(const AddRequest& request) {
  const Repair repair = RepairLeftovers(request.dataFolder / kScattererFolder);
  for (const std::string& line : repair.said) Say(line);
  std::optional<std::string> reason;
  for (const fs::path& file : repair.halfReplaced) {
    if (file.extension() != ".xfs") continue;
    const std::string message = Message(TextId::kTablesHalfReplaced, {Shown(file)});
    if (!request.force && EqualIgnoringAsciiCase(DisplayName(file.stem()), request.name)) reason = message;
    else Say(message);
  }
  return reason;
}

bool IsFolder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

}  // namespace

int MakeShippedTables(const fs::path& outdir) {
  std::error_code made;
  fs::create_directories(outdir, made);
  if (made) return Fail(Message(TextId::kTablesCannotMakeFolder, {Shown(outdir), SystemErrorText(made.value())}));
  try {
    for (const MaterialDefinition& definition : ShippedMaterials())
      WriteMaterialFiles(
          outdir, MaterialFromSource(definition.name, definition.source, definition.atomsPerUnit));
    WriteMaterialIndex(outdir, ShippedMaterials());
    WriteAttenuationTable(outdir);
    WriteAirAbsorptionTable(outdir);
  } catch (const std::exception& error) {
    return Fail(error.what());
  }
  return kExitOk;
}

int AddMaterial(const AddRequest& request) {
  if (const auto reason = UnsafeNameReason(request.name))
    return Fail(Message(TextId::kTablesUnusableName, {ShownArgument(request.name), *reason}));
  if (!IsFolder(request.dataFolder))
    return Fail(Message(TextId::kTablesNoDataFolder, {Shown(request.dataFolder)}));
  // One add at a time in a data folder: the repair, the check and the pair of files together.
  std::string failure;
  const std::unique_ptr<FolderLock> lock = LockDataFolder(request.dataFolder, request.waitSeconds, failure);
  if (!lock) return Fail(failure);
  try {
    if (const auto reason = RepairReason(request)) return Fail(*reason);
    if (!request.force)
      if (const auto reason = ExistingMaterialReason(request)) return Fail(*reason);
    const Material material = MaterialFromSource(AsU8(request.name), request.source);
    for (const fs::path& file : WriteMaterialFiles(request.dataFolder, material))
      std::printf("%s\n", Message(TextId::kTablesWrote, {EscapedForDisplay(DisplayName(fs::absolute(file)), false)})
                             .c_str());
    // A pair left half replaced and now written anew: its journal and files go.
    if (request.force)
      for (const std::string& line : RepairLeftovers(request.dataFolder / kScattererFolder).said) Say(line);
  } catch (const std::exception& error) {
    return Fail(error.what());
  }
  return kExitOk;
}

int ListSources() {
  try {
    for (const std::string& name : NistCompoundNames())
      std::printf("%s\n", name.c_str());
  } catch (const std::exception& error) {
    return Fail(error.what());
  }
  return kExitOk;
}

}  // namespace tervolin::tables
