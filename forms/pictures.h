#pragma once
// Pictures of the screens. Each is drawn by the program itself (its own SVG or a painter
// function) at the size and pixel density it is shown at, and cached: it is rendered
// once per zoom, not on every show or paint.

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
  // An SVG file among the program's resources (":/assets/...").
  static Picture svg(const QString& resource);
  // A picture drawn by code; `key` names it in the cache.
  static Picture drawn(const QString& key, Painter painter);

  bool isNull() const { return !m_source; }
  QString key() const;
  // What the picture shows, in the program's words, for a picture that means the same
  // on every screen ("stop"); empty for the others.
  Picture named(const QString& name) const;
  QString name() const { return m_name; }
  // The picture fitted into a box of `size` pixels, keeping its aspect ratio, rendered
  // with `scale` device pixels per pixel; the pixmap itself says `deviceRatio`, the
  // device's own ratio, so that it is put down pixel for pixel.
  QPixmap pixmap(QSize size, qreal scale, qreal deviceRatio = 1.0) const;
  // The picture's own aspect ratio (width / height); 1 for drawn ones.
  qreal aspectRatio() const;

  // Forgets every rendered picture (after a zoom change); the count of those kept.
  static void clearCache();
  static int cacheSize();
  // Also keeps the pictures the screens paint in `folder`, at most `maxBytes` of them, so
  // that a later start finds them rendered; without a folder, nothing is kept on disk.
  static void keepOnDisk(const QString& folder, qint64 maxBytes);
  // The same in the user's cache folder.
  static void keepOnDisk();
  static constexpr qint64 DefaultDiskBytes = 64 * 1024 * 1024;

  struct Source;

 private:
  friend void paintPicture(QPainter&, const Picture&, const QRectF&);
  std::shared_ptr<const Source> m_source;
  QString m_name;
};

// Paints `picture` centred in `box` (keeping its aspect ratio), from the cache.
void paintPicture(QPainter& painter, const Picture& picture, const QRectF& box);

}  // namespace forms
