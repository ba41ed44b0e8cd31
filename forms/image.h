#pragma once
// An image: a picture fitted into its box; it may take clicks.

#include "forms/control.h"
#include "forms/fluent.h"
#include "forms/pictures.h"

namespace forms {

class Image : public Fluent<Image> {
  Q_OBJECT
  Q_PROPERTY(QString ToolTipText READ toolTipText)

 public:
  Image(Container* container, const char* name);
  // Layout, besides at, tooltip, hidden and name (for a picture that takes clicks: what
  // it shows).
  Image& picture(const Picture& picture);
  QString toolTipText() const { return m_tooltip; }
  // Whether a click does anything: a Click handler of its own or of its array.
  bool takesClicks() const;
  const Picture& picture() const { return m_picture; }

  std::function<void()> Click;
  void click();

 private:
  friend class ImageWidget;
  friend class Fluent<Image>;
  Picture m_picture;
  QString m_tooltip;
};

}  // namespace forms
