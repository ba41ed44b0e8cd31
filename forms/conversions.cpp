#include "forms/conversions.h"

#include <QLocale>
#include <cmath>

namespace forms {

QString Str(int value) {
  return QString::number(value);
}

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

}  // namespace forms
