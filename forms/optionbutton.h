#pragma once
// An option button: the options of one container form a group.

#include "forms/control.h"
#include "forms/fluent.h"
#include "forms/font.h"
#include "forms/units.h"

namespace forms {

class OptionButton : public Fluent<OptionButton> {
  Q_OBJECT
  Q_PROPERTY(bool Value READ value WRITE setValue)
  Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
  Q_PROPERTY(QString Caption READ caption)
  Q_PROPERTY(uint BackColor READ backColor)
  Q_PROPERTY(uint ForeColor READ foreColor)

 public:
  OptionButton(Container* container, const char* name);
  // Layout: at, colours, font and caption.
  using Fluent::caption;

  bool value() const { return m_value; }
  // True selects this option, clears the others of its container and raises Click
  // (unless it was already selected); false only clears it, without an event.
  void setValue(bool value);
  bool enabled() const { return m_enabled; }
  void setEnabled(bool enabled);
  QString caption() const { return m_caption; }
  quint32 backColor() const { return m_back; }
  quint32 foreColor() const { return m_fore; }
  bool isWindowed() const override { return true; }

  std::function<void()> Click;
  // A click as the child makes it: selects this option and raises Click.
  void click();

 private:
  friend class OptionWidget;
  friend class Fluent<OptionButton>;
  void setCaption(const QString& text) { m_caption = text; }
  void select();
  QString m_caption;
  quint32 m_back = ButtonFace;
  quint32 m_fore = Black;
  bool m_value = false;
  bool m_enabled = true;
  Font m_font;
};

}  // namespace forms
