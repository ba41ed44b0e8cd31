#pragma once
// The teacher's view: per child (or all) how well every split is known, the exercises
// practised per day, the class list, the export and wiping, and whether recording is on.

#include <QWidget>

class ClassListEditor;
class QComboBox;
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

  // Reads the record again for the chosen child.
  void refresh();
  // The child whose record is shown; null for everyone.
  QString chosenChild() const;
  void chooseChild(const QString& name);
  // Without dialogs: what "Exporteer" and a confirmed "Wis gegevens" do.
  bool exportTo(const QString& file, QString* error);
  void wipeChosen();

  SplitGrid* grid() const { return m_grid; }
  QLabel* state() const { return m_state; }
  QTableWidget* days() const { return m_days; }
  ClassListEditor* classList() const { return m_editor; }
  QComboBox* children() const { return m_child; }
  QTabWidget* tabs() const { return m_tabs; }

 private:
  void fillChildren();
  void showState();
  void askExport();
  void askWipe();

  QLabel* m_state;
  QComboBox* m_child;
  QPushButton* m_export;
  QPushButton* m_wipe;
  QTabWidget* m_tabs;
  SplitGrid* m_grid;
  QLabel* m_legend;
  QTableWidget* m_days;
  ClassListEditor* m_editor;
};
