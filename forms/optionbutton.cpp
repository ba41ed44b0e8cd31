#include "forms/optionbutton.h"

#include <QAbstractButton>
#include <QPainter>
#include <algorithm>

#include "forms/accessible/focusring.h"
#include "forms/drawing.h"

namespace forms {

class OptionWidget : public QAbstractButton {
 public:
  OptionWidget(OptionButton* option, QWidget* parent) : QAbstractButton(parent), m_option(option) {
    setAttribute(Qt::WA_NoMousePropagation);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, [this] { m_option->click(); });
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QRectF area = layoutArea(p, this);
    p.fillRect(area, toQColor(m_option->m_back));
    const QFont font = toQFont(m_option->m_font);
    const qreal d = std::min(13.0, std::max(8.0, area.height() - 4));
    const QRectF marker(2.5, (area.height() - d) / 2.0 + 0.5, d - 1, d - 1);
    p.setPen(QPen(QColor(105, 105, 105), 1));
    p.setBrush(isEnabled() ? Qt::white : QColor(220, 220, 220));
    p.drawEllipse(marker);
    if (m_option->m_value) {
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::black);
      p.drawEllipse(marker.center(), d / 5.0, d / 5.0);
    }
    p.setFont(font);
    p.setPen(isEnabled() ? toQColor(m_option->m_fore) : QColor(128, 128, 128));
    const QRectF textBox = area.adjusted(d + 4, 0, 0, 0);
    p.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, displayText(m_option->m_caption));
    if (hasFocus()) paintFocusRing(p, area);
  }

 private:
  OptionButton* m_option;
};

OptionButton::OptionButton(Container* container, const char* name) : BoxControl(container, name) {
  attach(new OptionWidget(this, container->surface()));
}

OptionButton& OptionButton::at(int left, int top, int width, int height) {
  Move(left, top, width, height);
  return *this;
}

OptionButton& OptionButton::colours(quint32 back, quint32 fore) {
  m_back = back;
  m_fore = fore;
  return *this;
}

OptionButton& OptionButton::font(const Font& font) {
  m_font = font;
  return *this;
}

OptionButton& OptionButton::caption(const QString& text) {
  m_caption = text;
  return *this;
}

void OptionButton::select() {
  for (Control* c : container()->controls())
    if (auto* other = dynamic_cast<OptionButton*>(c); other && other != this && other->m_value) {
      other->m_value = false;
      other->widget()->update();
    }
  m_value = true;
  widget()->update();
}

void OptionButton::setValue(bool value) {
  if (value == m_value) return;
  if (value) {
    select();
    raise(Click);
  } else {
    m_value = false;
    widget()->update();
  }
}

void OptionButton::setEnabled(bool enabled) {
  m_enabled = enabled;
  widget()->setEnabled(enabled);
}

void OptionButton::click() {
  if (!widget()->isVisible() || !widget()->isEnabled()) return;
  select();
  raise(Click);
}

}  // namespace forms
