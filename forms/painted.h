#pragma once
// The widget that draws a control kind, set up once: it knows its control, keeps the
// mouse or lets it through, and paints in layout pixels under the zoom's scale.

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <type_traits>

#include "forms/drawing.h"

namespace forms {

// What a control does with the mouse. A control the child can see and act on keeps it,
// so that a move or a press on it never reaches the screen behind it (where MouseMove
// handlers run); a shape or a line lets it through to what lies underneath.
enum class Mouse { Kept, PassedOn };

template <class Kind, class Widget = QWidget>
class Painted : public Widget {
 public:
  Painted(Kind* control, QWidget* parent, Mouse mouse) : Widget(parent), m_control(control) {
    if (mouse == Mouse::PassedOn) {
      this->setAttribute(Qt::WA_TransparentForMouseEvents);
      return;
    }
    this->setAttribute(Qt::WA_NoMousePropagation);
    this->setMouseTracking(true);
  }

 protected:
  // A widget that fills its whole box says so: what lies beneath it is then left out of
  // the painting pass instead of being painted and covered.
  void fillsBox(bool fills) { this->setAttribute(Qt::WA_OpaquePaintEvent, fills); }
  // Draws the control: `area` is its whole box in layout pixels.
  virtual void paint(QPainter& p, const QRectF& area) = 0;
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    paint(p, layoutArea(p, this));
  }
  // A plain widget ignores the mouse by default; a kept mouse is taken here. Buttons and
  // text boxes decide for themselves.
  void mouseMoveEvent(QMouseEvent* e) override {
    Widget::mouseMoveEvent(e);
    if constexpr (std::is_same_v<Widget, QWidget>) e->accept();
  }
  void mousePressEvent(QMouseEvent* e) override {
    Widget::mousePressEvent(e);
    if constexpr (std::is_same_v<Widget, QWidget>) e->accept();
  }

  Kind* const m_control;
};

}  // namespace forms
