#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tervolin::ui {

bool InstallQtTranslations() {
  // Qt's Japanese names of file types (the file dialog's "種類") follow the locale.
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
  QCoreApplication* application = QCoreApplication::instance();
  const QString name = QStringLiteral("qtbase_ja");
  if (application->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly) != nullptr) return true;
  auto* translator = new QTranslator(application);
  translator->setObjectName(name);
  if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(translator)) {
    return true;
  }
  delete translator;
  return false;
}

}  // namespace tervolin::ui
