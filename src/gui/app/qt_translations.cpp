#include "gui/app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace dlt::gui {

QTranslator* LoadQtTranslations(QCoreApplication& app, const QLocale& locale) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  // Every window speaks Chinese: a Chinese system's own variant (繁體 on a
  // zh_TW system), else Simplified Chinese, never English buttons beside it.
  const QLocale simplified(QLocale::Chinese, QLocale::China);
  const QLocale chosen = locale.language() == QLocale::Chinese ? locale : simplified;
  for (const QLocale& l : {chosen, simplified}) {
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
