#include "forms/units.h"

#include <algorithm>
#include <cmath>

namespace forms {

namespace {
double g_zoom = 1.0;
}

double zoom() {
  return g_zoom;
}

void setZoomFactor(double factor) {
  g_zoom = std::clamp(factor, MinZoom, MaxZoom);
}

int toPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * g_zoom / TwipsPerPixel));
}

int layoutPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

int toTwips(int layoutPixels) {
  return layoutPixels * TwipsPerPixel;
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
