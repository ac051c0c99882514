#pragma once
// The scatterer materials a data folder offers: the seven the program started with,
// then every further material whose two tables lie in XFS_Data, ordered by the index
// file XFS_Data/materials.txt (UTF-8, one line per material "NAME<TAB>ALIAS", lines
// starting with "#" ignored) and then by name.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/language.h"

namespace tervolin {

struct MaterialEntry {
  std::string name;   // list entry = file stem in XFS_Data, UTF-8
  std::string alias;  // English alias, empty when the material has none
};

inline constexpr const char* kMaterialIndexFile = "materials.txt";

// The materials of a data folder (the folder that holds XFS_Data) in list order:
// the seven original materials always first (hydrogen … water, in the calculation
// screen's order, listed even when their files are missing), then every further
// material with both a .xfs and a .csv file in XFS_Data: those named in
// XFS_Data/materials.txt in its order, then the rest by name (byte order of UTF-8).
std::vector<MaterialEntry> ListMaterials(const std::filesystem::path& dataFolder);

// The entry that `text` names, ASCII letters compared without case: a material's
// own name wins over another's alias, and the exact spelling over another case
// (name as typed, name in another case, alias as typed, alias in another case; the
// first in list order within each); last, a name as lists show it escaped
// (EscapedName), so that what `tervolin-calc materials` prints finds its material.
std::optional<MaterialEntry> FindMaterial(const std::vector<MaterialEntry>& materials,
                                          std::string_view text);

// The name a material shows in `language`: its own (the data's, Japanese for the
// shipped ones) in Japanese, its English alias in another language when it has one.
std::string ShownMaterialName(const MaterialEntry& material, Language language);

// Whether two names are the same but for the case of ASCII letters ("abc", "ABC").
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace tervolin
