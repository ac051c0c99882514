#include "ui/material_list.h"

#include <QList>
#include <QListWidget>
#include <QString>

#include "data/utf8_text.h"

namespace tervolin::ui {

namespace {

// The name itself, which the entry shows escaped.
constexpr int kNameRole = Qt::UserRole;

// The list entry; long names show whole, with the English name, when the pointer
// rests on them. A name with invisible characters or blanks at an end shows them
// escaped, so that it cannot pass for another material.
void AddEntry(QListWidget& list, const tervolin::ShownMaterial& material) {
  auto* item = new QListWidgetItem(QString::fromStdString(tervolin::EscapedName(material.shown)), &list);
  item->setData(kNameRole, QString::fromStdString(material.key));
  const QString name = QString::fromStdString(tervolin::EscapedName(material.key));
  item->setToolTip(material.alias.empty() ? name : name + " (" + QString::fromStdString(material.alias) + ")");
}

// The list scrolls its current entry into view when it is next shown. Scrolling it now,
// while the screen is hidden, would lay the entries out for a width without the scroll
// bar, and a long name wrapped into more lines would overlap the entry below it.
// With nothing chosen no entry is current either: Qt would otherwise make the first
// current when the list takes the focus, framed as if chosen. An arrow key then
// chooses the first entry.
void Choose(QListWidget& list, const QString& name) {
  for (int row = 0; row < list.count() && !name.isEmpty(); ++row) {
    if (list.item(row)->data(kNameRole).toString() == name) return list.setCurrentItem(list.item(row));
  }
  list.setCurrentIndex(QModelIndex());  // the view's own call, which Qt counts as a choice
}

}  // namespace

QString ChosenMaterial(const QListWidget& list) {
  const QList<QListWidgetItem*> selected = list.selectedItems();
  return selected.isEmpty() ? QString() : selected.first()->data(kNameRole).toString();
}

void ListShownMaterials(QListWidget& list, const std::vector<tervolin::ShownMaterial>& materials) {
  const QString chosen = ChosenMaterial(list);
  list.clear();
  for (const tervolin::ShownMaterial& material : materials) AddEntry(list, material);
  Choose(list, chosen);
}

}  // namespace tervolin::ui
