#include "forms/label.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "forms/accessible/accessibility.h"
#include "forms/drawing.h"

namespace forms {

namespace {
constexpr double MinimumPoints = 6;
}  // namespace

class LabelWidget : public QWidget {
 public:
  LabelWidget(Label* label, QWidget* parent) : QWidget(parent), m_label(label) {
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QRectF area = layoutArea(p, this);
    if (m_label->m_opaque) p.fillRect(area, toQColor(m_label->m_back));
    if (m_label->m_border) {
      p.setPen(QPen(Qt::black, 1));
      p.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    const QRectF inner = layOut(p, area);
    p.setPen(toQColor(m_label->m_fore));
    p.drawText(inner, flags(), displayText(m_label->m_caption));
  }

 public:
  // Sets the painter's font for the caption and returns the rectangle it is written in.
  // A label that fits its caption steps its font down until every line is whole.
  QRectF layOut(QPainter& p, const QRectF& area) const {
    QRectF inner = area;
    if (m_label->m_border) inner.adjust(2, 1, -2, -1);
    Font font = m_label->m_font;
    p.setFont(toQFont(font));
    const QString text = displayText(m_label->m_caption);
    while (m_label->m_fit && font.size > MinimumPoints &&
           p.boundingRect(inner, flags(), text).height() > inner.height()) {
      font.size -= 0.25;
      p.setFont(toQFont(font));
    }
    return inner;
  }
  int flags() const { return toQt(m_label->m_align) | Qt::AlignTop | Qt::TextWordWrap; }

 protected:
  void mouseMoveEvent(QMouseEvent* e) override { e->accept(); }
  void mousePressEvent(QMouseEvent* e) override { e->accept(); }

 private:
  Label* m_label;
};

Label::Label(Container* container, const char* name) : BoxControl(container, name) {
  attach(new LabelWidget(this, container->surface()));
}

Label& Label::at(int left, int top, int width, int height) {
  Move(left, top, width, height);
  return *this;
}

Label& Label::colours(quint32 back, quint32 fore) {
  m_back = back;
  m_fore = fore;
  m_opaque = true;
  return *this;
}

Label& Label::transparent() {
  m_opaque = false;
  return *this;
}

Label& Label::font(const Font& font) {
  m_font = font;
  return *this;
}

Label& Label::align(Align align) {
  m_align = align;
  return *this;
}

Label& Label::border() {
  m_border = true;
  return *this;
}

Label& Label::caption(const QString& text) {
  setCaption(text);
  return *this;
}

Label& Label::fitCaption() {
  m_fit = true;
  return *this;
}

QRectF Label::captionBounds() const {
  const auto* label = static_cast<const LabelWidget*>(widget());
  QImage canvas(label->size(), QImage::Format_ARGB32_Premultiplied);
  canvas.setDotsPerMeterX(std::lround(label->logicalDpiX() / 0.0254));
  canvas.setDotsPerMeterY(std::lround(label->logicalDpiY() / 0.0254));
  QPainter p(&canvas);
  const QRectF inner = label->layOut(p, layoutArea(p, label));
  return p.boundingRect(inner, label->flags(), displayText(m_caption));
}

Label& Label::hidden() {
  setVisible(false);
  return *this;
}

Label& Label::readAloud() {
  markReadAloud();
  return *this;
}

void Label::setCaption(const QString& text) {
  if (m_caption == text) return;
  const QString before = m_caption;
  m_caption = text;
  announceNameChange(widget());
  widget()->update();
  captionChanged(before);
}

void Label::setBackColor(quint32 colour) {
  m_back = colour;
  widget()->update();
}

void Label::setForeColor(quint32 colour) {
  m_fore = colour;
  widget()->update();
}

}  // namespace forms
