#include "forms/accessible/focusring.h"

#include <QPainter>

namespace forms {

namespace {
constexpr qreal OuterBand = 2.0;  // white
constexpr qreal InnerBand = 3.0;  // black
}  // namespace

void paintFocusRing(QPainter& painter, const QRectF& bounds) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  const QRectF area = bounds;
  QPen pen(Qt::white, OuterBand);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  painter.drawRect(area.adjusted(OuterBand / 2, OuterBand / 2, -OuterBand / 2, -OuterBand / 2));
  pen.setColor(Qt::black);
  pen.setWidthF(InnerBand);
  painter.setPen(pen);
  const qreal inset = OuterBand + InnerBand / 2;
  painter.drawRect(area.adjusted(inset, inset, -inset, -inset));
  painter.restore();
}

}  // namespace forms
