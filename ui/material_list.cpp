#include "ui/material_list.h"

#include <QList>
#include <QListWidget>
#include <QString>

#include "data/material_catalogue.h"
#include "ui/data_folder.h"

namespace tervolin::ui {

namespace {

// The list entry; long names show whole, with the English name, when the pointer
// rests on them.
void AddEntry(QListWidget& list, const tervolin::MaterialEntry& material) {
  auto* item = new QListWidgetItem(QString::fromStdString(material.name), &list);
  item->setToolTip(material.alias.empty() ? item->text()
                                          : item->text() + " (" + QString::fromStdString(material.alias) + ")");
}

// The list scrolls its current entry into view when it is next shown. Scrolling it now,
// while the screen is hidden, would lay the entries out for a width without the scroll
// bar, and a long name wrapped into more lines would overlap the entry below it.
// With nothing chosen no entry is current either: Qt would otherwise make the first
// current when the list takes the focus, framed as if chosen. An arrow key then
// chooses the first entry.
void Choose(QListWidget& list, const QString& name) {
  const QList<QListWidgetItem*> found = list.findItems(name, Qt::MatchExactly);
  if (name.isEmpty() || found.isEmpty()) {
    list.setCurrentIndex(QModelIndex());  // the view's own call, which Qt counts as a choice
  } else {
    list.setCurrentItem(found.first());
  }
}

}  // namespace

QString ChosenMaterial(const QListWidget& list) {
  const QList<QListWidgetItem*> selected = list.selectedItems();
  return selected.isEmpty() ? QString() : selected.first()->text();
}

void ListDataFolderMaterials(QListWidget& list) {
  const QString chosen = ChosenMaterial(list);
  list.clear();
  for (const tervolin::MaterialEntry& material : tervolin::ListMaterials(DataFolder())) AddEntry(list, material);
  Choose(list, chosen);
}

}  // namespace tervolin::ui
