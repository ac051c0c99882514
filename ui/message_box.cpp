#include "ui/message_box.h"

#include <QMessageBox>

#include "core/messages.h"
#include "data/utf8_text.h"
#include "ui/qt_text.h"

namespace tervolin::ui {

QString ShownText(const QString& text) {
  return QString::fromStdString(tervolin::EscapedForDisplay(text.toStdString(), true));
}

void ShowWarningBox(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Warning, Utf8(tervolin::msg::kCaption), ShownText(text),
                  QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

bool AskYesNo(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Question, Utf8(tervolin::msg::kCaption), ShownText(text),
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::No);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace tervolin::ui
