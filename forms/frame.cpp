#include "forms/frame.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "forms/drawing.h"

namespace forms {

class FrameWidget : public QWidget {
 public:
  FrameWidget(Frame* frame, QWidget* parent) : QWidget(parent), m_frame(frame) {
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QRectF area = layoutArea(p, this);
    p.fillRect(area, toQColor(m_frame->m_back));
    const QFont font = toQFont(m_frame->m_font);
    const QFontMetrics metrics(font);
    const QString caption = displayText(m_frame->m_caption);
    const int top = caption.isEmpty() ? 0 : metrics.height() / 2;
    // An etched border, interrupted by the caption.
    const QRectF r = area.adjusted(0.5, top + 0.5, -1.5, -1.5);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(r);
    p.setPen(Qt::white);
    p.drawRect(r.translated(1, 1));
    if (!caption.isEmpty()) {
      const QRect textBox(8, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
      p.fillRect(textBox, toQColor(m_frame->m_back));
      p.setFont(font);
      p.setPen(toQColor(m_frame->m_fore));
      p.drawText(textBox, Qt::AlignCenter, caption);
    }
  }
  void mouseMoveEvent(QMouseEvent* e) override { e->accept(); }
  void mousePressEvent(QMouseEvent* e) override { e->accept(); }

 private:
  Frame* m_frame;
};

Frame::Frame(Container* container, const char* name) : BoxControl(container, name) {
  attach(new FrameWidget(this, container->surface()));
}

Frame& Frame::at(int left, int top, int width, int height) {
  Move(left, top, width, height);
  return *this;
}

Frame& Frame::colours(quint32 back, quint32 fore) {
  m_back = back;
  m_fore = fore;
  return *this;
}

Frame& Frame::font(const Font& font) {
  m_font = font;
  return *this;
}

Frame& Frame::caption(const QString& text) {
  m_caption = text;
  return *this;
}

Frame& Frame::hidden() {
  setVisible(false);
  return *this;
}

}  // namespace forms
