#include "forms/shape.h"

#include <QPainter>
#include <algorithm>

#include "forms/drawing.h"

namespace forms {

class ShapeWidget : public QWidget {
 public:
  ShapeWidget(Shape* shape, QWidget* parent) : QWidget(parent), m_shape(shape) {
    // Shapes take no mouse events: the form or the control underneath gets them.
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const int bw = m_shape->m_borderWidth;
    const QRectF outer = layoutArea(p, this);
    QRectF r = outer.adjusted(bw / 2.0, bw / 2.0, -bw / 2.0, -bw / 2.0);
    if (m_shape->m_kind == ShapeKind::Circle) {
      const qreal d = std::min(r.width(), r.height());
      r = QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
    }
    const bool antialias = m_shape->m_kind != ShapeKind::Rectangle;
    p.setRenderHint(QPainter::Antialiasing, antialias);
    p.setBrush(m_shape->m_filled ? QBrush(toQColor(m_shape->m_back)) : Qt::NoBrush);
    if (bw > 0) {
      QPen pen(toQColor(m_shape->m_border), bw);
      pen.setJoinStyle(Qt::MiterJoin);
      p.setPen(pen);
    } else {
      p.setPen(Qt::NoPen);
    }
    switch (m_shape->m_kind) {
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

 private:
  Shape* m_shape;
};

Shape::Shape(Container* container, const char* name) : BoxControl(container, name) {
  attach(new ShapeWidget(this, container->surface()));
}

Shape& Shape::at(int left, int top, int width, int height) {
  Move(left, top, width, height);
  return *this;
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

Shape& Shape::hidden() {
  setVisible(false);
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
