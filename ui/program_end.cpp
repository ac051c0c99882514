#include "ui/program_end.h"

#include <QApplication>
#include <QWidget>

namespace tervolin::ui {

void EndProgram() {
  for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
  QCoreApplication::exit(0);
}

}  // namespace tervolin::ui
