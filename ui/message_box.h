#pragma once
// The program's warning box.

#include <QString>

class QWidget;

namespace tervolin::ui {

// Modal box with the exclamation icon, one OK button and the caption "Tervolin";
// the text is shown exactly as given (plain text, so the ideographic spaces that
// frame the screens' messages stay). Returns when the user has pressed OK.
void ShowWarningBox(QWidget* parent, const QString& text);

}  // namespace tervolin::ui
