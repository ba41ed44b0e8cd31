#pragma once
// A command button: caption and/or picture, Click and MouseMove.

#include "forms/control.h"
#include "forms/fluent.h"
#include "forms/font.h"
#include "forms/pictures.h"
#include "forms/units.h"

namespace forms {

class CommandButton : public Fluent<CommandButton> {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ caption WRITE setCaption)
  Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
  Q_PROPERTY(uint BackColor READ backColor)
  Q_PROPERTY(QString ToolTipText READ toolTipText)

 public:
  CommandButton(Container* container, const char* name);
  // Layout, besides at, font, caption, tooltip, hidden, disabled and name (for a
  // picture-only button: what it does).
  using Fluent::caption;
  CommandButton& colour(quint32 back);
  CommandButton& picture(const Picture& picture);
  // A way out of the screen (its stop button): the focus never starts on it.
  CommandButton& leaves();
  bool leavesScreen() const { return m_leaves; }

  QString caption() const { return m_caption; }
  void setCaption(const QString& text);
  bool enabled() const { return m_enabled; }
  void setEnabled(bool enabled);
  quint32 backColor() const { return m_back; }
  QString toolTipText() const { return m_tooltip; }
  const Picture& picture() const { return m_picture; }
  void SetFocus();
  bool isWindowed() const override { return true; }

  std::function<void()> Click;
  std::function<void()> MouseMove;
  // A click as the child makes it (used by the widget, and by tests).
  void click();

 private:
  friend class ButtonWidget;
  friend class Fluent<CommandButton>;
  QString m_caption;
  QString m_tooltip;
  quint32 m_back = ButtonFace;
  bool m_enabled = true;
  bool m_leaves = false;
  Font m_font;
  Picture m_picture;
};

}  // namespace forms
