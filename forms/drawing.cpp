#include "forms/drawing.h"

#include <QPainter>
#include <QWidget>

#include "forms/control.h"
#include "forms/units.h"

namespace forms {

QString displayText(const QString& caption) {
  QString text = caption;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

Qt::Alignment toQt(Align align) {
  switch (align) {
    case Align::Centre:
      return Qt::AlignHCenter;
    case Align::Right:
      return Qt::AlignRight;
    case Align::Left:
      break;
  }
  return Qt::AlignLeft;
}

void drawEdge(QPainter& p, const QRectF& r, bool sunken) {
  const QColor light(255, 255, 255), mid(160, 160, 160), dark(105, 105, 105), black(0, 0, 0);
  const QColor outerTopLeft = sunken ? mid : light;
  const QColor outerBottomRight = sunken ? light : black;
  const QColor innerTopLeft = sunken ? black : QColor(227, 227, 227);
  const QColor innerBottomRight = sunken ? QColor(227, 227, 227) : dark;
  // Filled strips rather than lines, so that every zoom gives whole, even edges.
  auto ring = [&p](const QRectF& q, const QColor& topLeft, const QColor& bottomRight) {
    p.fillRect(QRectF(q.left(), q.bottom() - 1, q.width(), 1), bottomRight);
    p.fillRect(QRectF(q.right() - 1, q.top(), 1, q.height()), bottomRight);
    p.fillRect(QRectF(q.left(), q.top(), q.width() - 1, 1), topLeft);
    p.fillRect(QRectF(q.left(), q.top(), 1, q.height() - 1), topLeft);
  };
  ring(r, outerTopLeft, outerBottomRight);
  ring(r.adjusted(1, 1, -1, -1), innerTopLeft, innerBottomRight);
}

QRectF layoutArea(QPainter& p, const QWidget* widget) {
  const double z = zoom();
  p.scale(z, z);
  return QRectF(0, 0, widget->width() / z, widget->height() / z);
}

}  // namespace forms
