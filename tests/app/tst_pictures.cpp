// The program's pictures: every control on every screen shows one of the program's own
// drawings that loads, and every drawing renders sharp, undistorted and inside its frame
// at the sizes a zoomed classroom screen asks for.

#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include "app/all_screens.h"
#include "tests/support/every_screen.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

// Why `picture` on `owner` cannot be shown, or an empty text when it can.
QString problem(const QObject* owner, const Picture& picture) {
  const QVariant index = owner->property("Index");
  const QString control = owner->objectName() +
                          (index.isValid() ? QStringLiteral("(%1)").arg(index.toInt()) : QString());
  const QString key = picture.key();
  if (key.startsWith(QLatin1String("drawn:"))) return {};
  if (!key.startsWith(QLatin1String("svg:")))
    return control + QStringLiteral(" shows ") + key + QStringLiteral(", not a drawing");
  if (!QSvgRenderer(key.mid(4)).isValid())
    return control + QStringLiteral(": ") + key.mid(4) + QStringLiteral(" does not load");
  return {};
}

// `svg` drawn `height` pixels high, with `margin` (a fraction of each side) of room
// around its frame.
QImage render(QSvgRenderer& svg, int height, qreal margin = 0) {
  const QRectF frame = svg.viewBoxF();
  const QRectF room = frame.adjusted(-margin * frame.width(), -margin * frame.height(),
                                     margin * frame.width(), margin * frame.height());
  const qreal scale = height / frame.height();
  QImage image((room.size() * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  svg.setViewBox(room);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  svg.render(&p);
  p.end();
  svg.setViewBox(frame);
  return image;
}

// The share of pixels in `area` that carry paint.
qreal inkShare(const QImage& image, const QRect& area) {
  qint64 ink = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qAlpha(image.pixel(x, y)) > 64) ++ink;
  return qreal(ink) / (qint64(area.width()) * area.height());
}

}  // namespace

class TestPictures : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void everyPictureOnAScreenIsOneOfTheProgramsDrawings_data() { screenRows(); }
  void everyPictureOnAScreenIsOneOfTheProgramsDrawings() {
    QFETCH(QString, screen);
    WholeProgram h;
    Form& form = h.program().form(screen);
    QStringList problems;
    for (const Image* image : form.findChildren<Image*>())
      if (!image->picture().isNull()) problems << problem(image, image->picture());
    for (const CommandButton* button : form.findChildren<CommandButton*>())
      if (!button->picture().isNull()) problems << problem(button, button->picture());
    problems.removeAll(QString());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String("; "))));
  }

  void aFigureFillsItsBoxInsteadOfSittingSmallInIt_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("image");
    QTest::addColumn<int>("index");
    for (const char* image :
         {"imgmeisje", "imgwit", "imgchinees", "imgkleur", "imgkleur2", "imgkleur3"})
      QTest::newRow(image) << "frmkiesbasis" << image << -1;
    for (int i = 0; i <= 7; ++i)
      QTest::addRow("imgpop(%d)", i) << "frmsplits1"
                                     << "imgpop" << i;
  }
  void aFigureFillsItsBoxInsteadOfSittingSmallInIt() {
    QFETCH(QString, screen);
    QFETCH(QString, image);
    QFETCH(int, index);
    WholeProgram h;
    const Image& control = Harness::control<Image>(h.program().form(screen), image, index);
    const qreal box = qreal(control.width()) / control.height();
    const qreal ratio = control.picture().aspectRatio();
    QVERIFY2(std::abs(ratio / box - 1) < 0.05,
             qPrintable(QStringLiteral("box %1, picture %2").arg(box).arg(ratio)));
  }

  void everyDrawingRendersWholeAndUndistorted_data() {
    QTest::addColumn<QString>("resource");
    QStringList resources;
    for (QDirIterator it(QStringLiteral(":/assets"), {QStringLiteral("*.svg")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();)
      resources << it.next();
    resources.sort();
    QVERIFY(resources.size() > 50);
    for (const QString& resource : resources) QTest::newRow(qPrintable(resource)) << resource;
  }
  void everyDrawingRendersWholeAndUndistorted() {
    QFETCH(QString, resource);
    QSvgRenderer svg(resource);
    QVERIFY(svg.isValid());
    const QRectF frame = svg.viewBoxF();
    QVERIFY(!frame.isEmpty());
    // The size the program fits into a box must have the drawing's own proportions.
    const QSizeF size = svg.defaultSize();
    QCOMPARE(qRound(1000 * size.width() / size.height()),
             qRound(1000 * frame.width() / frame.height()));
    // Something is drawn at a button's size and at a classroom board's.
    for (int height : {40, 400}) {
      const QImage image = render(svg, height);
      QVERIFY2(inkShare(image, image.rect()) > 0.02, qPrintable(QString::number(height)));
    }
    // Nothing lies outside the frame, where fitting into a box would cut it off.
    const qreal margin = 0.2;
    const QImage roomy = render(svg, 400, margin);
    const QRect inside(qRound(margin * 400 * frame.width() / frame.height()) - 2,
                       qRound(margin * 400) - 2, qRound(400 * frame.width() / frame.height()) + 4,
                       400 + 4);
    QImage outside = roomy;
    {
      QPainter p(&outside);
      p.setCompositionMode(QPainter::CompositionMode_Clear);
      p.fillRect(inside, Qt::transparent);
    }
    QCOMPARE(inkShare(outside, outside.rect()), 0.0);
  }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
