#include "modal_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QWidget>

namespace tervolin::testing {

ModalAnswerer::ModalAnswerer(QObject* parent) : QObject(parent) {
  connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::Poll);
  timer_.start(20);
}

namespace {

AnsweredBox Describe(const QWidget& modal) {
  AnsweredBox seen;
  seen.title = modal.windowTitle();
  seen.modality = modal.windowModality();
  if (const auto* box = qobject_cast<const QMessageBox*>(&modal)) {
    seen.text = box->text();
    seen.icon = box->icon();
    for (QAbstractButton* button : box->buttons()) {
      seen.buttons.append(box->standardButton(button));
      seen.buttonTexts.append(button->text());
    }
  }
  return seen;
}

// OK when there is one; otherwise whatever ends the box, so a test never hangs.
QAbstractButton* AnswerButton(QMessageBox& box) {
  if (QAbstractButton* ok = box.button(QMessageBox::Ok)) return ok;
  if (QAbstractButton* escape = box.escapeButton()) return escape;
  return box.buttons().isEmpty() ? nullptr : box.buttons().first();
}

}  // namespace

void ModalAnswerer::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible()) return;
  answered_.append(Describe(*modal));
  auto* box = qobject_cast<QMessageBox*>(modal);
  QAbstractButton* answer = box != nullptr ? AnswerButton(*box) : nullptr;
  if (answer != nullptr) {
    answer->click();
  } else {
    modal->close();
  }
}

}  // namespace tervolin::testing
