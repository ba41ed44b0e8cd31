#pragma once
// A shape: a rectangle, rounded rectangle or circle, filled or transparent; it takes no
// mouse events.

#include "forms/control.h"
#include "forms/fluent.h"
#include "forms/units.h"

namespace forms {

enum class ShapeKind { Rectangle, RoundedRectangle, Circle };

class Shape : public Fluent<Shape> {
  Q_OBJECT
  Q_PROPERTY(uint BackColor READ backColor WRITE setBackColor)
  Q_PROPERTY(uint BorderColor READ borderColor WRITE setBorderColor)

 public:
  Shape(Container* container, const char* name);
  Shape& kind(ShapeKind kind);
  // An opaque fill in `back`; without it the shape is transparent inside.
  Shape& filled(quint32 back);
  Shape& outline(quint32 colour, int widthInPixels = 1);
  Shape& noBorder();

  quint32 backColor() const { return m_back; }
  void setBackColor(quint32 colour);
  quint32 borderColor() const { return m_border; }
  void setBorderColor(quint32 colour);

 private:
  friend class ShapeWidget;
  friend class Fluent<Shape>;
  ShapeKind m_kind = ShapeKind::Rectangle;
  quint32 m_back = White;
  quint32 m_border = Black;
  bool m_filled = false;
  int m_borderWidth = 1;
};

}  // namespace forms
