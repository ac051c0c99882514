#include "ui/ui_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace tervolin::ui {

namespace {

// The dynamic properties a control keeps its text's id in, and whether it is sized
// to its text.
constexpr const char* kTextIdProperty = "tervolinTextId";
constexpr const char* kSizedProperty = "tervolinSizedToText";

void ShowText(QObject* control, const QString& text) {
  if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(text);
    if (control->property(kSizedProperty).toBool()) label->adjustSize();
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(text);
  } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
    frame->setTitle(text);
  } else if (auto* action = qobject_cast<QAction*>(control)) {
    action->setText(text);
  } else if (auto* window = qobject_cast<QWidget*>(control)) {
    window->setWindowTitle(text);
  }
}

}  // namespace

QString Translated(UiText text) { return qtTrId(text.id); }

void SetUiText(QObject* control, UiText text, bool sizedToText) {
  control->setProperty(kTextIdProperty, QByteArray(text.id));
  control->setProperty(kSizedProperty, sizedToText);
  ShowText(control, Translated(text));
}

QAction* MakeAction(UiText text, QObject* owner) {
  auto* action = new QAction(owner);
  SetUiText(action, text);
  return action;
}

void RetranslateTexts(QWidget& root) {
  QList<QObject*> controls = root.findChildren<QObject*>();
  controls.prepend(&root);
  for (QObject* control : controls) {
    const QVariant id = control->property(kTextIdProperty);
    if (id.isValid()) ShowText(control, Translated(UiText{id.toByteArray().constData()}));
  }
}

}  // namespace tervolin::ui
