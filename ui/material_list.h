#pragma once
// The calculation screen's material list, filled from the data folder.

#include <filesystem>

#include "core/language.h"

class QListWidget;
class QString;

namespace tervolin::ui {

// Reads the data folder's materials afresh and lists them in the library's
// order, each with its English name in the tool tip. The chosen material stays
// chosen while the folder still offers it; otherwise nothing is chosen.
void ListDataFolderMaterials(QListWidget& list, const std::filesystem::path& dataFolder,
                             tervolin::Language language = tervolin::Language::kJapanese);

// The text of the chosen material, or the empty text when none is chosen.
QString ChosenMaterial(const QListWidget& list);

}  // namespace tervolin::ui
