#include "commands.h"

#include "material_name.h"
#include "materials.h"
#include "record_file.h"
#include "table_files.h"
#include "xrl_call.h"

#include "data/material_catalogue.h"
#include "data/scatterer_data.h"

#include <cstdio>
#include <exception>

namespace fs = std::filesystem;

namespace tervolin::tables {
namespace {

constexpr const char* kProgram = "tervolin-tables";

int Fail(const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", kProgram, message.c_str());
  return kExitFailure;
}

std::u8string AsU8(const std::string& text) {
  return std::u8string(text.begin(), text.end());
}

// Why the material may not be written: its files are there already, or its name is
// another material's name or alias in the list.
std::optional<std::string> ExistingMaterialReason(const AddRequest& request) {
  const fs::path stem = request.dataFolder / kScattererFolder / AsU8(request.name);
  std::error_code error;
  for (const char8_t* extension : {u8".xfs", u8".csv"})
    if (fs::exists(fs::path(stem).concat(extension), error))
      return DisplayName(fs::path(stem).concat(extension)) + " exists (--force replaces it)";
  if (const auto entry = FindMaterial(ListMaterials(request.dataFolder), request.name))
    return "\"" + request.name + "\" already names the material " + entry->name +
           " (--force adds it all the same)";
  return std::nullopt;
}

}  // namespace

int MakeShippedTables(const fs::path& outdir) {
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
    return Fail("cannot use \"" + request.name + "\" as a material name: " + *reason);
  if (!request.force)
    if (const auto reason = ExistingMaterialReason(request)) return Fail(*reason);
  try {
    const Material material = MaterialFromSource(AsU8(request.name), request.source);
    for (const fs::path& file : WriteMaterialFiles(request.dataFolder, material))
      std::printf("wrote %s\n", DisplayName(fs::absolute(file)).c_str());
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
