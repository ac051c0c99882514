#pragma once
// The calculation screen's material list, of the model's materials.

#include <vector>

#include "workbench/workbench.h"

class QListWidget;
class QString;

namespace tervolin::ui {

// Lists the materials in the model's order, each by its name in the model's language
// with its own name and English alias in the tool tip. The chosen material stays
// chosen while it is still listed; otherwise nothing is chosen.
void ListShownMaterials(QListWidget& list, const std::vector<tervolin::ShownMaterial>& materials);

// The key of the chosen material, or the empty text when none is chosen.
QString ChosenMaterial(const QListWidget& list);

}  // namespace tervolin::ui
