#include "forms/units.h"

#include <cmath>

namespace forms {

int toPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

int toTwips(int pixels) {
  return pixels * TwipsPerPixel;
}

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

}  // namespace forms
