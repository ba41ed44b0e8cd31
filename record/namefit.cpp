#include "record/namefit.h"

#include <QFontMetricsF>
#include <QStringList>

#include "forms/units.h"

namespace record {

namespace {

constexpr double MinSize = 5.0;   // points: smaller than this nobody reads it
constexpr double SizeStep = 0.5;  // points
constexpr double Edge = 2;        // layout pixels of the tile's raised edge
// Text is measured in the layout's pixels but drawn at the zoom, where its hinted width
// differs a little: a line keeps this share of the tile's width free, so it is never
// wrapped again when drawn.
constexpr double Air = 0.15;

// The name's pieces that may end a line: each word with the blank after it dropped, a
// hyphen staying with the part before it.
QStringList pieces(const QString& name) {
  QStringList result;
  QString piece;
  for (const QChar c : name) {
    if (c == QLatin1Char(' ')) {
      if (!piece.isEmpty()) result << piece + c;
      piece.clear();
    } else {
      piece += c;
      if (c == QLatin1Char('-') || c == QChar(0x2010)) {
        result << piece;
        piece.clear();
      }
    }
  }
  if (!piece.isEmpty()) result << piece;
  return result;
}

// Lines no wider than `width`, filled greedily; a piece wider than a line alone is
// broken between its characters when `breakWords`, else left too wide.
QStringList wrap(const QStringList& parts, const QFontMetricsF& metrics, double width,
                 bool breakWords) {
  QStringList lines;
  QString line;
  auto fits = [&](const QString& text) {
    return metrics.horizontalAdvance(text.trimmed()) <= width;
  };
  for (const QString& part : parts) {
    if (fits(line + part)) {
      line += part;
      continue;
    }
    if (!line.isEmpty()) lines << line.trimmed();
    line.clear();
    if (fits(part) || !breakWords) {
      line = part;
      continue;
    }
    for (const QChar c : part) {
      if (!line.isEmpty() && !fits(line + c)) {
        lines << line.trimmed();
        line.clear();
      }
      line += c;
    }
  }
  if (!line.trimmed().isEmpty()) lines << line.trimmed();
  return lines;
}

bool fitsBox(const QStringList& lines, const QFontMetricsF& metrics, double width, double height) {
  for (const QString& line : lines)
    if (metrics.horizontalAdvance(line) > width) return false;
  return lines.size() * metrics.lineSpacing() <= height;
}

}  // namespace

double captionWidth(int widthTwips) {
  return (forms::layoutPixels(widthTwips) - 2 * Edge) * (1 - Air);
}

double captionHeight(int heightTwips) {
  return (forms::layoutPixels(heightTwips) - 2 * Edge) / 2;
}

FittedName fitName(const QString& name, const forms::Font& font, int width, int height) {
  const double w = captionWidth(width);
  const QStringList parts = pieces(name);
  // First whole words, as large as they fit; then words broken too; then the text may
  // take more of the tile than its half.
  for (const double share : {1.0, 1.5}) {
    for (const bool breakWords : {false, true}) {
      for (double size = font.size; size >= MinSize; size -= SizeStep) {
        forms::Font f = font;
        f.size = size;
        const QFontMetricsF metrics(forms::toQFont(f));
        const QStringList lines = wrap(parts, metrics, w, breakWords);
        if (fitsBox(lines, metrics, w, captionHeight(height) * share))
          return {lines.join(forms::CrLf), f};
      }
    }
  }
  forms::Font smallest = font;
  smallest.size = MinSize;
  return {wrap(parts, QFontMetricsF(forms::toQFont(smallest)), w, true).join(forms::CrLf),
          smallest};
}

}  // namespace record
