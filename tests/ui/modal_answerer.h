#pragma once
// Answers the modal boxes a test triggers: every 20 ms it looks for the active modal
// widget, records what it shows and presses OK (or closes it when it has none), so a
// test can call code that runs a modal loop and check the boxes afterwards.

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace tervolin::testing {

struct AnsweredBox {
  QString title;
  QString text;  // QMessageBox::text(); empty for other dialogs
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QList<QMessageBox::StandardButton> buttons;  // in the box's order
  QStringList buttonTexts;
  Qt::WindowModality modality = Qt::NonModal;
};

class ModalAnswerer : public QObject {
  Q_OBJECT

 public:
  explicit ModalAnswerer(QObject* parent = nullptr);

  const QList<AnsweredBox>& Answered() const { return answered_; }
  void Clear() { answered_.clear(); }

 private slots:
  void Poll();

 private:
  QTimer timer_;
  QList<AnsweredBox> answered_;
};

}  // namespace tervolin::testing
