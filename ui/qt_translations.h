#pragma once
// The program's language on the desktop: its own texts (ui/translations/tervolin_*.qm,
// built in), Qt's own texts (the file dialog, the message boxes' standard buttons,
// the text fields' context menus; qtbase_*.qm in Qt's translations folder) and Qt's
// default locale. Installing them makes every open window show its texts anew.

#include "core/language.h"

namespace tervolin::ui {

class Screens;

// Replaces the translations in use by those of `language`. Whether Qt's own texts
// could be given in it: without its file they stay English and the program runs on
// (English has none, and needs none).
bool InstallLanguage(tervolin::Language language);
// The same for Japanese, the screens' own language, which needs no file of the
// program's.
bool InstallQtTranslations();

// The language the program starts in: the one chosen on the start screen in an
// earlier run, which wins, or else the system's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
tervolin::Language StartLanguage();

// Switches the program to `language` now, for the screens' texts and the model's
// messages, labels and graphs, and keeps the choice for the next run.
void SwitchLanguage(Screens& screens, tervolin::Language language);

}  // namespace tervolin::ui
