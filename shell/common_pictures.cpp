#include "shell/common_pictures.h"

namespace pictures {

Picture stop() {
  return Picture::svg(QStringLiteral(":/assets/common/stop.svg")).named(QStringLiteral("stop"));
}
Picture start() {
  return Picture::svg(QStringLiteral(":/assets/common/raket.svg"));
}
Picture car() {
  return Picture::svg(QStringLiteral(":/assets/common/car.svg"));
}
Picture wizard() {
  return Picture::svg(QStringLiteral(":/assets/common/tovenaar.svg"));
}
Picture logo() {
  return Picture::svg(QStringLiteral(":/assets/common/logo.svg"));
}
QString logoTooltip() {
  return QStringLiteral("Splitsen - vrij te delen oefenprogramma");
}

}  // namespace pictures
