#include "shell/vb.h"

#include <QLocale>
#include <cmath>

namespace vb {

int toPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

int toTwips(int pixels) { return pixels * TwipsPerPixel; }

QRect toPixels(int left, int top, int width, int height) {
  const int x = toPixels(left);
  const int y = toPixels(top);
  return QRect(x, y, toPixels(left + width) - x, toPixels(top + height) - y);
}

QColor toQColor(quint32 bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

quint32 toBgr(const QColor& color) {
  return static_cast<quint32>(color.red()) | (static_cast<quint32>(color.green()) << 8) |
         (static_cast<quint32>(color.blue()) << 16);
}

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

QFont toQFont(const Font& font) {
  QFont f(availableFamily(font.name));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 96.0 / 72.0))));
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

QString Str(int value) { return QString::number(value); }

namespace {
bool parse(const QString& text, double* value) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return false;
  bool ok = false;
  const double v = QLocale().toDouble(trimmed, &ok);
  if (!ok || !std::isfinite(v)) return false;
  *value = v;
  return true;
}

int saturate(double v) {
  if (v >= 32767.0) return 32767;
  if (v <= -32768.0) return -32768;
  return static_cast<int>(v);
}
}  // namespace

bool IsNumeric(const QString& text) {
  double v = 0;
  return parse(text, &v);
}

double Val(const QString& text) {
  double v = 0;
  return parse(text, &v) ? v : 0.0;
}

int CInt(double value) {
  if (!std::isfinite(value)) return 0;
  return saturate(std::nearbyint(value));
}

int Int(double value) {
  if (!std::isfinite(value)) return 0;
  return saturate(std::floor(value));
}

}  // namespace vb
