#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vorlan::ui {

int UseBuildLanguage(const LanguageData& lang) {
  const QLocale locale(Text(lang.locale));
  QLocale::setDefault(locale);
  if (locale.language() == QLocale::English) return 0;  // Qt's own texts are English

  const QStringList folders = {
      QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")),
      QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
  int installed = 0;
  for (const char* catalogue : {"qtbase", "qtserialport"}) {
    // Owned by the application: it stays installed for the program's life.
    auto* translator = new QTranslator(QCoreApplication::instance());
    bool loaded = false;
    for (const QString& folder : folders) {
      loaded = translator->load(locale, QLatin1String(catalogue), QStringLiteral("_"), folder);
      if (loaded) break;
    }
    if (loaded && QCoreApplication::installTranslator(translator)) {
      ++installed;
    } else {
      delete translator;
    }
  }
  return installed;
}

}  // namespace vorlan::ui
