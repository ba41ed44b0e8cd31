#pragma once
// The teacher's class list: add a child with a name and a picture, rename, change the
// picture, take a child off the list. A name that breaks the rules gets a message and
// nothing is saved. A new child is offered a picture nobody has; the teacher is told
// when two children share one.

#include <QWidget>

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

 Q_SIGNALS:
  void changed();

 private:
  void selectionChanged();
  QString chosenPicture() const;
  QStringList names(int except = -1) const;
  void tell(const QString& text, bool problem);
  // `text`, and when other children have the picture `name` just got, who they are.
  void tellShared(const QString& text, const QString& name);

  QListWidget* m_list;
  QLineEdit* m_name;
  QButtonGroup* m_pictures;
  QLabel* m_message;
  QPushButton* m_add;
  QPushButton* m_change;
  QPushButton* m_remove;
};
