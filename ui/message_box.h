#pragma once
// The program's warning box.

#include <QString>

#include "core/language.h"

class QWidget;

namespace tervolin::ui {

// Modal box with the exclamation icon, one OK button and the caption "Tervolin" (in
// `language`); the text is shown as ShownText gives it (plain text, so the
// ideographic spaces that frame the screens' messages stay). Returns when the user
// has pressed OK.
void ShowWarningBox(QWidget* parent, const QString& text, tervolin::Language language);

// Modal box with the question icon, Yes and No (No to begin with, and for Esc) and
// the caption "Tervolin". Whether the user answered Yes.
bool AskYesNo(QWidget* parent, const QString& text, tervolin::Language language);

// A message as the screens show it: line breaks kept, control characters (ESC, BEL)
// and format characters (the right-to-left override U+202E among them) escaped
// (EscapedForDisplay), so a file or material name cannot reorder or hide the rest.
QString ShownText(const QString& text);

}  // namespace tervolin::ui
