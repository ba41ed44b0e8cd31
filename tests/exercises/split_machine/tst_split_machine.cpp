// The split machine: its timeline, the judging of answers, START and the two stop
// buttons, on the test clock with scripted draws.

#include <QLocale>
#include <QTest>

#include "exercises/split_machine/frmsplitsmachine.h"
#include "shell/frmkiesbasis.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

QList<int> range(int from, int to) {
  QList<int> list;
  for (int i = from; i <= to; ++i) list << i;
  return list;
}

// The screen on show, on a fresh program.
struct Machine {
  Harness h;
  frmsplitsmachine& f = h.program().form<frmsplitsmachine>();
  Machine() { f.Show(); }

  // Number N (or its START) is clicked; the draw puts `deel` balls in the left bin.
  void choose(int N, int deel) {
    h.random().then({drawFor(deel - 1, N - 1)});
    f.cmd(N).click();
  }
  void start(int N, int deel) {
    h.random().then({drawFor(deel - 1, N - 1)});
    f.cmdnieuw(N).click();
  }
  void type(const QString& keys) { QTest::keyClicks(f.txtmult2.widget(), keys); }
  void answer(const QString& keys) {
    type(keys);
    f.cmdcontrole.click();
  }
  QList<int> balls(int from, int to) {
    QList<int> shown;
    for (int i = from; i <= to; ++i)
      if (f.imgbol[i].visible()) shown << i;
    return shown;
  }
  // The numbers whose START button (or number image, ...) is shown.
  template <class T>
  QList<int> shown(T& (frmsplitsmachine::*byNumber)(int)) {
    QList<int> list;
    for (int N = 3; N <= 10; ++N)
      if ((f.*byNumber)(N).visible()) list << N;
    return list;
  }
  bool anyTimerRunning() { return h.clock().nextDue() >= 0; }
  // No number in play: what the screen shows at first display and after leaving.
  void verifyIdle() {
    QVERIFY(balls(0, 40).isEmpty());
    QVERIFY(f.lblles.caption().isEmpty() && f.lblcijfer.caption().isEmpty());
    QVERIFY(f.shpbaklinks.visible() && f.shpbakrechts.visible());
    QVERIFY(f.imgoogtoe.visible() && !f.imgoogopen.visible());
    QVERIFY(shown(&frmsplitsmachine::imgbeeld).isEmpty());
    QVERIFY(shown(&frmsplitsmachine::cmdnieuw).isEmpty() && !f.cmdcontrole.visible());
    for (int N = 3; N <= 10; ++N) QVERIFY(f.cmd(N).visible() && f.cmd(N).enabled());
    QVERIFY(f.txtmult2.backColor() == White && !f.txtmult2.enabled() && f.cmdstop1.visible());
    QVERIFY(!anyTimerRunning());
    QCOMPARE(f.lblles2.caption(), QString("kies een cijfer"));
  }
};

// Position in the screen's drawing order (higher is drawn on top).
int layer(const Control& c) {
  return c.widget()->parentWidget()->children().indexOf(c.widget());
}

}  // namespace

