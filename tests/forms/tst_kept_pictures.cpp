// Pictures kept on disk: a later start reads what an earlier one rendered, and anything
// in the folder that is not such a rendering is rendered anew.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "forms/pictures.h"

using forms::Picture;

class KeptPicturesTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_dir;
  QString m_svg = m_dir.filePath(QStringLiteral("sun.svg"));
  QString m_kept = m_dir.filePath(QStringLiteral("kept"));

  // The picture in a box of `width` by 40 pixels at zoom 1.5, as a screen paints it, after
  // a start that remembers nothing.
  QImage painted(int width = 60) {
    Picture::clearCache();
    QImage image(120, 80, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(1.5, 1.5);
    forms::paintPicture(p, Picture::svg(m_svg), QRectF(4, 6, width, 40));
    return image;
  }
  QFileInfoList keptFiles() const {
    return QDir(m_kept).entryInfoList({QStringLiteral("*.pic")}, QDir::Files, QDir::Time);
  }

 private Q_SLOTS:
  void initTestCase() {
    QFile svg(m_svg);
    QVERIFY(svg.open(QIODevice::WriteOnly));
    svg.write(
        "<svg xmlns='http://www.w3.org/2000/svg' width='30' height='20'>"
        "<rect width='30' height='20' fill='#2040c0'/>"
        "<circle cx='15' cy='10' r='8' fill='#f0c000'/></svg>");
  }
  void init() {
    QDir(m_kept).removeRecursively();
    Picture::keepOnDisk(m_kept, Picture::DefaultDiskBytes);
  }
  void cleanupTestCase() { Picture::keepOnDisk(QString(), 0); }

  void a_later_start_reads_the_rendered_picture() {
    Picture::keepOnDisk(QString(), 0);
    const QImage rendered = painted();
    Picture::keepOnDisk(m_kept, Picture::DefaultDiskBytes);
    QCOMPARE(painted(), rendered);  // rendered, and kept
    QCOMPARE(keptFiles().size(), 1);
    QCOMPARE(painted(), rendered);  // read back
    QCOMPARE(keptFiles().size(), 1);

    // What a later start shows is the file's pixels, not a new rendering.
    QFile file(keptFiles().value(0).filePath());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek(file.size() / 2));
    file.write(QByteArray(64, '\0'));
    file.close();
    QVERIFY(painted() != rendered);

    // A folder that cannot be written only costs the rendering.
    Picture::keepOnDisk(QStringLiteral("/proc/splitsen-no-such-folder"), Picture::DefaultDiskBytes);
    QCOMPARE(painted(), rendered);
  }

  // Whatever lies in the folder, the child sees the picture, and a good file replaces it.
  void a_damaged_file_is_rendered_anew_data() {
    QTest::addColumn<QByteArray>("content");  // empty: the good file cut short
    QTest::newRow("cut short") << QByteArray();
    QTest::newRow("header only") << QByteArray("SPLPIC1\0", 8) + QByteArray(24, '\0');
    QTest::newRow("huge") << QByteArray("SPLPIC1\0", 8) + QByteArray(24, '\x7f');
    QTest::newRow("not ours") << QByteArray(5000, 'x');
  }
  void a_damaged_file_is_rendered_anew() {
    QFETCH(QByteArray, content);
    const QImage rendered = painted();
    const QFileInfo kept = keptFiles().value(0);
    QFile file(kept.filePath());
    if (content.isEmpty()) {
      QVERIFY(file.resize(kept.size() - 10));
    } else {
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(content);
      file.close();
    }
    QCOMPARE(painted(), rendered);
    QCOMPARE(QFileInfo(kept.filePath()).size(), kept.size());
  }

  // Each start trims the folder once, the least recently used renderings going first.
  void the_folder_stays_under_its_limit() {
    painted(30);
    const qint64 newest = keptFiles().value(0).size();
    QDir(m_kept).removeRecursively();
    painted(60);
    const qint64 used = keptFiles().value(0).size();
    painted(50);
    painted(40);
    Picture::keepOnDisk(m_kept, used + newest);  // the next start
    QTest::qWait(20);
    painted(60);  // read: used again
    painted(30);  // written: the folder is trimmed
    QCOMPARE(keptFiles().size(), 2);
    QCOMPARE(keptFiles().value(0).size() + keptFiles().value(1).size(), used + newest);
  }
};

QTEST_MAIN(KeptPicturesTest)
#include "tst_kept_pictures.moc"
