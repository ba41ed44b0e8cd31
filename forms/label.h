#pragma once
// A label: a caption painted on the screen, opaque or transparent, with an optional border.

#include <QRectF>

#include "forms/control.h"
#include "forms/fluent.h"
#include "forms/font.h"
#include "forms/units.h"

namespace forms {

class Label : public Fluent<Label> {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ caption WRITE setCaption)
  Q_PROPERTY(uint BackColor READ backColor WRITE setBackColor)
  Q_PROPERTY(uint ForeColor READ foreColor WRITE setForeColor)

 public:
  Label(Container* container, const char* name);
  // Layout, besides at, colours, font, caption and hidden.
  using Fluent::caption;
  Label& transparent();
  Label& align(Align align);
  Label& border();
  // A caption too long for the box is written smaller, so that every line is whole.
  Label& fitCaption();
  // The caption is read aloud when it appears or changes (while reading aloud is on).
  Label& readAloud();

  QString caption() const { return m_caption; }
  void setCaption(const QString& text);
  quint32 backColor() const { return m_back; }
  void setBackColor(quint32 colour);
  quint32 foreColor() const { return m_fore; }
  void setForeColor(quint32 colour);
  // Where the caption is written now, in the label's pixels at zoom 1 (its box is
  // Width / 15 by Height / 15).
  QRectF captionBounds() const;

 private:
  friend class LabelWidget;
  friend class Fluent<Label>;
  void coloursSet() { setOpaque(true); }
  void setOpaque(bool opaque);
  QString m_caption;
  quint32 m_back = ButtonFace;
  quint32 m_fore = Black;
  bool m_opaque = true;
  bool m_border = false;
  bool m_fit = false;
  Align m_align = Align::Left;
  Font m_font;
};

}  // namespace forms
