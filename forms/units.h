#pragma once
// Units and colours of the form model: how twips and 0x00BBGGRR colours map onto Qt.

#include <QColor>
#include <QRect>
#include <QString>

#include "forms/palette.h"

namespace forms {

// Positions and sizes are in twips: 1440 per inch, 15 per pixel of the layout. On screen
// the whole program is drawn at one zoom factor: a layout pixel is `zoom()`
// device-independent pixels (which the platform may scale further for HiDPI).
inline constexpr int TwipsPerPixel = 15;
inline constexpr double MinZoom = 0.5;
inline constexpr double MaxZoom = 4.0;

double zoom();
// Only the program's zoom control sets it; it re-lays out every screen after.
void setZoomFactor(double factor);

// Twips to on-screen pixels at the current zoom.
int toPixels(int twips);
// A twips rectangle on screen at the current zoom; edges are rounded, so adjacent
// controls stay adjacent.
QRect toPixels(int left, int top, int width, int height);
// Twips to pixels of the layout (zoom 1), the unit paint code works in.
int layoutPixels(int twips);
int toTwips(int layoutPixels);

// Colours are 0x00BBGGRR: red in the low byte, blue in bits 16-23.
QColor toQColor(quint32 bgr);
quint32 toBgr(const QColor& color);

// Line break inside captions.
inline const QString CrLf = QStringLiteral("\r\n");

}  // namespace forms
