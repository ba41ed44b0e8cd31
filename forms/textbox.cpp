#include "forms/textbox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include "forms/accessible/focusring.h"
#include "forms/commandbutton.h"
#include "forms/drawing.h"
#include "forms/painted.h"

namespace forms {

class TextBoxWidget : public Painted<TextBox, QLineEdit> {
 public:
  TextBoxWidget(TextBox* box, QWidget* parent) : Painted(box, parent, Mouse::Kept) {
    // Every change of the text raises Change at once: typing, code, and an assistive
    // technology that writes the text.
    connect(this, &QLineEdit::textChanged, this, [this] { Control::raise(m_control->Change); });
  }

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    QLineEdit::mousePressEvent(e);
    e->accept();
    if (e->button() == Qt::LeftButton) Control::raise(m_control->Click);
  }
  void keyPressEvent(QKeyEvent* e) override {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && m_control->m_enterButton && !e->isAutoRepeat()) {
      e->accept();
      m_control->m_enterButton->click();
      return;
    }
    QLineEdit::keyPressEvent(e);
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    QLineEdit::mouseMoveEvent(e);
    e->accept();
  }
  // The line edit draws itself; the focus ring goes over it.
  void paintEvent(QPaintEvent* e) override {
    QLineEdit::paintEvent(e);
    if (hasFocus()) Painted::paintEvent(e);
  }
  void paint(QPainter& p, const QRectF& area) override { paintFocusRing(p, area); }
};

TextBox::TextBox(Container* container, const char* name) : Fluent(container, name) {
  attach(new TextBoxWidget(this, container->surface()));
  applyColours();
}

void TextBox::fontSet() {
  widget()->setFont(toQFont(m_font, zoom()));
}

void TextBox::relayout() {
  BoxControl::relayout();
  widget()->setFont(toQFont(m_font, zoom()));
}

TextBox& TextBox::align(Align align) {
  static_cast<QLineEdit*>(widget())->setAlignment(toQt(align) | Qt::AlignVCenter);
  return *this;
}

TextBox& TextBox::text(const QString& text) {
  static_cast<QLineEdit*>(widget())->setText(text);
  return *this;
}

TextBox& TextBox::enterPresses(CommandButton& button) {
  m_enterButton = &button;
  return *this;
}

QString TextBox::text() const {
  return static_cast<const QLineEdit*>(widget())->text();
}

void TextBox::setText(const QString& text) {
  auto* edit = static_cast<QLineEdit*>(widget());
  if (edit->text() == text) return;
  edit->setText(text);  // raises Change through textChanged
}

void TextBox::setEnabled(bool enabled) {
  m_enabled = enabled;
  widget()->setEnabled(enabled);
}

void TextBox::setBackColor(quint32 colour) {
  m_back = colour;
  applyColours();
}

void TextBox::setForeColor(quint32 colour) {
  m_fore = colour;
  applyColours();
}

void TextBox::SetFocus() {
  widget()->setFocus(Qt::OtherFocusReason);
}

void TextBox::applyColours() {
  QPalette palette = widget()->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, toQColor(m_back));
    // A disabled box shows what code writes into it, in its own colour.
    palette.setColor(group, QPalette::Text, toQColor(m_fore));
  }
  widget()->setPalette(palette);
}

}  // namespace forms
