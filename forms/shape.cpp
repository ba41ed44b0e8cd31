#include "forms/shape.h"

#include <QPainter>
#include <algorithm>

#include "forms/drawing.h"
#include "forms/painted.h"

namespace forms {

class ShapeWidget : public Painted<Shape> {
 public:
  // Shapes take no mouse events: the form or the control underneath gets them.
  ShapeWidget(Shape* shape, QWidget* parent) : Painted(shape, parent, Mouse::PassedOn) {}

 protected:
  void paint(QPainter& p, const QRectF& outer) override {
    const int bw = m_control->m_borderWidth;
    QRectF r = outer.adjusted(bw / 2.0, bw / 2.0, -bw / 2.0, -bw / 2.0);
    if (m_control->m_kind == ShapeKind::Circle) {
      const qreal d = std::min(r.width(), r.height());
      r = QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
    }
    const bool antialias = m_control->m_kind != ShapeKind::Rectangle;
    p.setRenderHint(QPainter::Antialiasing, antialias);
    p.setBrush(m_control->m_filled ? QBrush(toQColor(m_control->m_back)) : Qt::NoBrush);
    if (bw > 0) {
      QPen pen(toQColor(m_control->m_border), bw);
      pen.setJoinStyle(Qt::MiterJoin);
      p.setPen(pen);
    } else {
      p.setPen(Qt::NoPen);
    }
    switch (m_control->m_kind) {
      case ShapeKind::Rectangle:
        if (bw > 0)
          p.drawRect(r);
        else
          p.fillRect(outer, p.brush());
        break;
      case ShapeKind::RoundedRectangle: {
        const qreal radius = std::min(r.width(), r.height()) / 6.0;
        p.drawRoundedRect(r, radius, radius);
        break;
      }
      case ShapeKind::Circle:
        p.drawEllipse(r);
        break;
    }
  }
};

Shape::Shape(Container* container, const char* name) : Fluent(container, name) {
  attach(new ShapeWidget(this, container->surface()));
}

Shape& Shape::kind(ShapeKind kind) {
  m_kind = kind;
  return *this;
}

Shape& Shape::filled(quint32 back) {
  m_back = back;
  m_filled = true;
  return *this;
}

Shape& Shape::outline(quint32 colour, int widthInPixels) {
  m_border = colour;
  m_borderWidth = widthInPixels;
  return *this;
}

Shape& Shape::noBorder() {
  m_borderWidth = 0;
  return *this;
}

void Shape::setBackColor(quint32 colour) {
  m_back = colour;
  widget()->update();
}

void Shape::setBorderColor(quint32 colour) {
  m_border = colour;
  widget()->update();
}

}  // namespace forms
