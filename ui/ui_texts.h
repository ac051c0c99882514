#pragma once
// The screens' own texts through Qt's translations. A text is named by its Japanese
// wording, which is also its id in ui/translations/tervolin_*.ts: Japanese needs no
// translation file, and Ui("…") marks a text for lupdate (-tr-function-alias
// QT_TRID_NOOP+=Ui). A control given such a text remembers it, so that the screens
// show every text anew in the language chosen while they are open.

#include <QString>

class QAction;
class QObject;
class QWidget;

namespace tervolin::ui {

struct UiText {
  const char* id;  // the Japanese wording, UTF-8
};

constexpr UiText Ui(const char* id) { return {id}; }

// The text in the language of the translations installed now.
QString Translated(UiText text);

// Sets the text a control shows (a label's, a button's, a menu item's, a frame's
// caption, or a window's title) to `text` in the current language and remembers it;
// a label sized to its text (`sizedToText`) is sized again each time.
void SetUiText(QObject* control, UiText text, bool sizedToText = false);

// A menu item of `owner` with a text of the screens.
QAction* MakeAction(UiText text, QObject* owner);

// Every remembered text of `root` and of the controls on it, in the current language.
void RetranslateTexts(QWidget& root);

}  // namespace tervolin::ui
