#include "forms/textbox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include "forms/accessible/focusring.h"
#include "forms/commandbutton.h"
#include "forms/drawing.h"

namespace forms {

class TextBoxWidget : public QLineEdit {
 public:
  TextBoxWidget(TextBox* box, QWidget* parent) : QLineEdit(parent), m_box(box) {
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
    // Every change of the text raises Change at once: typing, code, and an assistive
    // technology that writes the text.
    connect(this, &QLineEdit::textChanged, this, [this] { Control::raise(m_box->Change); });
  }

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    QLineEdit::mousePressEvent(e);
    e->accept();
    if (e->button() == Qt::LeftButton) Control::raise(m_box->Click);
  }
  void keyPressEvent(QKeyEvent* e) override {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && m_box->m_enterButton && !e->isAutoRepeat()) {
      e->accept();
      m_box->m_enterButton->click();
      return;
    }
    QLineEdit::keyPressEvent(e);
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    QLineEdit::mouseMoveEvent(e);
    e->accept();
  }
  void paintEvent(QPaintEvent* e) override {
    QLineEdit::paintEvent(e);
    if (!hasFocus()) return;
    QPainter p(this);
    paintFocusRing(p, layoutArea(p, this));
  }

 private:
  TextBox* m_box;
};

TextBox::TextBox(Container* container, const char* name) : BoxControl(container, name) {
  attach(new TextBoxWidget(this, container->surface()));
  applyColours();
}

TextBox& TextBox::at(int left, int top, int width, int height) {
  Move(left, top, width, height);
  return *this;
}

TextBox& TextBox::font(const Font& font) {
  m_font = font;
  widget()->setFont(toQFont(font, zoom()));
  return *this;
}

void TextBox::relayout() {
  BoxControl::relayout();
  widget()->setFont(toQFont(m_font, zoom()));
}

TextBox& TextBox::align(Align align) {
  static_cast<QLineEdit*>(widget())->setAlignment(toQt(align) | Qt::AlignVCenter);
  return *this;
}

TextBox& TextBox::colours(quint32 back, quint32 fore) {
  m_back = back;
  m_fore = fore;
  applyColours();
  return *this;
}

TextBox& TextBox::text(const QString& text) {
  static_cast<QLineEdit*>(widget())->setText(text);
  return *this;
}

TextBox& TextBox::hidden() {
  setVisible(false);
  return *this;
}

TextBox& TextBox::disabled() {
  setEnabled(false);
  return *this;
}

TextBox& TextBox::name(const QString& text) {
  widget()->setAccessibleName(text);
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
