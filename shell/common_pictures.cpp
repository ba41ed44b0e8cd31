#include "shell/common_pictures.h"

namespace pictures {

Picture stop() {
  return Picture::svg(QStringLiteral(":/assets/common/stop.svg")).named(QStringLiteral("stop"));
}
Picture start() { return Picture::emoji(QStringLiteral("\U0001F680")); }
Picture car() { return Picture::svg(QStringLiteral(":/assets/common/car.svg")); }
Picture wizard() { return Picture::emoji(QStringLiteral("\U0001F9D9\u200D\u2642\uFE0F")); }
Picture logo() { return Picture::svg(QStringLiteral(":/assets/common/logo.svg")); }
QString logoTooltip() { return QStringLiteral("Splitsen - vrij te delen oefenprogramma"); }

}  // namespace pictures
