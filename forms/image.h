#pragma once
// An image: a picture fitted into its box; it may take clicks.

#include "forms/control.h"
#include "forms/pictures.h"

namespace forms {

class Image : public BoxControl {
  Q_OBJECT
  Q_PROPERTY(QString ToolTipText READ toolTipText)

 public:
  Image(Container* container, const char* name);
  Image& at(int left, int top, int width, int height);
  Image& picture(const Picture& picture);
  Image& tooltip(const QString& text);
  Image& hidden();
  // The name assistive technology gives a picture that takes clicks (what it shows).
  Image& name(const QString& text);
  QString toolTipText() const { return m_tooltip; }
  // Whether a click does anything: a Click handler of its own or of its array.
  bool takesClicks() const;
  const Picture& picture() const { return m_picture; }

  std::function<void()> Click;
  void click();

 private:
  friend class ImageWidget;
  Picture m_picture;
  QString m_tooltip;
};

}  // namespace forms
