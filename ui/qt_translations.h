#pragma once
// Qt's own texts in Japanese, as the screens are: the file dialog, the message
// boxes' standard buttons (はい, いいえ, キャンセル), the text fields' context menus.

namespace tervolin::ui {

// Loads Qt's Japanese translations (qtbase_ja.qm, in Qt's translations folder) into
// the running application, once, and makes Japanese Qt's default locale. Whether
// the translations are in use; without the file Qt's texts stay English and the
// program runs on.
bool InstallQtTranslations();

}  // namespace tervolin::ui
