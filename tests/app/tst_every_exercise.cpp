// Every exercise as a child comes and goes: its picture on the chooser opens it in a
// disabled main window, and its stop button (with the split machine's first stop that
// uncovers it) leads back to the chooser with nothing left running behind it.

#include <QTest>

#include "shell/frmkiesbasis.h"
#include "shell/mdiform2.h"
#include "tests/support/every_screen.h"

using namespace forms;

namespace {

// The chooser's buttons that open an exercise: all but its own stop.
QStringList exerciseButtons() {
  WholeProgram h;
  QStringList buttons;
  for (auto* button : screens::frmkiesbasis().findChildren<CommandButton*>())
    if (button->objectName() != QLatin1String("cmdstop")) buttons << button->objectName();
  return buttons;
}

// The screen on show above the main window besides the chooser, or null.
Form* openExercise(Program& program) {
  for (Form* form : program.forms())
    if (form->isVisible() && form != &screens::MDIForm2() && form != &screens::frmkiesbasis())
      return form;
  return nullptr;
}

}  // namespace

class TestEveryExercise : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void stopLeadsBackToTheChooser_data() {
    QTest::addColumn<QString>("button");
    for (const QString& button : exerciseButtons()) QTest::newRow(qPrintable(button)) << button;
  }
  void stopLeadsBackToTheChooser() {
    QFETCH(QString, button);
    WholeProgram h;
    h.startPastWelcome();
    frmkiesbasis& chooser = screens::frmkiesbasis();
    Harness::click(chooser, button);
    Form* exercise = openExercise(h.program());
    QVERIFY(exercise);
    QVERIFY(!chooser.isVisible());
    QVERIFY(!screens::MDIForm2().isEnabled());
    h.advance(1500);  // whatever the screen starts by itself runs a while
    // The stop buttons on show, clicked until the screen is gone.
    for (int click = 0; click < 3 && exercise->isVisible(); ++click)
      for (const char* stop : {"cmdstop1", "cmdstop", "cmdstop2"})
        if (auto* c = exercise->findChild<Control*>(QString::fromLatin1(stop)); c && c->visible()) {
          Harness::click(*exercise, QString::fromLatin1(stop));
          break;
        }
    QVERIFY(!exercise->isVisible());
    QVERIFY(chooser.isVisible());
    QVERIFY(chooser.isEnabled());
    QVERIFY(!screens::MDIForm2().isEnabled());
    QVERIFY(h.clock().nextDue() < 0);  // no timer runs behind the chooser
  }
};

QTEST_MAIN(TestEveryExercise)
#include "tst_every_exercise.moc"
