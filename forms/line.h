#pragma once
// A line between two points in twips; it takes no mouse events.

#include "forms/control.h"
#include "forms/fluent.h"
#include "forms/units.h"

namespace forms {

class Line : public Fluent<Line, Control> {
  Q_OBJECT
  Q_PROPERTY(int X1 READ x1)
  Q_PROPERTY(int Y1 READ y1)
  Q_PROPERTY(int X2 READ x2)
  Q_PROPERTY(int Y2 READ y2)
  Q_PROPERTY(uint BorderColor READ borderColor WRITE setBorderColor)

 public:
  Line(Container* container, const char* name);
  Line& from(int x1, int y1);
  Line& to(int x2, int y2);
  Line& pen(quint32 colour, int widthInPixels);
  int x1() const { return m_x1; }
  int y1() const { return m_y1; }
  int x2() const { return m_x2; }
  int y2() const { return m_y2; }
  quint32 borderColor() const { return m_colour; }
  void setBorderColor(quint32 colour);

 public:
  void relayout() override;

 private:
  friend class LineWidget;
  friend class Fluent<Line, Control>;
  void place();
  int m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
  quint32 m_colour = Black;
  int m_width = 1;
};

}  // namespace forms
