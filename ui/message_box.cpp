#include "ui/message_box.h"

#include <QMessageBox>

#include "core/messages.h"
#include "data/utf8_text.h"
#include "ui/qt_text.h"

namespace tervolin::ui {

QString ShownText(const QString& text) {
  return QString::fromStdString(tervolin::EscapedForDisplay(text.toStdString(), true));
}

namespace {

// The program's modal box: its caption, the text as plain text with what would
// hide or reorder it shown escaped; the answer is the button pressed.
QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton preferred,
                                tervolin::Language language) {
  QMessageBox box(icon, FromUtf8(tervolin::TextOf(tervolin::TextId::kCaption, language)), ShownText(text), buttons, parent);
  box.setDefaultButton(preferred);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void ShowWarningBox(QWidget* parent, const QString& text, tervolin::Language language) {
  Ask(parent, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok, language);
}

bool AskYesNo(QWidget* parent, const QString& text, tervolin::Language language) {
  return Ask(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, language) ==
         QMessageBox::Yes;
}

}  // namespace tervolin::ui
