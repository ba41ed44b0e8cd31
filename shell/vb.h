#pragma once
// Units, colours and conversions of the form model: the one place that knows how
// twips, 0x00BBGGRR colours, point sizes and numeric texts map onto Qt.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

namespace vb {

// Positions and sizes are in twips: 1440 per inch, 15 per device-independent pixel.
inline constexpr int TwipsPerPixel = 15;

int toPixels(int twips);
int toTwips(int pixels);
// A twips rectangle in pixels; edges are rounded, so adjacent controls stay adjacent.
QRect toPixels(int left, int top, int width, int height);

// Colours are 0x00BBGGRR: red in the low byte, blue in bits 16-23.
QColor toQColor(quint32 bgr);
quint32 toBgr(const QColor& color);

// Common colour values.
inline constexpr quint32 Black = 0x00000000;
inline constexpr quint32 White = 0x00FFFFFF;
inline constexpr quint32 Red = 0x000000FF;
inline constexpr quint32 Green = 0x0000FF00;
inline constexpr quint32 Yellow = 0x0000FFFF;
inline constexpr quint32 Blue = 0x00FF0000;
inline constexpr quint32 ButtonFace = 0x00F0F0F0;

// Line break inside captions.
inline const QString CrLf = QStringLiteral("\r\n");

// A font as the layout gives it: family, size in points (9.75, 26.25, ...), weight, slant.
struct Font {
  QString name = QStringLiteral("MS Sans Serif");
  double size = 8.25;
  bool bold = false;
  bool italic = false;
};
// Sizes are laid out for 96 DPI, so points become pixels at 96/72 and high-DPI scaling
// does the rest. "Arial" and "MS Sans Serif" map to metric-compatible families.
QFont toQFont(const Font& font);
void installFontSubstitutions();

// Integer to text: decimal digits, a leading minus for negatives, no leading blank.
QString Str(int value);

// Text to number: numeric when the whole text, blanks around it allowed, parses as a
// finite number in the user's locale. Any text of any length is safe to pass.
bool IsNumeric(const QString& text);
// The value of a numeric text; 0 for a text that is not numeric.
double Val(const QString& text);

// Conversion of a floating value to a 16-bit integer: nearest, halves to even; values
// beyond the 16-bit range saturate instead of overflowing.
int CInt(double value);
// Integer part (rounds down), saturating like CInt.
int Int(double value);

}  // namespace vb
