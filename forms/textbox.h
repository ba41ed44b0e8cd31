#pragma once
// A text box: one line of text, Change on every change, Click.

#include "forms/control.h"
#include "forms/fluent.h"
#include "forms/font.h"
#include "forms/units.h"

namespace forms {

class CommandButton;

class TextBox : public Fluent<TextBox> {
  Q_OBJECT
  Q_PROPERTY(QString Text READ text WRITE setText)
  Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
  Q_PROPERTY(uint BackColor READ backColor WRITE setBackColor)
  Q_PROPERTY(uint ForeColor READ foreColor WRITE setForeColor)

 public:
  TextBox(Container* container, const char* name);
  // Layout, besides at, font, colours, hidden, disabled and name (what the box asks for).
  TextBox& align(Align align);
  TextBox& text(const QString& text);
  // Enter in the box presses this button, as a click on it does (while it can be clicked).
  TextBox& enterPresses(CommandButton& button);

  QString text() const;
  // Raises Change at once, inside the assignment, when the text differs.
  void setText(const QString& text);
  bool enabled() const { return m_enabled; }
  void setEnabled(bool enabled);
  quint32 backColor() const { return m_back; }
  void setBackColor(quint32 colour);
  quint32 foreColor() const { return m_fore; }
  void setForeColor(quint32 colour);
  void SetFocus();
  bool isWindowed() const override { return true; }

  std::function<void()> Change;
  std::function<void()> Click;

 public:
  void relayout() override;

 private:
  friend class TextBoxWidget;
  friend class Fluent<TextBox>;
  void fontSet();
  void coloursSet() { applyColours(); }
  void applyColours();
  quint32 m_back = White;
  quint32 m_fore = Black;
  bool m_enabled = true;
  Font m_font;
  CommandButton* m_enterButton = nullptr;
};

}  // namespace forms
