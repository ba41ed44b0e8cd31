#include "forms/pictures.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <map>
#include <memory>

namespace forms {

struct Picture::Source {
  enum class Kind { Svg, Drawn } kind;
  QString key;
  QString text;
  Painter painter;
};

Picture Picture::svg(const QString& resource) {
  Picture p;
  p.m_source = std::make_shared<Source>(Source{Source::Kind::Svg, "svg:" + resource, resource, {}});
  return p;
}

Picture Picture::drawn(const QString& key, Painter painter) {
  Picture p;
  p.m_source = std::make_shared<Source>(
      Source{Source::Kind::Drawn, "drawn:" + key, QString(), std::move(painter)});
  return p;
}

QString Picture::key() const {
  return m_source ? m_source->key : QString();
}

Picture Picture::named(const QString& name) const {
  Picture p = *this;
  p.m_name = name;
  return p;
}

namespace {

// One parsed renderer per SVG, kept for the whole run.
QSvgRenderer* svgRenderer(const QString& resource) {
  static std::map<QString, std::unique_ptr<QSvgRenderer>> renderers;
  auto& renderer = renderers[resource];
  if (!renderer) renderer = std::make_unique<QSvgRenderer>(resource);
  return renderer.get();
}

}  // namespace

qreal Picture::aspectRatio() const {
  if (!m_source) return 1.0;
  if (m_source->kind == Source::Kind::Svg) {
    const QSizeF size = svgRenderer(m_source->text)->defaultSize();
    if (size.height() > 0) return size.width() / size.height();
  }
  return 1.0;
}

namespace {
// Rendered pictures by source, size and pixel ratio. Emptied when the zoom changes, so
// it holds only what the zoom in use needs.
QHash<QString, QPixmap>& renderedCache() {
  static QHash<QString, QPixmap> cache;
  return cache;
}
}  // namespace

void Picture::clearCache() {
  renderedCache().clear();
}

int Picture::cacheSize() {
  return static_cast<int>(renderedCache().size());
}

QPixmap Picture::pixmap(QSize size, qreal scale, qreal deviceRatio) const {
  if (!m_source || size.isEmpty()) return {};
  auto& cache = renderedCache();
  const QString cacheKey = QStringLiteral("%1|%2x%3|%4|%5")
                               .arg(m_source->key)
                               .arg(size.width())
                               .arg(size.height())
                               .arg(scale)
                               .arg(deviceRatio);
  if (auto it = cache.constFind(cacheKey); it != cache.constEnd()) return it.value();

  const QSize pixels(std::max(1, static_cast<int>(std::ceil(size.width() * scale))),
                     std::max(1, static_cast<int>(std::ceil(size.height() * scale))));
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    const QRectF box(QPointF(0, 0), QSizeF(size));
    switch (m_source->kind) {
      case Source::Kind::Svg:
        svgRenderer(m_source->text)->render(&p, box);
        break;
      case Source::Kind::Drawn:
        m_source->painter(p, box);
        break;
    }
  }
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(deviceRatio);
  cache.insert(cacheKey, pixmap);
  return pixmap;
}

void paintPicture(QPainter& painter, const Picture& picture, const QRectF& box) {
  if (picture.isNull() || box.isEmpty()) return;
  const qreal ratio = picture.aspectRatio();
  QSizeF fitted = box.size();
  if (fitted.width() / fitted.height() > ratio)
    fitted.setWidth(fitted.height() * ratio);
  else
    fitted.setHeight(fitted.width() / ratio);
  // Rendered for the pixels it covers on the device: the painter's own scale (the zoom)
  // times the device's pixel ratio, so no picture is ever enlarged from a smaller one.
  const QTransform world = painter.worldTransform();
  const qreal deviceRatio = painter.device()->devicePixelRatioF();
  const QSize size(std::max(1, qRound(fitted.width())), std::max(1, qRound(fitted.height())));
  const QPixmap pixmap = picture.pixmap(size, deviceRatio * world.m11(), deviceRatio);
  const QPointF topLeft = world.map(QPointF(box.x() + (box.width() - size.width()) / 2.0,
                                            box.y() + (box.height() - size.height()) / 2.0));
  // Put down at a whole device pixel without the zoom's scale: a plain copy of the
  // rendered pixels, where a scaled or shifted one would be resampled on every paint.
  painter.save();
  painter.resetTransform();
  painter.drawPixmap(QPointF(std::round(topLeft.x() * deviceRatio) / deviceRatio,
                             std::round(topLeft.y() * deviceRatio) / deviceRatio),
                     pixmap);
  painter.restore();
}

}  // namespace forms
