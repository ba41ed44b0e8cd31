// A child who cannot use a mouse: the whole program, every exercise once, with Tab,
// Shift+Tab, Space, Enter, the digits and Backspace alone, on the real screens. Every
// control is reached by Tab from wherever the focus is, so a control that Tab cannot
// reach fails the test.

#include <QApplication>
#include <QRegularExpression>
#include <QTest>

#include "app/all_screens.h"
#include "exercises/click_and_split/frmsleepsplits.h"
#include "exercises/look_and_split/frmsplits1.h"
#include "exercises/missing_part_chosen/frmsleepsplits2.h"
#include "exercises/missing_part_score/frmsleepsplits3.h"
#include "exercises/number_image_splitting/frmsplitsbeeldB.h"
#include "exercises/split_friends/frmsplitsrijenB.h"
#include "exercises/split_machine/frmsplitsmachine.h"
#include "exercises/split_memorising/frmsplits2.h"
#include "exercises/split_series/frmsplitsrijenA.h"
#include "shell/frmkiesbasis.h"
#include "shell/frmmecenaat1.h"
#include "shell/mdiform2.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

class Keyboard {
 public:
  Keyboard() {
    registerAllScreens(m_h.program());
    m_h.start();
    activate(screens::MDIForm2());
  }
  Harness& h() { return m_h; }

  // The window the keys go to, as the window system makes it active.
  static void activate(Form& form) {
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
  }

  static QWidget* focus(Form& form) { return form.window()->focusWidget(); }

  // Tab (or Shift+Tab) until `target` has the focus; one round at most.
  static void tabTo(Form& form, Control& target, Qt::Key key = Qt::Key_Tab) {
    for (int i = 0; i < 200 && focus(form) != target.widget(); ++i) {
      QWidget* from = focus(form) ? focus(form) : form.window();
      QTest::keyClick(from, key);
    }
    QVERIFY2(focus(form) == target.widget(),
             qPrintable(QStringLiteral("%1 cannot be reached with the keyboard on %2")
                            .arg(target.objectName(), form.objectName())));
  }
  static void key(Form& form, Qt::Key k) { QTest::keyClick(focus(form), k); }
  static void press(Form& form, Control& target, Qt::Key k = Qt::Key_Space) {
    tabTo(form, target);
    key(form, k);
  }
  static void type(Form& form, const QString& digits) { QTest::keyClicks(focus(form), digits); }

  // From the chooser into an exercise, with the keyboard.
  template <class F>
  F& open(const char* button) {
    frmkiesbasis& chooser = screens::frmkiesbasis();
    activate(chooser);
    press(chooser, *chooser.findChild<CommandButton*>(QString::fromLatin1(button)), Qt::Key_Return);
    F& exercise = m_h.program().form<F>();
    if (!exercise.isVisible()) return exercise;
    activate(exercise);
    return exercise;
  }
  // An exercise opened from the chooser by a click, its window made active.
  Form& openByClick(const QString& button, const QString& screen) {
    frmkiesbasis& chooser = screens::frmkiesbasis();
    activate(chooser);
    QTest::mouseClick(chooser.findChild<CommandButton*>(button)->widget(), Qt::LeftButton);
    Form& exercise = m_h.program().form(screen);
    activate(exercise);
    return exercise;
  }
  // Back through the exercise's stop button.
  static void leave(Form& exercise, Control& stop) {
    press(exercise, stop);
    QVERIFY(!exercise.isVisible());
    QVERIFY(screens::frmkiesbasis().isVisible());
  }

 private:
  Harness m_h;
};

}  // namespace

