#include "forms/drawing.h"

#include <QPainter>

#include "forms/control.h"

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

void drawEdge(QPainter& p, const QRect& r, bool sunken) {
  const QColor light(255, 255, 255), mid(160, 160, 160), dark(105, 105, 105), black(0, 0, 0);
  const QColor outerTopLeft = sunken ? mid : light;
  const QColor outerBottomRight = sunken ? light : black;
  const QColor innerTopLeft = sunken ? black : QColor(227, 227, 227);
  const QColor innerBottomRight = sunken ? QColor(227, 227, 227) : dark;
  auto frame = [&p](const QRect& q, const QColor& tl, const QColor& br) {
    p.setPen(tl);
    p.drawLine(q.topLeft(), q.topRight());
    p.drawLine(q.topLeft(), q.bottomLeft());
    p.setPen(br);
    p.drawLine(q.bottomLeft(), q.bottomRight());
    p.drawLine(q.topRight(), q.bottomRight());
  };
  frame(r, outerTopLeft, outerBottomRight);
  frame(r.adjusted(1, 1, -1, -1), innerTopLeft, innerBottomRight);
}

}  // namespace forms
