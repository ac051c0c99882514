#include "data/material_catalogue.h"

#include <algorithm>
#include <array>
#include <set>
#include <sstream>

#include "data/data_file.h"
#include "data/scatterer_data.h"
#include "data/utf8_text.h"

namespace tervolin {

namespace {

namespace fs = std::filesystem;

const std::array<MaterialEntry, 7> kOriginalMaterials{{
    {"水素", "hydrogen"},
    {"炭素", "carbon"},
    {"鉄", "iron"},
    {"鉛", "lead"},
    {"空気", "air"},
    {"PMMA", "pmma"},
    {"水", "water"},
}};

// An index file is a few hundred bytes; anything far larger is not one.
constexpr std::size_t kLargestIndexFile = std::size_t{1} << 20;

bool IsOriginal(const std::string& name) {
  return std::any_of(kOriginalMaterials.begin(), kOriginalMaterials.end(),
                     [&](const MaterialEntry& entry) { return entry.name == name; });
}

bool IsRegularFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

// Stems of the files in folder that end in ".xfs" and have a ".csv" beside them.
std::set<std::string> MaterialsWithBothTables(const fs::path& folder) {
  std::set<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const fs::path& file = it->path();
    if (file.extension() != ".xfs" || !IsRegularFile(file)) continue;
    const std::string name = file.stem().string();
    if (IsDisplayableText(name) && !IsOriginal(name) &&
        IsRegularFile(fs::path(file).replace_extension(".csv")))
      names.insert(name);
  }
  return names;
}

// The index file's text, empty when it is missing, not a readable data file or far
// larger than an index.
std::string ReadIndexText(const fs::path& path) {
  DataFileBytes file = ReadDataFileBytes(path);
  return file.problem || file.bytes.size() > kLargestIndexFile ? std::string() : std::move(file.bytes);
}

// The entries of the index file in its order; comment, empty and garbled lines and
// repeated names are skipped, an alias that cannot be shown is dropped.
std::vector<MaterialEntry> ReadIndex(const fs::path& path) {
  std::vector<MaterialEntry> entries;
  std::istringstream lines(ReadIndexText(path));
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    const std::size_t tab = line.find('\t');
    MaterialEntry entry{line.substr(0, tab), tab == std::string::npos ? "" : line.substr(tab + 1)};
    if (!IsDisplayableText(entry.name)) continue;
    if (!IsDisplayableText(entry.alias)) entry.alias.clear();
    entries.push_back(std::move(entry));
  }
  return entries;
}

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::vector<MaterialEntry> ListMaterials(const fs::path& dataFolder) {
  std::vector<MaterialEntry> list(kOriginalMaterials.begin(), kOriginalMaterials.end());
  const fs::path folder = dataFolder / kScattererFolder;
  std::set<std::string> unlisted = MaterialsWithBothTables(folder);
  for (MaterialEntry& entry : ReadIndex(folder / kMaterialIndexFile))
    if (unlisted.erase(entry.name) == 1) list.push_back(std::move(entry));
  for (const std::string& name : unlisted) list.push_back({name, ""});
  return list;
}

std::string ShownMaterialName(const MaterialEntry& material, Language language) {
  return language == Language::kJapanese || material.alias.empty() ? material.name : material.alias;
}

std::optional<MaterialEntry> FindMaterial(const std::vector<MaterialEntry>& materials,
                                          std::string_view text) {
  if (text.empty()) return std::nullopt;
  // Names before aliases, and within each the exact spelling before another case.
  const auto find = [&](std::string MaterialEntry::*field, bool exact) -> const MaterialEntry* {
    for (const MaterialEntry& entry : materials) {
      const std::string& candidate = entry.*field;
      if (exact ? candidate == text : EqualIgnoringAsciiCase(candidate, text)) return &entry;
    }
    return nullptr;
  };
  for (auto field : {&MaterialEntry::name, &MaterialEntry::alias}) {
    for (bool exact : {true, false}) {
      if (const MaterialEntry* entry = find(field, exact)) return *entry;
    }
  }
  // Last, a name as lists show it, its hidden characters escaped (EscapedName).
  for (const MaterialEntry& entry : materials) {
    if (EscapedName(entry.name) == text) return entry;
  }
  return std::nullopt;
}

}  // namespace tervolin
