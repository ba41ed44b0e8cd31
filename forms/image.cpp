#include "forms/image.h"

#include <QMouseEvent>
#include <QPainter>

#include "forms/accessible/focusring.h"
#include "forms/drawing.h"
#include "forms/painted.h"

namespace forms {

class ImageWidget : public Painted<Image> {
 public:
  ImageWidget(Image* image, QWidget* parent) : Painted(image, parent, Mouse::Kept) {}

 protected:
  void paint(QPainter& p, const QRectF& area) override {
    paintPicture(p, m_control->m_picture, area);
    if (hasFocus()) paintFocusRing(p, area);
  }
  void mousePressEvent(QMouseEvent* e) override {
    m_pressed = e->button() == Qt::LeftButton;
    e->accept();
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    e->accept();
    if (m_pressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
      m_pressed = false;
      m_control->click();
    }
    m_pressed = false;
  }

 private:
  bool m_pressed = false;
};

Image::Image(Container* container, const char* name) : Fluent(container, name) {
  attach(new ImageWidget(this, container->surface()));
}

Image& Image::picture(const Picture& picture) {
  m_picture = picture;
  widget()->update();
  return *this;
}

bool Image::takesClicks() const {
  return index() < 0 ? static_cast<bool>(Click) : arrayHandlesClick();
}

void Image::click() {
  if (!widget()->isVisible() || !widget()->isEnabled()) return;
  raise(Click);
}

}  // namespace forms