class TestKeyboardOnly : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void chooserDescribesWhatTabReachesButStaysEmptyWhenItOpens() {
    Keyboard k;
    frmmecenaat1& welcome = screens::frmmecenaat1();
    k.press(screens::MDIForm2(), welcome.cmdkombinnen);
    frmkiesbasis& chooser = screens::frmkiesbasis();
    QVERIFY(chooser.isVisible());
    k.activate(chooser);
    QCOMPARE(chooser.lblbord.caption(), QString());  // the focus it opens with says nothing
    k.tabTo(chooser, chooser.cmdbrugmin);
    QCOMPARE(chooser.lblbord.caption(), frmkiesbasis::descriptionOf("cmdbrugmin"));
    k.tabTo(chooser, chooser.cmdsplits1, Qt::Key_Backtab);
    QCOMPARE(chooser.lblbord.caption(), frmkiesbasis::descriptionOf("cmdsplits1"));
    // A button without a description leaves the board as it was.
    k.tabTo(chooser, chooser.cmdsleep5);
    QCOMPARE(chooser.lblbord.caption(), frmkiesbasis::descriptionOf("cmdsplitsrij"));
  }

  // A screen opens with the focus where the child acts first, never on a stop button,
  // also when the child comes back after leaving by the stop button.
  void everyScreenOpensWhereTheChildActsFirst_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("stop");
    QTest::addColumn<QString>("first");  // the control, or any but a stop button
    // clang-format off
    QTest::newRow("split machine") << "cmdbrugmin" << "frmsplitsmachine" << "cmdstop" << "";
    QTest::newRow("memorising") << "cmdsplits" << "frmsplits2" << "cmdstop2" << "";
    QTest::newRow("look and split") << "cmdsplits1" << "frmsplits1" << "cmdstop" << "imgdrie";
    QTest::newRow("number images") << "cmdmin22" << "frmsplitsbeeldB" << "cmdstop2" << "";
    QTest::newRow("series") << "cmdflits" << "frmsplitsrijenA" << "cmdstop" << "";
    QTest::newRow("friends") << "cmdsplitsrij" << "frmsplitsrijenB" << "cmdstop" << "cmdstart";
    QTest::newRow("click and split") << "cmdsplits2" << "frmsleepsplits" << "cmdstop" << "";
    QTest::newRow("missing part") << "cmdsleep4" << "frmsleepsplits2" << "cmdstop" << "";
    QTest::newRow("with score") << "cmdsleep5" << "frmsleepsplits3" << "cmdstop" << "cmdstart";
    // clang-format on
  }
  void everyScreenOpensWhereTheChildActsFirst() {
    QFETCH(QString, button);
    QFETCH(QString, screen);
    QFETCH(QString, stop);
    QFETCH(QString, first);
    Keyboard k;
    k.press(screens::MDIForm2(), screens::frmmecenaat1().cmdkombinnen);
    for (int visit = 1; visit <= 2; ++visit) {
      Form& f = k.openByClick(button, screen);
      const Control* focused = f.focusedControl();
      QVERIFY2(focused, qPrintable(QStringLiteral("visit %1: no focus").arg(visit)));
      QVERIFY2(!focused->objectName().startsWith(QLatin1String("cmdstop")),
               qPrintable(QStringLiteral("visit %1: %2").arg(visit).arg(focused->objectName())));
      QVERIFY(focused->widget()->isVisible() && focused->widget()->isEnabled());
      if (!first.isEmpty()) QCOMPARE(focused->objectName(), first);
      if (visit == 2) break;
      QTest::mouseClick(f.findChild<CommandButton*>(stop)->widget(), Qt::LeftButton);
      if (f.isVisible()) f.findChild<CommandButton*>(stop)->click();  // a second stop
      QVERIFY(!f.isVisible());
    }
  }

  // After an answer the focus is where the next answer goes, and Enter in an answer box
  // checks as the check button does.
  void afterAnAnswerTheFocusStaysWhereTheNextAnswerGoes_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("verdict");  // the label and what it then ends with
    QTest::addColumn<QString>("focus");
    // clang-format off
    QTest::newRow("score, right, Enter") << "frmsleepsplits3" << "4" << "lbljuist:1" << "cmdstart";
    QTest::newRow("score, wrong, Enter") << "frmsleepsplits3" << "5" << "lblfout:1" << "txtantwoord";
    // The check button is not shown yet, so Enter does nothing either.
    QTest::newRow("score, empty, Enter") << "frmsleepsplits3" << "" << "lblgemaakt:0"
                                         << "txtantwoord";
    QTest::newRow("missing part, right, Enter")
        << "frmsleepsplits2" << "5" << "lblcontrole:dat is goed !" << "cmdstart";
    QTest::newRow("missing part, wrong, Enter")
        << "frmsleepsplits2" << "4" << "lblcontrole:3 +  ?  = 8" << "txtantwoord";
    QTest::newRow("missing part, empty, Enter")
        << "frmsleepsplits2" << "" << "lblcontrole:3 +  ?  = 8" << "txtantwoord";
    QTest::newRow("friends, Enter") << "frmsplitsrijenB" << "friend" << "lblmemo: = 7"
                                    << "txtsplis#1";
    QTest::newRow("look and split, first digit") << "frmsplits1" << "3" << "lblgetal1:3"
                                                 << "cmdrechts0";
    QTest::newRow("look and split, both digits") << "frmsplits1" << "3+4" << "lblgetal2:4"
                                                 << "cmdkies";
    // clang-format on
  }
  void afterAnAnswerTheFocusStaysWhereTheNextAnswerGoes() {
    QFETCH(QString, screen);
    QFETCH(QString, answer);
    QFETCH(QString, verdict);
    QFETCH(QString, focus);
    Keyboard k;
    Harness& h = k.h();
    k.press(screens::MDIForm2(), screens::frmmecenaat1().cmdkombinnen);
    if (screen == "frmsleepsplits3") {
      auto& f = static_cast<frmsleepsplits3&>(k.openByClick("cmdsleep5", screen));
      h.random().then({drawFor(2, 10), drawFor(6, 10)});  // 3 + ? = 7
      k.press(f, f.cmdstart);
      k.type(f, answer);
      k.key(f, Qt::Key_Return);
    } else if (screen == "frmsleepsplits2") {
      auto& f = static_cast<frmsleepsplits2&>(k.openByClick("cmdsleep4", screen));
      h.random().then({drawFor(3, 10)});  // 3 + ? = 8
      k.press(f, f.cmdsplits8);
      k.type(f, answer);
      k.key(f, Qt::Key_Return);
    } else if (screen == "frmsplitsrijenB") {
      auto& f = static_cast<frmsplitsrijenB&>(k.openByClick("cmdsplitsrij", screen));
      h.random().then({drawFor(6, 9)});  // 7
      k.press(f, f.cmdstart);
      k.type(f, QString::number(7 - f.lblsplits[0].caption().toInt()));
      k.key(f, Qt::Key_Return);
    } else if (screen == "frmsplits1") {
      auto& f = static_cast<frmsplits1&>(k.openByClick("cmdsplits1", screen));
      k.press(f, *f.findChild<Image*>("imgzeven"));
      h.random().then({drawFor(3, 7)});
      k.press(f, *f.findChild<CommandButton*>("cmdzeven"));
      QTest::mouseClick(f.findChild<CommandButton*>("cmdlinks3")->widget(), Qt::LeftButton);
      if (answer == "3+4") {
        h.random().then({drawFor(5, 8)});
        QTest::mouseClick(f.findChild<CommandButton*>("cmdrechts4")->widget(), Qt::LeftButton);
      }
    }
    Form& f = h.program().form(screen);
    const Label* label = f.findChild<Label*>(verdict.section(':', 0, 0));  // lblmemo: member 0
    QVERIFY2(label->caption().contains(verdict.section(':', 1)), qPrintable(label->caption()));
    QVERIFY(f.focusedControl());
    QCOMPARE(f.focusedControl()->objectName(), focus.section('#', 0, 0));
    if (focus.contains('#'))  // an array member: the row the next answer goes in
      QCOMPARE(f.focusedControl()->property("Index").toString(), focus.section('#', 1));
  }

  void chooserPictureTurnsWithTheSpaceBar() {
    Keyboard k;
    k.press(screens::MDIForm2(), screens::frmmecenaat1().cmdkombinnen);
    frmkiesbasis& chooser = screens::frmkiesbasis();
    k.activate(chooser);
    k.press(chooser, chooser.imgmeisje);
    QVERIFY(!chooser.imgmeisje.visible() && chooser.imgwit.visible());
    k.press(chooser, chooser.imgwit, Qt::Key_Return);
    QVERIFY(chooser.imgchinees.visible());
  }

  void everyExerciseOnceByKeyboardAlone() {
    // Every key is taken by the control it goes to.
    QTest::failOnWarning(QRegularExpression("Keyboard event not accepted"));
    Keyboard k;
    Harness& h = k.h();
    k.press(screens::MDIForm2(), screens::frmmecenaat1().cmdkombinnen);

    {  // The split machine: 7 as 3 + 4, answered, repeated with START, then both stops.
      auto& f = k.open<frmsplitsmachine>("cmdbrugmin");
      h.random().then({drawFor(2, 6)});
      k.press(f, f.cmd7);
      QCOMPARE(f.focusedControl(), &f.txtmult2);
      h.advance(1000);
      k.type(f, "4");  // the car takes the focus
      QCOMPARE(f.focusedControl(), &f.cmdcontrole);
      k.key(f, Qt::Key_Space);
      QCOMPARE(f.focusedControl(), &f.cmdnieuw7);  // judged right: START takes the focus
      h.random().then({drawFor(4, 6)});
      k.key(f, Qt::Key_Return);  // START: 7 again, now as 5 + 2
      QCOMPARE(f.lblmult1.caption(), QStringLiteral("5"));
      k.press(f, f.cmdstop1);
      k.leave(f, f.cmdstop);
    }
    {  // Memorising: the list of 3, then saying 2 aloud along the walk.
      auto& f = k.open<frmsplits2>("cmdsplits");
      k.press(f, f.cmd3);
      QCOMPARE(f.txtcijfersplits[0].text().simplified(), QStringLiteral("0 + 3"));
      k.press(f, f.opt2);
      QVERIFY(f.opt2.value());
      h.advance(5000);
      QCOMPARE(f.lblbord.caption(), QStringLiteral("2 + . "));
      k.leave(f, f.cmdstop2);
    }
    {  // Look and split: 7 in dots as 3 + 4, both digits right.
      auto& f = k.open<frmsplits1>("cmdsplits1");
      k.press(f, *f.findChild<Image*>("imgzeven"));
      h.random().then({drawFor(3, 7)});
      k.press(f, *f.findChild<CommandButton*>("cmdzeven"));
      k.press(f, *f.findChild<CommandButton*>("cmdlinks3"));
      h.random().then({drawFor(5, 8)});
      k.press(f, *f.findChild<CommandButton*>("cmdrechts4"));
      QCOMPARE(f.lblgetal1.caption(), QStringLiteral("3"));
      QCOMPARE(f.lblgetal2.caption(), QStringLiteral("4"));
      QVERIFY(f.imgpop[5].visible());
      k.press(f, f.cmdkies);  // another number: the stop button is back
      k.leave(f, f.cmdstop);
    }
    {  // Number images: the row of 7, its split 3 + 4.
      auto& f = k.open<frmsplitsbeeldB>("cmdmin22");
      k.press(f, *f.findChild<CommandButton*>("cmd7topplus"));
      k.press(f, *f.findChild<CommandButton*>("cmd7d"));
      QCOMPARE(f.lblsplits1.caption(), QStringLiteral("3"));
      QCOMPARE(f.lblsplits2.caption(), QStringLiteral("4"));
      k.leave(f, f.cmdstop2);
    }
    {  // The series of 4, every split in order.
      auto& f = k.open<frmsplitsrijenA>("cmdflits");
      k.press(f, f.cmdgetal[4]);
      for (int i = 0; i <= 4; ++i) k.press(f, f.cmdstart[i]);
      QCOMPARE(f.lblmemo[0].caption().count("\r\n"), 4);
      QCOMPARE(f.lblsplits2.caption(), QStringLiteral("0"));
      k.leave(f, f.cmdstop);
    }
    {  // Friends of 7: a slip of the finger taken back with Backspace, then checked.
      auto& f = k.open<frmsplitsrijenB>("cmdsplitsrij");
      h.random().then({drawFor(6, 9)});
      k.press(f, f.cmdstart);
      QCOMPARE(f.focusedControl(), &f.txtsplis[0]);
      const int left = f.lblsplits[0].caption().toInt();
      k.type(f, "9");
      k.key(f, Qt::Key_Backspace);
      k.type(f, QString::number(7 - left));
      k.press(f, f.cmdeen[0]);
      QVERIFY(
          f.lblmemo[0].caption().startsWith(QStringLiteral("%1 + %2 = 7").arg(left).arg(7 - left)));
      k.leave(f, f.cmdstop);
    }
    {  // Click and split: the walk through every split of 2.
      auto& f = k.open<frmsleepsplits>("cmdsplits2");
      k.press(f, f.cmdsplits2);
      k.press(f, f.cmdstart[0]);
      k.press(f, f.cmdstart[1]);
      k.press(f, f.cmdstart[1]);
      QCOMPARE(f.lblcontrole.caption(), QStringLiteral("2 + 0 = 2"));
      k.press(f, f.cmdcontroleer);  // clears the board, the stop button is back
      k.leave(f, f.cmdstop);
    }
    {  // The missing part of 8 after 3, typed after a wrong key wiped with Backspace.
      auto& f = k.open<frmsleepsplits2>("cmdsleep4");
      h.random().then({drawFor(3, 10)});
      k.press(f, f.cmdsplits8);
      QCOMPARE(f.focusedControl(), &f.txtantwoord);
      k.type(f, "9");
      k.key(f, Qt::Key_Backspace);
      QVERIFY(!f.cmdcontroleer.visible());
      k.type(f, "5");
      k.press(f, f.cmdcontroleer);
      QVERIFY(f.lblcontrole.caption().endsWith(QStringLiteral("dat is goed !")));
      k.press(f, f.cmdreeks);
      k.leave(f, f.cmdstop);
    }
    {  // The missing part with a score: 3 + ? = 7, right at once.
      auto& f = k.open<frmsleepsplits3>("cmdsleep5");
      h.random().then({drawFor(2, 10), drawFor(6, 10)});
      k.press(f, f.cmdstart);
      QCOMPARE(f.focusedControl(), &f.txtantwoord);
      k.type(f, "4");
      k.press(f, f.cmdcontroleer);
      QCOMPARE(f.lbljuist.caption(), QStringLiteral("1"));
      k.leave(f, f.cmdstop);
    }

    // The chooser's stop: the closing screen counts down and ends the program.
    frmkiesbasis& chooser = screens::frmkiesbasis();
    k.activate(chooser);
    k.press(chooser, chooser.cmdstop);
    h.advance(12000);
    QVERIFY(h.program().ended());
  }
};

QTEST_MAIN(TestKeyboardOnly)
#include "tst_keyboard_only.moc"
