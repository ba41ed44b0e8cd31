#include "forms/font.h"

#include <algorithm>
#include <cmath>

namespace forms {

namespace {
// The families the layout names, and the metric-compatible family that stands in for
// them here. Naming it directly spares a fruitless search for every font.
QString availableFamily(const QString& name) {
  if (name.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0 ||
      name.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0 ||
      name.compare(QLatin1String("Microsoft Sans Serif"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Liberation Sans");
  return name;
}
}  // namespace

QFont toQFont(const Font& font, double scale) {
  QFont f(availableFamily(font.name));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 96.0 / 72.0 * scale))));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

void installFontSubstitutions() {
  // Without these Qt falls back to DejaVu Sans, which is much wider than the
  // families the layout was measured with, and texts overflow their labels.
  for (const char* family : {"Arial", "MS Sans Serif", "Microsoft Sans Serif"}) {
    QFont::insertSubstitutions(QString::fromLatin1(family),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
  }
}

}  // namespace forms
