#pragma once
// The teacher's view: per child (or all) how well every split is known, the exercises
// practised per day, the class list, the export and wiping, and whether recording is on.

#include <QWidget>

class ClassListEditor;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class SplitGrid;

class TeacherView : public QWidget {
  Q_OBJECT

 public:
  explicit TeacherView(QWidget* parent = nullptr);
  // The one view of the program, created on first use, shown and raised.
  static TeacherView* showView();

  // Reads the record again for the chosen child, on the record's reading thread; the
  // view says "bezig" until what was read is shown.
  void refresh();
  // Whether something is still being read, wiped or exported.
  bool busy() const { return m_pending > 0; }
  // The child whose record is shown; null for everyone.
  QString chosenChild() const;
  void chooseChild(const QString& name);
  // Without dialogs: what "Exporteer" and a confirmed "Wis gegevens" do. The export
  // here waits for the file; the button's runs in the background (`exportInBackground`).
  bool exportTo(const QString& file, QString* error);
  void exportInBackground(const QString& file);
  void wipeChosen();

  SplitGrid* grid() const { return m_grid; }
  QLabel* state() const { return m_state; }
  QTableWidget* days() const { return m_days; }
  ClassListEditor* classList() const { return m_editor; }
  QComboBox* children() const { return m_child; }
  QTabWidget* tabs() const { return m_tabs; }
  // "deze computer" or, with a school server, "de hele klas" (the teacher's password
  // asked here, kept in the user's settings only when ticked).
  QComboBox* scope() const { return m_scope; }
  QLineEdit* password() const { return m_password; }
  QCheckBox* keepPassword() const { return m_keep; }
  bool wholeClass() const;

 Q_SIGNALS:
  // What was read has been shown.
  void loaded();
  // An export in the background is over; `error` is empty when it succeeded.
  void exported(const QString& file, const QString& error);

 private:
  struct Read;
  void present(const Read& read, const QString& child, quint64 generation);
  void fillChildren(const QStringList& names);
  void showState();
  void askExport();
  void askWipe();

  void scopeChanged();

  QLabel* m_state;
  QComboBox* m_scope;
  QLineEdit* m_password;
  QCheckBox* m_keep;
  QComboBox* m_child;
  QPushButton* m_export;
  QPushButton* m_wipe;
  QTabWidget* m_tabs;
  SplitGrid* m_grid;
  QLabel* m_legend;
  QLabel* m_practice;
  QTableWidget* m_days;
  ClassListEditor* m_editor;
  int m_pending = 0;         // reads, wipes and exports not yet over
  quint64 m_generation = 0;  // of the last read asked for: older ones are not shown
  QString m_note;            // what went wrong the last time, in Dutch
};
