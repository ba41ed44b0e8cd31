#include "forms/line.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "forms/painted.h"

namespace forms {

class LineWidget : public Painted<Line> {
 public:
  LineWidget(Line* line, QWidget* parent) : Painted(line, parent, Mouse::PassedOn) {}

 protected:
  void paint(QPainter& p, const QRectF&) override {
    p.resetTransform();
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn in screen pixels: the end points and the width at the zoom, from the twips.
    const double scale = zoom() / TwipsPerPixel;
    QPen pen(toQColor(m_control->m_colour), m_control->m_width * zoom(), Qt::SolidLine,
             Qt::RoundCap);
    p.setPen(pen);
    const QPointF origin = QPointF(pos());
    const QPointF a(m_control->m_x1 * scale, m_control->m_y1 * scale);
    const QPointF b(m_control->m_x2 * scale, m_control->m_y2 * scale);
    p.drawLine(a - origin, b - origin);
  }
};

Line::Line(Container* container, const char* name) : Fluent(container, name) {
  attach(new LineWidget(this, container->surface()));
}

Line& Line::from(int x1, int y1) {
  m_x1 = x1;
  m_y1 = y1;
  place();
  return *this;
}

Line& Line::to(int x2, int y2) {
  m_x2 = x2;
  m_y2 = y2;
  place();
  return *this;
}

Line& Line::pen(quint32 colour, int widthInPixels) {
  m_colour = colour;
  m_width = widthInPixels;
  place();
  return *this;
}

void Line::setBorderColor(quint32 colour) {
  m_colour = colour;
  widget()->update();
}

void Line::relayout() {
  place();
}

void Line::place() {
  const int margin = static_cast<int>(std::ceil(m_width * zoom() / 2)) + 2;
  const int x = toPixels(std::min(m_x1, m_x2)) - margin;
  const int y = toPixels(std::min(m_y1, m_y2)) - margin;
  const int right = toPixels(std::max(m_x1, m_x2)) + margin;
  const int bottom = toPixels(std::max(m_y1, m_y2)) + margin;
  widget()->setGeometry(x, y, right - x + 1, bottom - y + 1);
  widget()->update();
}

}  // namespace forms
