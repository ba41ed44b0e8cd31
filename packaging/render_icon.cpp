// Renders the scalable icon as square PNG files, one per size:
//   splitsen_render_icon <icon.svg> <output folder> <size>...
// writes <output folder>/<size>x<size>/splitsen.png.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s <icon.svg> <output folder> <size>...\n", argv[0]);
    return 2;
  }
  QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
  if (!renderer.isValid()) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  const QDir output(QString::fromLocal8Bit(argv[2]));
  for (int i = 3; i < argc; ++i) {
    bool ok = false;
    const int size = QString::fromLatin1(argv[i]).toInt(&ok);
    if (!ok || size < 1 || size > 1024) {
      std::fprintf(stderr, "not a size: %s\n", argv[i]);
      return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
      renderer.render(&painter, QRectF(0, 0, size, size));
    }
    const QString folder = QStringLiteral("%1x%1").arg(size);
    const QString file = output.filePath(folder + QStringLiteral("/splitsen.png"));
    if (!output.mkpath(folder) || !image.save(file, "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
