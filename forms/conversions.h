#pragma once
// The conversions between numbers and texts that the screens use.

#include <QString>

namespace forms {

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

}  // namespace forms
