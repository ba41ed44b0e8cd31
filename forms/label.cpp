#include "forms/label.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "forms/accessible/accessibility.h"
#include "forms/drawing.h"
#include "forms/painted.h"

namespace forms {

namespace {
constexpr double MinimumPoints = 6;
}  // namespace

class LabelWidget : public Painted<Label> {
 public:
  LabelWidget(Label* label, QWidget* parent) : Painted(label, parent, Mouse::Kept) {
    fillsBox(label->m_opaque);
  }
  using Painted::fillsBox;

 protected:
  void paint(QPainter& p, const QRectF& area) override {
    if (m_control->m_opaque) p.fillRect(area, toQColor(m_control->m_back));
    if (m_control->m_border) {
      p.setPen(QPen(Qt::black, 1));
      p.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    const QRectF inner = layOut(p, area);
    p.setPen(toQColor(m_control->m_fore));
    p.drawText(inner, flags(), displayText(m_control->m_caption));
  }

 public:
  // Sets the painter's font for the caption and returns the rectangle it is written in.
  // A label that fits its caption steps its font down until every line is whole.
  QRectF layOut(QPainter& p, const QRectF& area) const {
    QRectF inner = area;
    if (m_control->m_border) inner.adjust(2, 1, -2, -1);
    Font font = m_control->m_font;
    p.setFont(toQFont(font));
    const QString text = displayText(m_control->m_caption);
    while (m_control->m_fit && font.size > MinimumPoints &&
           p.boundingRect(inner, flags(), text).height() > inner.height()) {
      font.size -= 0.25;
      p.setFont(toQFont(font));
    }
    return inner;
  }
  int flags() const { return toQt(m_control->m_align) | Qt::AlignTop | Qt::TextWordWrap; }
};

Label::Label(Container* container, const char* name) : Fluent(container, name) {
  attach(new LabelWidget(this, container->surface()));
}

Label& Label::transparent() {
  setOpaque(false);
  return *this;
}

void Label::setOpaque(bool opaque) {
  m_opaque = opaque;
  static_cast<LabelWidget*>(widget())->fillsBox(opaque);
}

Label& Label::align(Align align) {
  m_align = align;
  return *this;
}

Label& Label::border() {
  m_border = true;
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
