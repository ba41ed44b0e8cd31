#include "forms/pictures.h"

#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <map>
#include <memory>

namespace forms {

struct Picture::Source {
  enum class Kind { Emoji, Svg, Drawn } kind;
  QString key;
  QString text;
  Painter painter;
};

Picture Picture::emoji(const QString& glyphs) {
  Picture p;
  p.m_source = std::make_shared<Source>(Source{Source::Kind::Emoji, "emoji:" + glyphs, glyphs, {}});
  return p;
}

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

namespace {

// One parsed renderer per SVG, kept for the whole run.
QSvgRenderer* svgRenderer(const QString& resource) {
  static std::map<QString, std::unique_ptr<QSvgRenderer>> renderers;
  auto& renderer = renderers[resource];
  if (!renderer) renderer = std::make_unique<QSvgRenderer>(resource);
  return renderer.get();
}

// Colour emoji come as bitmaps of one fixed size. Each glyph is drawn once at that size
// and cropped to its ink; every size it is shown at is scaled from that one drawing.
const QImage& emojiMaster(const QString& sequence) {
  static std::map<QString, QImage> masters;
  auto it = masters.find(sequence);
  if (it != masters.end()) return it->second;
  // The emoji font draws every glyph in emoji presentation; a variation selector would
  // only fall back to another font.
  QString glyphs = sequence;
  glyphs.remove(QChar(0xFE0F));
  QFont font(QStringLiteral("Noto Color Emoji"));
  font.setPixelSize(109);
  const QFontMetrics metrics(font);
  QImage canvas(metrics.horizontalAdvance(glyphs) + 32, metrics.height() + 32,
                QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  {
    QPainter p(&canvas);
    p.setFont(font);
    p.drawText(QPoint(16, 16 + metrics.ascent()), glyphs);
  }
  // Crop to the ink.
  int left = canvas.width(), right = -1, top = canvas.height(), bottom = -1;
  for (int y = 0; y < canvas.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    for (int x = 0; x < canvas.width(); ++x) {
      if (qAlpha(line[x]) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  QImage ink = right < 0 ? QImage() : canvas.copy(left, top, right - left + 1, bottom - top + 1);
  return masters.emplace(sequence, std::move(ink)).first->second;
}

void paintEmoji(QPainter& p, const QString& sequence, const QRectF& box) {
  const QImage& master = emojiMaster(sequence);
  if (master.isNull()) return;
  const qreal scale = std::min(box.width() / master.width(), box.height() / master.height());
  const QSizeF size(master.width() * scale, master.height() * scale);
  const QRectF target(box.center().x() - size.width() / 2, box.center().y() - size.height() / 2,
                      size.width(), size.height());
  // Scaled in one smooth step to the device pixels it covers, so a large reduction stays
  // clean instead of being sampled.
  const qreal ratio = std::max<qreal>(1.0, p.worldTransform().m11());
  QImage scaled = master.scaled((size * ratio).toSize().expandedTo(QSize(1, 1)),
                                Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  scaled.setDevicePixelRatio(ratio);
  p.drawImage(target.topLeft(), scaled);
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

QPixmap Picture::pixmap(QSize size, qreal devicePixelRatio) const {
  if (!m_source || size.isEmpty()) return {};
  auto& cache = renderedCache();
  const QString cacheKey = QStringLiteral("%1|%2x%3|%4")
                               .arg(m_source->key)
                               .arg(size.width())
                               .arg(size.height())
                               .arg(devicePixelRatio);
  if (auto it = cache.constFind(cacheKey); it != cache.constEnd()) return it.value();

  const QSize pixels(std::max(1, static_cast<int>(std::ceil(size.width() * devicePixelRatio))),
                     std::max(1, static_cast<int>(std::ceil(size.height() * devicePixelRatio))));
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
    p.scale(devicePixelRatio, devicePixelRatio);
    const QRectF box(QPointF(0, 0), QSizeF(size));
    switch (m_source->kind) {
      case Source::Kind::Emoji:
        paintEmoji(p, m_source->text, box);
        break;
      case Source::Kind::Svg:
        svgRenderer(m_source->text)->render(&p, box);
        break;
      case Source::Kind::Drawn:
        m_source->painter(p, box);
        break;
    }
  }
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(devicePixelRatio);
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
  const qreal scale = painter.device()->devicePixelRatioF() * painter.worldTransform().m11();
  const QSize size(std::max(1, qRound(fitted.width())), std::max(1, qRound(fitted.height())));
  const QPixmap pixmap = picture.pixmap(size, scale);
  const QPointF topLeft(box.x() + (box.width() - size.width()) / 2.0,
                        box.y() + (box.height() - size.height()) / 2.0);
  painter.drawPixmap(topLeft, pixmap);
}

}  // namespace forms
