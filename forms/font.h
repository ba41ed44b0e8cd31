#pragma once
// Fonts as the layout gives them, and the families that stand in for them here.

#include <QFont>
#include <QString>
#include <QStringList>

namespace forms {

// A font as the layout gives it: family, size in points (9.75, 26.25, ...), weight, slant.
struct Font {
  QString name = QStringLiteral("MS Sans Serif");
  double size = 8.25;
  bool bold = false;
  bool italic = false;
};
// Sizes are laid out for 96 DPI, so points become pixels at 96/72 and high-DPI scaling
// does the rest. "Arial" and "MS Sans Serif" map to metric-compatible families.
// `scale` draws it larger, for controls that are not painted under the zoom (text boxes).
QFont toQFont(const Font& font, double scale = 1.0);
void installFontSubstitutions();

}  // namespace forms
