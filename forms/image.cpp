#include "forms/image.h"

#include <QMouseEvent>
#include <QPainter>

#include "forms/accessible/focusring.h"
#include "forms/drawing.h"

namespace forms {

class ImageWidget : public QWidget {
 public:
  ImageWidget(Image* image, QWidget* parent) : QWidget(parent), m_image(image) {
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QRectF area = layoutArea(p, this);
    paintPicture(p, m_image->m_picture, area);
    if (hasFocus()) paintFocusRing(p, area);
  }
  void mouseMoveEvent(QMouseEvent* e) override { e->accept(); }
  void mousePressEvent(QMouseEvent* e) override {
    m_pressed = e->button() == Qt::LeftButton;
    e->accept();
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    e->accept();
    if (m_pressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
      m_pressed = false;
      m_image->click();
    }
    m_pressed = false;
  }

 private:
  Image* m_image;
  bool m_pressed = false;
};

Image::Image(Container* container, const char* name) : BoxControl(container, name) {
  attach(new ImageWidget(this, container->surface()));
}

Image& Image::at(int left, int top, int width, int height) {
  Move(left, top, width, height);
  return *this;
}

Image& Image::picture(const Picture& picture) {
  m_picture = picture;
  widget()->update();
  return *this;
}

Image& Image::tooltip(const QString& text) {
  m_tooltip = text;
  widget()->setToolTip(text);
  return *this;
}

Image& Image::hidden() {
  setVisible(false);
  return *this;
}

Image& Image::name(const QString& text) {
  widget()->setAccessibleName(text);
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
