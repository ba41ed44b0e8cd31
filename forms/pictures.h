#pragma once
// Pictures of the screens. Each is drawn by the program itself (its own SVG, a painter
// function, or a glyph of the colour emoji font), at the size and pixel density it is
// shown at, and cached: it is rendered once, not on every show or paint.

#include <QPixmap>
#include <QString>
#include <functional>
#include <memory>

class QPainter;
class QRectF;

namespace forms {

class Picture {
 public:
  using Painter = std::function<void(QPainter&, const QRectF&)>;

  Picture() = default;
  // A glyph of the colour emoji font, drawn as large as fits, centred.
  static Picture emoji(const QString& glyphs);
  // An SVG file among the program's resources (":/assets/...").
  static Picture svg(const QString& resource);
  // A picture drawn by code; `key` names it in the cache.
  static Picture drawn(const QString& key, Painter painter);

  bool isNull() const { return !m_source; }
  QString key() const;
  // The picture fitted into a box of `size` device-independent pixels, keeping its
  // aspect ratio, at `devicePixelRatio`.
  QPixmap pixmap(QSize size, qreal devicePixelRatio) const;
  // The picture's own aspect ratio (width / height); 1 for glyphs.
  qreal aspectRatio() const;

  // Forgets every rendered picture (after a zoom change); the count of those kept.
  static void clearCache();
  static int cacheSize();

 private:
  struct Source;
  std::shared_ptr<const Source> m_source;
};

// Paints `picture` centred in `box` (keeping its aspect ratio), from the cache.
void paintPicture(QPainter& painter, const Picture& picture, const QRectF& box);

}  // namespace forms
