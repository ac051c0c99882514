#include "commands.h"

#include "material_name.h"
#include "materials.h"
#include "record_file.h"
#include "table_files.h"
#include "xrl_call.h"

#include "data/file_replacement.h"
#include "data/material_catalogue.h"
#include "data/scatterer_data.h"
#include "data/utf8_text.h"

#include <cstdio>
#include <cstring>
#include <exception>

namespace fs = std::filesystem;

namespace tervolin::tables {
namespace {

constexpr const char* kProgram = "tervolin-tables";
// In the data folder: held by one command at a time while it writes tables there.
constexpr const char* kLockFile = ".tervolin-tables.lock";

int Fail(const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", kProgram, EscapedForDisplay(message, false).c_str());
  return kExitFailure;
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
    return DisplayName(*file) + " exists (--force replaces it)";
  if (const auto entry = FindMaterial(ListMaterials(request.dataFolder), request.name))
    return "\"" + request.name + "\" already names the material " + entry->name +
           " (--force adds it all the same)";
  return std::nullopt;
}

bool IsFolder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

}  // namespace

int MakeShippedTables(const fs::path& outdir) {
  try {
    fs::create_directories(outdir);
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
    return Fail("cannot use \"" + request.name + "\" as a material name: " + *reason);
  if (!IsFolder(request.dataFolder))
    return Fail("the data folder " + DisplayName(request.dataFolder) +
                " is not there (--data names an existing folder)");
  // One add at a time in a data folder: the check and the pair of files together.
  const FolderLock lock(request.dataFolder, kLockFile);
  if (lock.error() != 0)
    return Fail("cannot lock the data folder " + DisplayName(request.dataFolder) + ": " +
                std::strerror(lock.error()));
  if (!request.force)
    if (const auto reason = ExistingMaterialReason(request)) return Fail(*reason);
  try {
    const Material material = MaterialFromSource(AsU8(request.name), request.source);
    for (const fs::path& file : WriteMaterialFiles(request.dataFolder, material))
      std::printf("wrote %s\n", EscapedForDisplay(DisplayName(fs::absolute(file)), false).c_str());
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
