#pragma once
// A menu item of the main window.

#include <QAction>
#include <functional>

namespace forms {

class Form;

// A menu item of the main window. An item that the form's Enabled blocks runs its Click
// only while the form is enabled, also when the item is triggered from code.
class MenuItem : public QAction {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ caption)

 public:
  // `keys` is shown beside the caption; the program's own key filter does the work.
  MenuItem(Form* form, const char* name, const QString& caption, const QString& keys = {});
  QString caption() const { return m_caption; }
  std::function<void()> Click;

 private:
  Form* m_form;
  QString m_caption;
};

}  // namespace forms
