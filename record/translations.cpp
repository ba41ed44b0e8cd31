#include "record/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace record {

bool installDutchTranslations() {
  static QTranslator* translator = nullptr;
  if (translator) return true;
  auto* candidate = new QTranslator(QCoreApplication::instance());
  if (!candidate->load(QStringLiteral("qtbase_nl"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(candidate)) {
    delete candidate;
    return false;
  }
  translator = candidate;
  return true;
}

}  // namespace record
