#pragma once
// The layout setters that control kinds share, written once. A kind derives from
// Fluent<Kind> (Fluent<Kind, Control> when it has no rectangle) and befriends it; each
// setter uses what the kind stores (m_font, m_back and m_fore, m_tooltip, setCaption,
// setEnabled), so a setter for something a kind does not have fails to compile where it
// is used. A kind reacts to a new font or new colours by declaring its own fontSet() or
// coloursSet(), which hide the ones here.

#include <QString>
#include <QWidget>

#include "forms/control.h"
#include "forms/font.h"

namespace forms {

template <class Self, class Base = BoxControl>
class Fluent : public Base {
 public:
  Self& at(int left, int top, int width, int height) {
    this->Move(left, top, width, height);
    return self();
  }
  Self& hidden() {
    this->setVisible(false);
    return self();
  }
  Self& disabled() {
    self().setEnabled(false);
    return self();
  }
  // The name assistive technology gives the control: what it shows or asks for.
  Self& name(const QString& text) {
    this->widget()->setAccessibleName(text);
    return self();
  }
  Self& tooltip(const QString& text) {
    self().m_tooltip = text;
    this->widget()->setToolTip(text);
    return self();
  }
  Self& font(const Font& font) {
    self().m_font = font;
    self().fontSet();
    return self();
  }
  Self& colours(quint32 back, quint32 fore) {
    self().m_back = back;
    self().m_fore = fore;
    self().coloursSet();
    return self();
  }
  Self& caption(const QString& text) {
    self().setCaption(text);
    return self();
  }

 protected:
  using Base::Base;
  void fontSet() {}
  void coloursSet() {}

 private:
  Self& self() { return static_cast<Self&>(*this); }
};

}  // namespace forms
