#include "forms/frame.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "forms/drawing.h"
#include "forms/painted.h"

namespace forms {

class FrameWidget : public Painted<Frame> {
 public:
  FrameWidget(Frame* frame, QWidget* parent) : Painted(frame, parent, Mouse::Kept) {
    fillsBox(true);
  }

 protected:
  void paint(QPainter& p, const QRectF& area) override {
    p.fillRect(area, toQColor(m_control->m_back));
    const QFont font = toQFont(m_control->m_font);
    const QFontMetrics metrics(font);
    const QString caption = displayText(m_control->m_caption);
    const int top = caption.isEmpty() ? 0 : metrics.height() / 2;
    // An etched border, interrupted by the caption.
    const QRectF r = area.adjusted(0.5, top + 0.5, -1.5, -1.5);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(r);
    p.setPen(Qt::white);
    p.drawRect(r.translated(1, 1));
    if (!caption.isEmpty()) {
      const QRect textBox(8, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
      p.fillRect(textBox, toQColor(m_control->m_back));
      p.setFont(font);
      p.setPen(toQColor(m_control->m_fore));
      p.drawText(textBox, Qt::AlignCenter, caption);
    }
  }
};

Frame::Frame(Container* container, const char* name) : Fluent(container, name) {
  attach(new FrameWidget(this, container->surface()));
}

}  // namespace forms
