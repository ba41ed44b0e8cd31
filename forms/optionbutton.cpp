#include "forms/optionbutton.h"

#include <QAbstractButton>
#include <QPainter>
#include <algorithm>

#include "forms/accessible/focusring.h"
#include "forms/drawing.h"
#include "forms/painted.h"

namespace forms {

class OptionWidget : public Painted<OptionButton, QAbstractButton> {
 public:
  OptionWidget(OptionButton* option, QWidget* parent) : Painted(option, parent, Mouse::Kept) {
    fillsBox(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, [this] { m_control->click(); });
  }

 protected:
  void paint(QPainter& p, const QRectF& area) override {
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.fillRect(area, toQColor(m_control->m_back));
    const QFont font = toQFont(m_control->m_font);
    const qreal d = std::min(13.0, std::max(8.0, area.height() - 4));
    const QRectF marker(2.5, (area.height() - d) / 2.0 + 0.5, d - 1, d - 1);
    p.setPen(QPen(QColor(105, 105, 105), 1));
    p.setBrush(isEnabled() ? Qt::white : QColor(220, 220, 220));
    p.drawEllipse(marker);
    if (m_control->m_value) {
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::black);
      p.drawEllipse(marker.center(), d / 5.0, d / 5.0);
    }
    p.setFont(font);
    p.setPen(isEnabled() ? toQColor(m_control->m_fore) : QColor(128, 128, 128));
    const QRectF textBox = area.adjusted(d + 4, 0, 0, 0);
    p.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, displayText(m_control->m_caption));
    if (hasFocus()) paintFocusRing(p, area);
  }
};

OptionButton::OptionButton(Container* container, const char* name) : Fluent(container, name) {
  attach(new OptionWidget(this, container->surface()));
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
