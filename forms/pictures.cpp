#include "forms/pictures.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <optional>

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

// Renders a picture into a box of `size` pixels at `scale` device pixels per pixel.
QImage render(const Picture::Source& source, QSize size, qreal scale) {
  const QSize pixels(std::max(1, static_cast<int>(std::ceil(size.width() * scale))),
                     std::max(1, static_cast<int>(std::ceil(size.height() * scale))));
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
  p.scale(scale, scale);
  const QRectF box(QPointF(0, 0), QSizeF(size));
  switch (source.kind) {
    case Picture::Source::Kind::Svg:
      svgRenderer(source.text)->render(&p, box);
      break;
    case Picture::Source::Kind::Drawn:
      source.painter(p, box);
      break;
  }
  return image;
}

// Rendered pictures by source, size and pixel ratio. Emptied when the zoom changes, so
// it holds only what the zoom in use needs.
QHash<QString, QPixmap>& renderedCache() {
  static QHash<QString, QPixmap> cache;
  return cache;
}

// A picture as painted in a box: its pixels, and the size it was fitted to.
struct Fitted {
  QImage image;
  QSize size;
};

// The same for the boxes the screens paint, by source, box and scales.
QHash<QString, Fitted>& fittedCache() {
  static QHash<QString, Fitted> cache;
  return cache;
}

// ---- Rendered pictures kept on disk, so that a later start draws its first screen
// without rendering it again. A file is a small header, then the pixels as they are in
// memory; it is mapped, not read. Anything that does not look exactly like one is
// rendered anew and written again.

struct DiskHeader {
  char magic[8];
  qint32 width, height, bytesPerLine, fittedWidth, fittedHeight, reserved;
};
constexpr char DiskMagic[8] = {'S', 'P', 'L', 'P', 'I', 'C', '1', '\0'};
constexpr int DiskLimit = 8192;  // pixels on a side; a header beyond it is not ours

struct Disk {
  QString folder;  // empty: nothing is kept on disk
  qint64 maxBytes = 0;
  bool trimmed = false;
};

Disk& disk() {
  static Disk d;
  return d;
}

// The file of a rendering: named after everything it depends on, the SVG text included,
// so that a changed picture never finds an old rendering.
QString diskFile(const QString& memoryKey, const QString& resource) {
  QCryptographicHash hash(QCryptographicHash::Sha1);
  hash.addData(memoryKey.toUtf8());
  const QResource svg(resource);
  hash.addData(QByteArrayView(reinterpret_cast<const char*>(svg.data()), svg.size()));
  return disk().folder + QLatin1Char('/') + QLatin1String(hash.result().toHex()) +
         QStringLiteral(".pic");
}

std::optional<Fitted> readFromDisk(const QString& path, qreal deviceRatio) {
  auto file = std::make_unique<QFile>(path);
  if (!file->open(QIODevice::ReadOnly)) return std::nullopt;
  DiskHeader h{};
  const bool good = file->read(reinterpret_cast<char*>(&h), sizeof h) == sizeof h &&
                    std::memcmp(h.magic, DiskMagic, sizeof DiskMagic) == 0 && h.width > 0 &&
                    h.height > 0 && h.width <= DiskLimit && h.height <= DiskLimit &&
                    h.bytesPerLine == h.width * 4 && h.fittedWidth > 0 && h.fittedHeight > 0 &&
                    file->size() == qint64(sizeof h) + qint64(h.bytesPerLine) * h.height;
  const uchar* pixels = good ? file->map(sizeof h, file->size() - qint64(sizeof h)) : nullptr;
  if (!pixels) {
    file.reset();
    QFile::remove(path);
    return std::nullopt;
  }
  // Used recently: the trimming keeps it.
  ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), nullptr, 0);
  // The mapping lives as long as the image; the file is closed with it.
  QImage image(
      pixels, h.width, h.height, h.bytesPerLine, QImage::Format_ARGB32_Premultiplied,
      [](void* f) { delete static_cast<QFile*>(f); }, file.release());
  image.setDevicePixelRatio(deviceRatio);
  return Fitted{image, QSize(h.fittedWidth, h.fittedHeight)};
}

// Keeps the folder under its limit, the least recently used renderings going first.
void trimDisk() {
  QDir dir(disk().folder);
  const QFileInfoList files =
      dir.entryInfoList({QStringLiteral("*.pic")}, QDir::Files, QDir::Time | QDir::Reversed);
  qint64 total = 0;
  for (const QFileInfo& f : files) total += f.size();
  for (const QFileInfo& f : files) {
    if (total <= disk().maxBytes) break;
    if (QFile::remove(f.filePath())) total -= f.size();
  }
}

