#pragma once
// A menu item of the main window.

#include <QAction>
#include <functional>

namespace forms {

class Form;

// A menu item of the main window. Its Click runs only while its form is enabled, also
// when the item is triggered from code.
class MenuItem : public QAction {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ text)

 public:
  MenuItem(Form* form, const char* name, const QString& caption);
  std::function<void()> Click;

 private:
  Form* m_form;
};

}  // namespace forms
