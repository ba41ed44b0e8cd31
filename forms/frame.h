#pragma once
// A frame: a container with a background and an optional caption; hiding it hides its
// controls.

#include "forms/container.h"
#include "forms/control.h"
#include "forms/fluent.h"
#include "forms/font.h"
#include "forms/units.h"

namespace forms {

class Frame : public Fluent<Frame>, public Container {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ caption)
  Q_PROPERTY(uint BackColor READ backColor)
  Q_PROPERTY(uint ForeColor READ foreColor)

 public:
  Frame(Container* container, const char* name);
  // Layout: at, colours, font, caption and hidden.
  using Fluent::caption;
  QString caption() const { return m_caption; }
  quint32 backColor() const { return m_back; }
  quint32 foreColor() const { return m_fore; }
  bool isWindowed() const override { return true; }

  QWidget* surface() const override { return widget(); }
  Form* form() override { return Control::form(); }
  QObject* asObject() override { return this; }

 private:
  friend class FrameWidget;
  friend class Fluent<Frame>;
  void setCaption(const QString& text) { m_caption = text; }
  QString m_caption;
  quint32 m_back = ButtonFace;
  quint32 m_fore = Black;
  Font m_font;
};

}  // namespace forms