class TestSplitMachine : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void firstDisplayIsIdleAndTakesNoAnswer() {
    Machine m;
    m.verifyIdle();
    m.type("0");  // before any number: would be judged against rest = 0
    QCOMPARE(m.f.txtmult2.text(), QString());
    QVERIFY(!m.f.cmdcontrole.visible());
  }

  void stackingFollowsTheMachine() {
    Machine m;
    auto& f = m.f;
    for (const Control* c : f.findChildren<Control*>())
      if (c != &f.Shape3 && !c->isWindowed() && c->widget())
        QVERIFY2(layer(f.Shape3) < layer(*c), qPrintable(c->objectName()));
    // Bin balls < lids < outline < hopper and shaft balls.
    for (int bin = 21; bin <= 40; ++bin) QVERIFY(layer(f.imgbol[bin]) < layer(f.shpbakrechts));
    QVERIFY(layer(f.shpbaklinks) < layer(f.Line1) && layer(f.shpbakrechts) < layer(f.Line1));
    for (int ball = 0; ball <= 20; ++ball) QVERIFY(layer(f.Line14) < layer(f.imgbol[ball]));
    QVERIFY(layer(f.imgoogtoe) < layer(f.imgoogopen));
    for (int N = 3; N <= 10; ++N) QVERIFY(layer(f.lblles) < layer(f.imgbeeld(N)));
    QVERIFY(layer(f.Shape2) < layer(f.lblcijfer) && layer(f.Shape2) < layer(f.Line15));
    QVERIFY(layer(f.Shape4) < layer(f.lblles2));
    // A click on the stop spot reaches cmdstop1.
    QCOMPARE(f.childAt(f.cmdstop1.widget()->geometry().center()), f.cmdstop1.widget());
  }

  void ballsRunOnTheTimeline_data() {
    QTest::addColumn<int>("N");
    QTest::addColumn<int>("deel");
    QTest::addColumn<QString>("dotted");
    QTest::newRow("3 as 2 + 1") << 3 << 2 << "3 = 2 + . \r\n2 + .  = 3";
    QTest::newRow("7 as 3 + 4") << 7 << 3 << "7 = 3 + . \r\n3 + .  = 7";
    QTest::newRow("10 as 9 + 1") << 10 << 9 << "10 = 9 + . \r\n9 + .  = 10";
  }
  void ballsRunOnTheTimeline() {
    QFETCH(int, N);
    QFETCH(int, deel);
    QFETCH(QString, dotted);
    Machine m;
    auto& f = m.f;
    m.choose(N, deel);
    QVERIFY(f.getal == N && f.deel == deel && f.rest == N - deel);
    QCOMPARE(f.lblcijfer.caption() + "|" + f.lblmult1.caption(), Str(N) + "|" + Str(deel));
    QCOMPARE(f.lblles2.caption(), QString());
    QCOMPARE(f.focusedControl(), &f.txtmult2);
    for (int n = 3; n <= 10; ++n) QCOMPARE(f.cmd(n).enabled(), n == N);
    for (int t = 0; t <= 900; ++t) {
      for (int k = 1; k <= N; ++k) {
        const bool dropped = t >= 300 + 50 * (k - 1);
        QVERIFY2(f.imgbol[k - 1].visible() != dropped &&
                     f.imgbol[k + 9].visible() == (dropped && t < 800),
                 qPrintable(QString("ball %1 at %2 ms").arg(k).arg(t)));
      }
      QVERIFY(m.balls(N, 9).isEmpty() && m.balls(10 + N, 20).isEmpty());
      QCOMPARE(m.balls(21, 40), range(21, 20 + deel));  // hidden under the lid until 700
      QCOMPARE(f.shpbaklinks.visible(), t < 700);
      QCOMPARE(f.lblles.caption(), t < 700 ? QString() : dotted);
      QVERIFY(f.shpbakrechts.visible() && !f.cmdcontrole.visible());
      m.h.advance(1);
    }
    for (int k = 1; k <= 10; ++k) QVERIFY(!f.tmr(k).enabled());
  }

  void rightAnswerShowsTheEquationAndStart_data() {
    QTest::addColumn<int>("N");
    QTest::addColumn<int>("deel");
    QTest::addColumn<QString>("equation");
    QTest::newRow("3 = 1 + 2") << 3 << 1 << "3 = 1 + 2\r\n1 + 2 = 3";
    QTest::newRow("7 = 3 + 4") << 7 << 3 << "7 = 3 + 4\r\n3 + 4 = 7";
    QTest::newRow("10 = 1 + 9") << 10 << 1 << "10 = 1 + 9\r\n1 + 9 = 10";
  }
  void rightAnswerShowsTheEquationAndStart() {
    QFETCH(int, N);
    QFETCH(int, deel);
    QFETCH(QString, equation);
    Machine m;
    auto& f = m.f;
    m.choose(N, deel);
    m.h.advance(900);
    m.type(Str(N - deel));
    QVERIFY(f.cmdcontrole.visible() && !f.cmdstop.visible());
    QCOMPARE(f.focusedControl(), &f.cmdcontrole);
    f.cmdcontrole.click();
    QCOMPARE(f.lblles.caption(), equation);
    QCOMPARE(m.shown(&frmsplitsmachine::cmdnieuw), QList<int>({N}));
    QCOMPARE(f.cmdnieuw(N).widget()->geometry(), f.cmdcontrole.widget()->geometry());
    QCOMPARE(f.focusedControl(), &f.cmdnieuw(N));
    QVERIFY(!f.cmdcontrole.visible());
    QCOMPARE(m.balls(21, 40), range(21, 20 + deel) + range(31, 30 + N - deel));
    QVERIFY(!f.shpbaklinks.visible() && !f.shpbakrechts.visible());
    m.h.advance(199);
    QVERIFY(!f.imgoogopen.visible());
    m.h.advance(1);
    QVERIFY(f.imgoogopen.visible());
  }

  void wrongAnswerEmptiesTheBoxUntilTheNextKeystroke() {
    Machine m;
    auto& f = m.f;
    m.choose(7, 3);
    m.h.advance(900);
    const QString dotted = f.lblles.caption();
    m.answer("5");
    QCOMPARE(f.txtmult2.text(), QString());
    QCOMPARE(f.txtmult2.backColor(), Yellow);
    QCOMPARE(f.focusedControl(), &f.txtmult2);
    QCOMPARE(m.shown(&frmsplitsmachine::imgbeeld), QList<int>({7}));
    QVERIFY(!f.cmdcontrole.visible() && m.shown(&frmsplitsmachine::cmdnieuw).isEmpty());
    QCOMPARE(f.lblles.caption(), dotted);
    m.h.advance(1000);
    QVERIFY(!f.imgoogopen.visible() && !m.anyTimerRunning());
    m.type("4");
    QVERIFY(f.cmdcontrole.visible());
    QCOMPARE(f.focusedControl(), &f.cmdcontrole);
    f.cmdcontrole.click();
    QCOMPARE(m.shown(&frmsplitsmachine::cmdnieuw), QList<int>({7}));  // judged right
    QCOMPARE(f.txtmult2.backColor(), Yellow);  // until START or a stop button
    QCOMPARE(m.shown(&frmsplitsmachine::imgbeeld), QList<int>({7}));
  }

  void answersAreReadAsNumbers_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("dutch");
    QTest::addColumn<bool>("right");
    QTest::newRow("4") << "4" << false << true;
    QTest::newRow("blanks around 4") << " 4 " << false << true;
    QTest::newRow("4,0 with a decimal comma") << "4,0" << true << true;
    QTest::newRow("a letter") << "a" << false << false;
    QTest::newRow("a digit and a letter") << "4a" << false << false;
    QTest::newRow("typed and erased") << "4\b" << false << false;
  }
  void answersAreReadAsNumbers() {
    QFETCH(QString, keys);
    QFETCH(bool, dutch);
    QFETCH(bool, right);
    QLocale::setDefault(dutch ? QLocale(QLocale::Dutch, QLocale::Netherlands) : QLocale::c());
    Machine m;
    auto& f = m.f;
    QStringList texts;  // the box's text at each Change
    f.txtmult2.Change = [&texts, &f, change = f.txtmult2.Change] {
      texts << f.txtmult2.text();
      change();
    };
    m.choose(7, 3);
    m.h.advance(900);
    for (QChar key : keys)
      if (key == '\b')
        QTest::keyClick(f.txtmult2.widget(), Qt::Key_Backspace);
      else
        m.type(QString(key));
    texts.clear();
    f.cmdcontrole.click();
    QLocale::setDefault(QLocale::c());
    QCOMPARE(m.shown(&frmsplitsmachine::cmdnieuw).size(), right ? 1 : 0);
    QCOMPARE(f.txtmult2.backColor(), right ? White : Yellow);
    if (!right) QCOMPARE(texts, QStringList({"0", ""}));  // judged as 0, then emptied
  }

  void carBeforeTheEndFreezesTheRun() {
    Machine m;
    auto& f = m.f;
    m.choose(7, 3);
    m.h.advance(450);  // balls 1 to 4 have dropped
    m.answer("4");
    m.h.advance(3000);
    QCOMPARE(m.balls(0, 20), range(4, 6) + range(10, 13));
    QVERIFY(f.shpbaklinks.visible());                                 // the left lid never opened
    QCOMPARE(m.shown(&frmsplitsmachine::cmdnieuw), QList<int>({7}));  // judged right
    QVERIFY(f.imgoogopen.visible());
    QVERIFY(!f.tmrbak1.enabled() && !f.tmreinde.enabled() && !f.tmr5.enabled());
  }

  void chosenNumberAgainMidTurnKeepsTheRunningTimers() {
    Machine m;
    auto& f = m.f;
    m.choose(7, 3);
    m.h.advance(750);
    m.type("2");
    m.choose(7, 5);
    QCOMPARE(f.lblmult1.caption(), QString("5"));
    QCOMPARE(f.txtmult2.text(), QString());
    QVERIFY(f.cmdcontrole.visible() && !f.cmdstop.visible());  // through Change
    QVERIFY(!f.shpbaklinks.visible());  // still open: the new part shows at once
    QCOMPARE(m.balls(0, 40), range(0, 6) + range(21, 25));
    m.h.advance(50);  // the run still ends at 800 ms
    QVERIFY(!f.tmr1.enabled() && m.balls(10, 20).isEmpty());
    m.h.advance(600);  // tmrbak1's second tick, at 1400 ms, writes the new split
    QCOMPARE(f.lblles.caption(), QString("7 = 5 + . \r\n5 + .  = 7"));
  }

  void startAfterARightAnswerRunsTheSameNumberAgain() {
    Machine m;
    auto& f = m.f;
    m.choose(7, 3);
    m.h.advance(900);
    m.answer("1");  // wrong first: the box turns yellow
    m.answer("4");
    m.h.advance(300);
    m.start(7, 2);
    QVERIFY(f.getal == 7 && f.deel == 2);
    QCOMPARE(f.lblles.caption(), QString());
    QVERIFY(!f.imgoogopen.visible() && f.imgoogtoe.visible());
    QVERIFY(f.shpbaklinks.visible() && f.shpbakrechts.visible());
    QCOMPARE(f.txtmult2.backColor(), White);
    QVERIFY(m.shown(&frmsplitsmachine::imgbeeld).isEmpty());
    QVERIFY(m.shown(&frmsplitsmachine::cmdnieuw).isEmpty() && !f.cmdcontrole.visible());
    QCOMPARE(m.balls(0, 40), range(0, 6) + range(21, 22));
    for (int n = 3; n <= 10; ++n) QCOMPARE(f.cmd(n).enabled(), n == 7);
    QCOMPARE(f.focusedControl(), &f.txtmult2);
    m.h.advance(700);
    QCOMPARE(f.lblles.caption(), QString("7 = 2 + . \r\n2 + .  = 7"));
  }

  void leavingStopsEverythingAndALaterVisitStartsIdle_data() {
    QTest::addColumn<int>("when");
    QTest::addColumn<QString>("answer");
    QTest::newRow("mid-run") << 500 << "";
    QTest::newRow("after a wrong answer") << 900 << "2";
    QTest::newRow("after a right answer") << 900 << "4";
  }
  void leavingStopsEverythingAndALaterVisitStartsIdle() {
    QFETCH(int, when);
    QFETCH(QString, answer);
    Machine m;
    auto& f = m.f;
    m.choose(7, 3);
    m.h.advance(when);
    if (!answer.isEmpty()) {
      m.answer(answer);
      QVERIFY(!f.cmdstop.visible());
      f.cmdstop1.click();  // ends the number and uncovers cmdstop
      for (int N = 3; N <= 10; ++N) QVERIFY(f.cmd(N).enabled());
      QVERIFY(!f.cmdstop1.visible() && !f.cmdcontrole.visible());
      QVERIFY(m.shown(&frmsplitsmachine::cmdnieuw).isEmpty());
      QCOMPARE(f.lblles2.caption(), QString("kies een cijfer\r\n of STOP "));
      QCOMPARE(f.childAt(f.cmdstop.widget()->geometry().center()), f.cmdstop.widget());
    }
    f.cmdstop.click();
    QCOMPARE(f.lblles2.caption(), QString());
    QVERIFY(!m.anyTimerRunning());
    m.h.advance(5000);
    f.Show();
    m.verifyIdle();
    QVERIFY(f.getal == 0 && f.deel == 0 && f.rest == 0);
  }
};

QTEST_MAIN(TestSplitMachine)
#include "tst_split_machine.moc"
