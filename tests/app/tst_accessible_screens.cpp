// Every screen as assistive technology reads it: whatever a child can press or type into
// has a name, the chooser's buttons are named after their exercises, and Tab goes
// through a screen in reading order.

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTest>

#include "app/all_screens.h"
#include "exercises/missing_part_chosen/frmsleepsplits2.h"
#include "exercises/split_machine/frmsplitsmachine.h"
#include "shell/frmkiesbasis.h"
#include "tests/support/every_screen.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

QAccessibleInterface* accessible(Control& control) {
  return QAccessible::queryAccessibleInterface(control.widget());
}

}  // namespace

class TestAccessibleScreens : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void everythingAChildCanUseHasAName_data() { screenRows(); }
  void everythingAChildCanUseHasAName() {
    QFETCH(QString, screen);
    WholeProgram h;
    Form& form = h.program().form(screen);
    int checked = 0;
    for (Control* c : form.findChildren<Control*>()) {
      if (!c->widget() || c->objectName() == QLatin1String("txtmult3"))
        continue;  // a store, never shown
      if (c->objectName() == QLatin1String("cmdkind") && !c->visible())
        continue;  // a child's tile, named when the class list fills it
      QAccessibleInterface* iface = accessible(*c);
      if (!iface) continue;
      const QAccessible::Role role = iface->role();
      if (role != QAccessible::Button && role != QAccessible::RadioButton &&
          role != QAccessible::EditableText)
        continue;
      ++checked;
      QVERIFY2(!iface->text(QAccessible::Name).trimmed().isEmpty(),
               qPrintable(c->objectName() + QStringLiteral("(%1)").arg(c->index())));
    }
    QVERIFY(checked > 0 || screen == QLatin1String("frminfo"));
  }

  void chooserButtonsAreNamedAfterTheirExercises_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    QTest::newRow("bee") << "cmdsplits"
                         << "splitsing";
    QTest::newRow("heart") << "cmdsplits1"
                           << "kijk en splits";
    QTest::newRow("snowman") << "cmdmin22"
                             << "splitsingen van getalbeelden";
    QTest::newRow("flower") << "cmdbrugmin"
                            << "splitsmachine";
    QTest::newRow("house") << "cmdflits"
                           << "splitsingen automatiseren";
    QTest::newRow("ice lolly") << "cmdsplitsrij"
                               << "splitsen";
    QTest::newRow("staircase") << "cmdopmaat"
                               << "oefenen op maat";
    QTest::newRow("owl chick") << "cmdsplits2"
                               << "klik en splits";
    QTest::newRow("cat") << "cmdsleep4"
                         << "ontbrekend deel";
    QTest::newRow("rooster") << "cmdsleep5"
                             << "ontbrekend deel met score";
    QTest::newRow("stop sign") << "cmdstop"
                               << "stop";
  }
  void chooserButtonsAreNamedAfterTheirExercises() {
    QFETCH(QString, button);
    QFETCH(QString, name);
    WholeProgram h;
    frmkiesbasis& chooser = screens::frmkiesbasis();
    QAccessibleInterface* iface = accessible(Harness::control<CommandButton>(chooser, button));
    QCOMPARE(iface->role(), QAccessible::Button);
    QCOMPARE(iface->text(QAccessible::Name), name);
    // The board's description of a described button begins with that name.
    const QString description = frmkiesbasis::descriptionOf(button).simplified();
    if (!description.isEmpty()) QVERIFY(description.startsWith(name.section(' ', 0, 0)));
  }

  void boardAndScreenAreReadAsTheyChange() {
    WholeProgram h;
    frmkiesbasis& chooser = screens::frmkiesbasis();
    QAccessibleInterface* board = accessible(chooser.lblbord);
    QCOMPARE(board->role(), QAccessible::StaticText);
    QCOMPARE(board->text(QAccessible::Name), QString());
    Harness::moveMouse(chooser, QPoint(280, 60));  // bare background
    QCOMPARE(
        board->text(QAccessible::Name),
        QStringLiteral("Oefeningen voor het eerste leerjaar\nde muis op een tekening plaatsen\n"
                       "lees wat er geoefend wordt\nmet een klik kun je dat deeltje inoefenen"));
    QCOMPARE(QAccessible::queryAccessibleInterface(&chooser)->text(QAccessible::Name),
             QStringLiteral("KEUZEBORD"));
  }

  void chooserTabsRowByRowThenToStop() {
    WholeProgram h;
    frmkiesbasis& chooser = screens::frmkiesbasis();
    chooser.Show();
    QApplication::setActiveWindow(&chooser);
    QVERIFY(QTest::qWaitForWindowActive(&chooser));
    QCOMPARE(Harness::tabRound(chooser, chooser.imgmeisje.widget()),
             QStringList({"imgmeisje", "cmdsplits", "cmdsplits1", "cmdmin22", "cmdopmaat",
                          "cmdbrugmin", "cmdflits", "cmdsplitsrij", "cmdsplits2", "cmdsleep4",
                          "cmdsleep5", "cmdstop"}));
  }

  void aButtonUnderAnotherIsNeitherOfferedNorPressed() {
    WholeProgram h;
    frmsplitsmachine& f = screens::frmsplitsmachine();
    f.Show();
    QAccessibleInterface* under = accessible(f.cmdstop);
    QAccessibleInterface* over = accessible(f.cmdstop1);
    QVERIFY(under->state().invisible);
    QVERIFY(!over->state().invisible);
    under->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(f.isVisible());  // the covered stop did not leave
    over->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!f.cmdstop1.visible());
    QVERIFY(!under->state().invisible);  // uncovered now
    under->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!f.isVisible());
  }

  void textWrittenByAToolFollowsTheScreensOwnRules_data() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("checkShown");
    QTest::newRow("a digit is an answer") << "5"
                                          << "5" << true;
    QTest::newRow("letters are wiped at once") << "vijf"
                                               << "" << false;
    QTest::newRow("a whole sentence is wiped too") << QString(500, QLatin1Char('x')) << "" << false;
  }
  void textWrittenByAToolFollowsTheScreensOwnRules() {
    QFETCH(QString, written);
    QFETCH(QString, kept);
    QFETCH(bool, checkShown);
    WholeProgram h;
    frmsleepsplits2& f = screens::frmsleepsplits2();
    f.Show();
    h.random().then({drawFor(3, 10)});
    f.cmdsplits8.click();
    QAccessibleEditableTextInterface* box = accessible(f.txtantwoord)->editableTextInterface();
    QVERIFY(box);
    box->replaceText(0, 0, written);
    QCOMPARE(f.txtantwoord.text(), kept);
    QCOMPARE(f.cmdcontroleer.visible(), checkShown);
    QVERIFY(f.isVisible() && f.txtantwoord.visible());
  }

  void splitMachineTabsThroughWhatIsShownNow() {
    WholeProgram h;
    frmsplitsmachine& f = screens::frmsplitsmachine();
    f.Show();
    QApplication::setActiveWindow(&f);
    QVERIFY(QTest::qWaitForWindowActive(&f));
    // Choosing: the numbers down the column, then the stop button on top (the one under
    // it is passed by); the answer box is disabled, START and the car are hidden.
    QCOMPARE(
        Harness::tabRound(f, f.cmd3.widget()),
        QStringList({"cmd3", "cmd4", "cmd5", "cmd6", "cmd7", "cmd8", "cmd9", "cmd10", "cmdstop1"}));
    h.random().then({drawFor(2, 6)});
    f.cmd7.click();
    h.advance(1000);
    // A turn: only 7 stays enabled (above the box, which lies level with 8) and the box
    // takes answers.
    QCOMPARE(Harness::tabRound(f, f.txtmult2.widget()),
             QStringList({"txtmult2", "cmdstop1", "cmd7"}));
  }
};

QTEST_MAIN(TestAccessibleScreens)
#include "tst_accessible_screens.moc"