void writeToDisk(const QString& path, const Fitted& fitted) {
  const QImage& image = fitted.image;
  if (!QDir().mkpath(disk().folder)) return;
  DiskHeader h{};
  std::memcpy(h.magic, DiskMagic, sizeof DiskMagic);
  h.width = image.width();
  h.height = image.height();
  h.bytesPerLine = static_cast<qint32>(image.bytesPerLine());
  h.fittedWidth = fitted.size.width();
  h.fittedHeight = fitted.size.height();
  // Written aside and renamed into place: another program never maps half a file.
  const QString written = path + QStringLiteral(".%1").arg(QCoreApplication::applicationPid());
  QFile file(written);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(reinterpret_cast<const char*>(&h), sizeof h) != qint64(sizeof h) ||
      file.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) !=
          image.sizeInBytes() ||
      !file.flush()) {
    file.remove();
    return;
  }
  file.close();
  if (std::rename(QFile::encodeName(written).constData(), QFile::encodeName(path).constData()) !=
      0) {
    QFile::remove(written);
    return;
  }
  if (!disk().trimmed) {
    disk().trimmed = true;
    trimDisk();
  }
}

}  // namespace

void Picture::keepOnDisk(const QString& folder, qint64 maxBytes) {
  disk() = Disk{folder, maxBytes, false};
}

void Picture::keepOnDisk() {
  // Without a home there is no cache folder, and nothing is kept.
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  keepOnDisk(cache.isEmpty() ? QString() : cache + QStringLiteral("/pictures"), DefaultDiskBytes);
}

void Picture::clearCache() {
  renderedCache().clear();
  fittedCache().clear();
}

int Picture::cacheSize() {
  return static_cast<int>(renderedCache().size() + fittedCache().size());
}

namespace {

// A picture as a box of the screens needs it: from memory, from disk, or rendered (and
// then kept in both). `fit` gives the size it is rendered at, when it must be.
const Fitted& fittedOnce(const Picture::Source& source, const QString& key, qreal scale,
                         qreal deviceRatio, const std::function<QSize()>& fit) {
  auto& cache = fittedCache();
  auto it = cache.constFind(key);
  if (it != cache.constEnd()) return *it;
  const bool onDisk = !disk().folder.isEmpty() && source.kind == Picture::Source::Kind::Svg;
  const QString file = onDisk ? diskFile(key, source.text) : QString();
  std::optional<Fitted> fitted = onDisk ? readFromDisk(file, deviceRatio) : std::nullopt;
  if (!fitted) {
    const QSize size = fit();
    fitted = Fitted{render(source, size, scale), size};
    fitted->image.setDevicePixelRatio(deviceRatio);
    if (onDisk) writeToDisk(file, *fitted);
  }
  return *cache.insert(key, *fitted);
}

QString keyOf(const Picture::Source& source, QSizeF box, qreal scale, qreal deviceRatio) {
  return QStringLiteral("%1|%2x%3|%4|%5")
      .arg(source.key)
      .arg(box.width(), 0, 'f', 2)
      .arg(box.height(), 0, 'f', 2)
      .arg(scale)
      .arg(deviceRatio);
}

}  // namespace

QPixmap Picture::pixmap(QSize size, qreal scale, qreal deviceRatio) const {
  if (!m_source || size.isEmpty()) return {};
  auto& cache = renderedCache();
  const QString key = keyOf(*m_source, size, scale, deviceRatio);
  if (auto it = cache.constFind(key); it != cache.constEnd()) return it.value();
  const Fitted& fitted = fittedOnce(*m_source, key, scale, deviceRatio, [size] { return size; });
  return *cache.insert(key, QPixmap::fromImage(fitted.image));
}

void paintPicture(QPainter& painter, const Picture& picture, const QRectF& box) {
  if (picture.isNull() || box.isEmpty()) return;
  // Rendered for the pixels it covers on the device: the painter's own scale (the zoom)
  // times the device's pixel ratio, so no picture is ever enlarged from a smaller one.
  const QTransform world = painter.worldTransform();
  const qreal deviceRatio = painter.device()->devicePixelRatioF();
  const qreal scale = deviceRatio * world.m11();
  const Picture::Source& source = *picture.m_source;
  const QString key = QStringLiteral("fit|") + keyOf(source, box.size(), scale, deviceRatio);
  const Fitted& fitted = fittedOnce(source, key, scale, deviceRatio, [&] {
    const qreal ratio = picture.aspectRatio();
    QSizeF size = box.size();
    if (size.width() / size.height() > ratio)
      size.setWidth(size.height() * ratio);
    else
      size.setHeight(size.width() / ratio);
    return QSize(std::max(1, qRound(size.width())), std::max(1, qRound(size.height())));
  });
  const QSize size = fitted.size;
  const QPointF topLeft = world.map(QPointF(box.x() + (box.width() - size.width()) / 2.0,
                                            box.y() + (box.height() - size.height()) / 2.0));
  // Put down at a whole device pixel without the zoom's scale: a plain copy of the
  // rendered pixels, where a scaled or shifted one would be resampled on every paint.
  // In bands of a few lines: Qt hands a taller blend to its painting threads, and waking
  // them (starting them, at the first screen) costs more than copying a picture does.
  constexpr int Band = 64;
  const QImage& image = fitted.image;
  const QPointF at(std::round(topLeft.x() * deviceRatio) / deviceRatio,
                   std::round(topLeft.y() * deviceRatio) / deviceRatio);
  painter.save();
  painter.resetTransform();
  for (int y = 0; y < image.height(); y += Band)
    painter.drawImage(at + QPointF(0, y / deviceRatio), image,
                      QRect(0, y, image.width(), std::min(Band, image.height() - y)));
  painter.restore();
}

}  // namespace forms
