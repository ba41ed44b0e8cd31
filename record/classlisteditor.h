#pragma once
// The teacher's class list: add a child with a name and a picture, rename, change the
// picture, take a child off the list. A name that breaks the rules gets a message and
// nothing is saved. A new child is offered a picture nobody has; the teacher is told
// when two children share one.
//
// With a school server named the list is the server's: an edit is made there with the
// teacher's role (on the record's reading thread, "Bezig…" meanwhile) and then in this
// computer's copy. Without the teacher's password, or with the server away, the edit is
// refused with a line that says why, and the list stays as every computer has it.

#include <QWidget>
#include <functional>

#include "record/database.h"
#include "school/problem.h"

namespace school {
class Server;
}

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class ClassListEditor : public QWidget {
  Q_OBJECT

 public:
  explicit ClassListEditor(QWidget* parent = nullptr);
  void reload();

  // For tests and the view: the editor's own controls.
  QLineEdit* nameBox() const { return m_name; }
  QListWidget* list() const { return m_list; }
  QLabel* message() const { return m_message; }
  void choosePicture(const QString& key);
  void add();
  void change();
  void remove();
  // Where the teacher's password comes from (the view's field); without it, the one kept
  // in splitsen.conf.
  void setTeacherPassword(std::function<QString()> password) { m_password = std::move(password); }
  bool busy() const { return m_busy; }

 Q_SIGNALS:
  void changed();

 private:
  void selectionChanged();
  void enableControls();
  QString chosenPicture() const;
  QStringList names(int except = -1) const;
  void tell(const QString& text, bool problem);
  // `text`, and when other children have the picture `name` just got, who they are.
  void tellShared(const QString& text, const QString& name);
  // With a server named: `there` on the server, then `here` in this computer's copy, and
  // `done` once both worked. True when the edit went that way (or was refused).
  using There = std::function<school::Outcome(school::Server&)>;
  using Here = std::function<record::Failure(record::Database&)>;
  bool onServer(const There& there, const Here& here, std::function<void()> done);

  QListWidget* m_list;
  QLineEdit* m_name;
  QButtonGroup* m_pictures;
  QLabel* m_message;
  QPushButton* m_add;
  QPushButton* m_change;
  QPushButton* m_remove;
  std::function<QString()> m_password;
  bool m_busy = false;
};
