#include "forms/menuitem.h"

#include "forms/control.h"
#include "forms/form.h"

namespace forms {

MenuItem::MenuItem(Form* form, const char* name, const QString& caption, const QString& keys)
    : QAction(keys.isEmpty() ? caption : caption + QLatin1Char('\t') + keys, form),
      m_form(form),
      m_caption(caption) {
  setObjectName(QString::fromLatin1(name));
  connect(this, &QAction::triggered, this, [this] {
    if (m_form->isEnabled() || !m_form->blocks(this)) Control::raise(Click);
  });
}

}  // namespace forms
