#include "app/identity.h"

#include <QCoreApplication>

void setApplicationIdentity() {
  // Both "splitsen": the record in ~/.local/share/splitsen/splitsen/, the preferences in
  // ~/.config/splitsen/splitsen.conf.
  QCoreApplication::setOrganizationName(QStringLiteral("splitsen"));
  QCoreApplication::setApplicationName(QStringLiteral("splitsen"));
  QCoreApplication::setApplicationVersion(QStringLiteral(SPLITSEN_VERSION));
}
