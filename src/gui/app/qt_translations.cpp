#include "gui/app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace dlt::gui {

QTranslator* LoadQtTranslations(QCoreApplication& app, const QLocale& locale) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const QLocale& l : {locale, QLocale(QLocale::Chinese, QLocale::China)}) {
    auto* translator = new QTranslator(&app);
    if (translator->load(l, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
      QCoreApplication::installTranslator(translator);
      return translator;
    }
    delete translator;
  }
  return nullptr;
}

}  // namespace dlt::gui
