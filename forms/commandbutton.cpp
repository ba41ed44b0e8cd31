#include "forms/commandbutton.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "forms/accessible/accessibility.h"
#include "forms/accessible/focusring.h"
#include "forms/drawing.h"
#include "forms/painted.h"

namespace forms {

class ButtonWidget : public Painted<CommandButton, QAbstractButton> {
 public:
  ButtonWidget(CommandButton* button, QWidget* parent) : Painted(button, parent, Mouse::Kept) {
    fillsBox(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, [this] { m_control->click(); });
  }

 protected:
  void paint(QPainter& p, const QRectF& area) override {
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
    const bool sunken = isDown();
    p.fillRect(area, toQColor(m_control->m_back));
    QRectF inner = area.adjusted(2, 2, -2, -2);
    if (sunken) inner.translate(1, 1);

    const QString caption = displayText(m_control->m_caption);
    const QFont font = toQFont(m_control->m_font);
    QRectF pictureBox = inner;
    QRectF textBox = inner;
    if (!m_control->m_picture.isNull() && !caption.isEmpty()) {
      const int lines = static_cast<int>(caption.count(QLatin1Char('\n'))) + 1;
      // Drawn at the zoom, a line is hinted a little taller than measured here: a layout
      // pixel of room per line keeps the first and last line whole.
      const double textHeight =
          std::min(inner.height(), std::ceil(QFontMetricsF(font).lineSpacing() * lines) + lines);
      textBox = QRectF(inner.left(), inner.bottom() - textHeight, inner.width(), textHeight);
      pictureBox = QRectF(inner.left(), inner.top(), inner.width(), inner.height() - textHeight);
    }
    if (!m_control->m_picture.isNull()) {
      if (!isEnabled()) p.setOpacity(0.35);
      paintPicture(p, m_control->m_picture, pictureBox);
      p.setOpacity(1.0);
    }
    if (!caption.isEmpty()) {
      p.setFont(font);
      const int flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap;
      if (isEnabled()) {
        p.setPen(Qt::black);
        p.drawText(textBox, flags, caption);
      } else {
        p.setPen(Qt::white);
        p.drawText(textBox.translated(1, 1), flags, caption);
        p.setPen(QColor(128, 128, 128));
        p.drawText(textBox, flags, caption);
      }
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    drawEdge(p, area, sunken);
    if (hasFocus()) paintFocusRing(p, area);
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    Control::raise(m_control->MouseMove);
    QAbstractButton::mouseMoveEvent(e);
    e->accept();
  }
  void keyPressEvent(QKeyEvent* e) override {
    // Enter presses a focused button, as the space bar does.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == 0) {
      e->accept();
      click();
      return;
    }
    QAbstractButton::keyPressEvent(e);
  }

 private:
  friend class CommandButton;
};

CommandButton::CommandButton(Container* container, const char* name) : Fluent(container, name) {
  attach(new ButtonWidget(this, container->surface()));
}

CommandButton& CommandButton::colour(quint32 back) {
  m_back = back;
  widget()->update();
  return *this;
}

CommandButton& CommandButton::picture(const Picture& picture) {
  m_picture = picture;
  widget()->update();
  return *this;
}

void CommandButton::setCaption(const QString& text) {
  m_caption = text;
  announceNameChange(widget());
  widget()->update();
}

void CommandButton::setEnabled(bool enabled) {
  m_enabled = enabled;
  widget()->setEnabled(enabled);
}

CommandButton& CommandButton::leaves() {
  m_leaves = true;
  return *this;
}

void CommandButton::SetFocus() {
  widget()->setFocus(Qt::OtherFocusReason);
}

void CommandButton::click() {
  // Only a button the child can reach takes a click.
  if (!widget()->isVisible() || !widget()->isEnabled()) return;
  raise(Click);
}

}  // namespace forms
