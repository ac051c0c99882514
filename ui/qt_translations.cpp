#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "ui/screens.h"

namespace tervolin::ui {

namespace {

// Where the choice made on the start screen is kept between runs (QSettings: on
// Linux ~/.config/tervolin/tervolin.conf, under $XDG_CONFIG_HOME when that is set).
const QString kSettingsOwner = QStringLiteral("tervolin");
const QString kLanguageKey = QStringLiteral("language");

bool Install(const QString& name, const QString& folder) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  translator->setObjectName(name);
  if (translator->load(name, folder) && QCoreApplication::installTranslator(translator)) return true;
  delete translator;
  return false;
}

void RemoveTranslators() {
  QCoreApplication* application = QCoreApplication::instance();
  for (QTranslator* translator : application->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
}

}  // namespace

bool InstallLanguage(tervolin::Language language) {
  const QString code = QString::fromLatin1(tervolin::LanguageCode(language));
  RemoveTranslators();
  // Qt's names of file types (the file dialog's "種類") follow the locale.
  QLocale::setDefault(QLocale(code));
  Install(QStringLiteral("tervolin_") + code, QStringLiteral(":/i18n"));
  return Install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool InstallQtTranslations() { return InstallLanguage(tervolin::Language::kJapanese); }

tervolin::Language StartLanguage() {
  const QSettings settings(kSettingsOwner, kSettingsOwner);
  const QString saved = settings.value(kLanguageKey).toString();
  if (const auto chosen = tervolin::LanguageOfCode(saved.toStdString()); chosen && !saved.isEmpty()) return *chosen;
  return tervolin::LanguageOfProcessEnvironment();
}

void SwitchLanguage(Screens& screens, tervolin::Language language) {
  screens.Bench().ChooseLanguage(language);
  InstallLanguage(language);
  QSettings settings(kSettingsOwner, kSettingsOwner);
  settings.setValue(kLanguageKey, QString::fromLatin1(tervolin::LanguageCode(language)));
}

}  // namespace tervolin::ui
