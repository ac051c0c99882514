#include "ui/message_box.h"

#include <QMessageBox>

#include "core/messages.h"

namespace tervolin::ui {

void ShowWarningBox(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(tervolin::msg::kCaption), text,
                  QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace tervolin::ui
