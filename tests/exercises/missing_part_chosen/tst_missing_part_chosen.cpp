// Missing part for a chosen number: choosing, the draw, judging typed answers, same number
// again, a new series and the way back to the chooser.

#include <QTest>

#include "exercises/missing_part_chosen/frmsleepsplits2.h"
#include "shell/frmkiesbasis.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

// Chooses number n with the draws of `script`.
void choose(Harness& h, frmsleepsplits2& f, int n, std::initializer_list<float> script) {
  h.random().then(script);
  f.cmdsplits(n).click();
}

void type(frmsleepsplits2& f, const QString& text) {
  QTest::keyClicks(f.txtantwoord.widget(), text);
}

int countColoured(ControlArray<Shape>& grid, quint32 colour) {
  int n = 0;
  for (int i = 1; i <= 10; ++i)
    if (grid[i].visible() && grid[i].backColor() == colour) ++n;
  return n;
}

void verifyChoosing(frmsleepsplits2& f) {
  for (int n = 2; n <= 10; ++n) QVERIFY(f.cmdsplits(n).visible());
  QVERIFY(f.cmdstop.visible());
  QVERIFY(f.lblkies.visible() && f.imgpijl.visible() && f.Shape2.visible());
  QVERIFY(!f.txtantwoord.visible());
  QVERIFY(!f.cmdcontroleer.visible());
  QVERIFY(!f.cmdstart.visible());
  QVERIFY(!f.cmdreeks.visible());
  QCOMPARE(countColoured(f.shpgetalbeeld, White), 10);
  for (int i = 1; i <= 10; ++i) QVERIFY(!f.shpeen[i].visible() && !f.shptwee[i].visible());
  QVERIFY(!f.lblcijfer[0].visible() && !f.lblcijfer[1].visible());
  QVERIFY(!f.lnelinks[0].visible() && !f.lnelinks[1].visible());
  QCOMPARE(f.lblcontrole.caption(), QString());
  QCOMPARE(f.lbltop[0].caption(), QString());
}

// Position of a control's widget in its screen's drawing order (higher is in front).
qsizetype depth(const Control& c) {
  return c.widget()->parentWidget()->children().indexOf(c.widget());
}

}  // namespace

class TestMissingPartChosen : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void opensInTheChoosingState() {
    Harness h;
    frmsleepsplits2& f = h.show<frmsleepsplits2>();
    verifyChoosing(f);
    QCOMPARE(f.caption(), QStringLiteral("Klik en splits"));
    QCOMPARE(f.lblkies.caption(), QStringLiteral("kies"));
    QCOMPARE(f.Label1.caption(), QStringLiteral("nieuw cijfer kiezen"));
    QCOMPARE(f.cmdsplits(7).caption(), QStringLiteral("7"));
    QCOMPARE(f.cmdsplits(7).toolTipText(), QStringLiteral("splits 7"));
  }

  void drawingOrderPutsThePromptAndTheBoxInFront_data() {
    QTest::addColumn<int>("back");
    QTest::addColumn<int>("front");
    QTest::newRow("kies over its white square") << 0 << 1;
    QTest::newRow("arrow over its white square") << 0 << 2;
    QTest::newRow("diagram legs over the diagram") << 3 << 4;
    QTest::newRow("frame around the series button on top") << 5 << 6;
    QTest::newRow("answer box over the red digit") << 7 << 8;
  }
  void drawingOrderPutsThePromptAndTheBoxInFront() {
    QFETCH(int, back);
    QFETCH(int, front);
    Harness h;
    frmsleepsplits2& f = h.show<frmsleepsplits2>();
    const Control* controls[] = {&f.Shape2,    &f.lblkies,      &f.imgpijl,
                                 &f.lbltop[0], &f.lnelinks[2],  &f.Label1,
                                 &f.Shape8,    &f.lblcijfer[1], &f.txtantwoord};
    QVERIFY(depth(*controls[back]) < depth(*controls[front]));
  }

  // Each number's draw, the exercise it shows and its right answer.
  void exerciseFromDrawToRightAnswer_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<int>("a");
    QTest::newRow("7 with a = 0: the answer is the whole number")
        << 7 << QList<float>{drawFor(0, 10)} << 0;
    QTest::newRow("7 with a = 7: the answer is 0, no red squares")
        << 7 << QList<float>{drawFor(7, 10)} << 7;
    QTest::newRow("8 as 3 + 5") << 8 << QList<float>{drawFor(3, 10)} << 3;
    QTest::newRow("2 redrawn while a > 2")
        << 2 << QList<float>{drawFor(9, 10), drawFor(3, 10), drawFor(2, 10)} << 2;
    QTest::newRow("5 redrawn while a > 5")
        << 5 << QList<float>{drawFor(6, 10), drawFor(1, 10)} << 1;
    QTest::newRow("9 takes a = 9 at once") << 9 << QList<float>{drawFor(9, 10)} << 9;
    QTest::newRow("10 with a = 10 in one draw of eleven")
        << 10 << QList<float>{drawFor(10, 11)} << 10;
    QTest::newRow("10 with a = 0") << 10 << QList<float>{drawFor(0, 11)} << 0;
  }
  void exerciseFromDrawToRightAnswer() {
    QFETCH(int, n);
    QFETCH(QList<float>, draws);
    QFETCH(int, a);
    const int b = n - a;
    Harness h;
    frmsleepsplits2& f = h.show<frmsleepsplits2>();
    for (float d : draws) h.random().then({d});
    f.cmdsplits(n).click();

    QCOMPARE(h.random().remaining(), 0);
    QCOMPARE(f.lblcontrole.caption(), Str(a) + " +  ?  = " + Str(n));
    QCOMPARE(f.lbltop[0].caption(), Str(n));
    QCOMPARE(f.lbltop[1].caption(), Str(a));
    QCOMPARE(f.lbltop[2].caption(), QStringLiteral("?"));
    QCOMPARE(countColoured(f.shpgetalbeeld, DarkTeal), n);
    QCOMPARE(countColoured(f.shpeen, Blue), a);
    QCOMPARE(countColoured(f.shptwee, White), 10);
    QVERIFY(f.lblcijfer[0].visible());
    QCOMPARE(f.lblcijfer[0].caption(), Str(a));
    QVERIFY(!f.lblcijfer[1].visible());
    QVERIFY(f.txtantwoord.visible());
    QCOMPARE(f.txtantwoord.text(), QString());
    QCOMPARE(f.focusedControl(), &f.txtantwoord);
    QVERIFY(!f.lblkies.visible() && !f.imgpijl.visible() && !f.Shape2.visible());
    for (int k = 2; k <= 10; ++k) QVERIFY(!f.cmdsplits(k).visible());
    QVERIFY(!f.cmdstop.visible());
    QVERIFY(!f.cmdcontroleer.visible());

    type(f, Str(b));
    QVERIFY(f.cmdcontroleer.visible());
    f.cmdcontroleer.click();

    QVERIFY(!f.txtantwoord.visible());
    QVERIFY(f.lblcijfer[1].visible());
    QCOMPARE(f.lblcijfer[1].caption(), Str(b));
    QCOMPARE(countColoured(f.shptwee, Red), b);
    QCOMPARE(countColoured(f.shptwee, White), 10 - b);
    QCOMPARE(f.lblcontrole.caption(),
             Str(a) + " + " + Str(b) + " = " + Str(n) + "   dat is goed !");
    QCOMPARE(f.lbltop[2].caption(), Str(b));
    QVERIFY(!f.cmdcontroleer.visible());
    QVERIFY(f.cmdstart.visible());
    QVERIFY(f.cmdreeks.visible());
    QCOMPARE(f.gekozengetal, n);
  }

  // 7 as 0 + 7: the answer is compared as a number.
  void answerIsJudgedAsANumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<bool>("right");
    QTest::newRow("7") << "7" << true << true;
    QTest::newRow("07 typed") << "07" << true << true;
    QTest::newRow("blank before 7, pasted") << " 7" << false << true;
    QTest::newRow("blank after 7, typed") << "7 " << true << true;
    QTest::newRow("70") << "70" << true << false;
    QTest::newRow("6") << "6" << true << false;
  }
  void answerIsJudgedAsANumber() {
    QFETCH(QString, text);
    QFETCH(bool, typed);
    QFETCH(bool, right);
    Harness h;
    frmsleepsplits2& f = h.show<frmsleepsplits2>();
    choose(h, f, 7, {drawFor(0, 10)});
    if (typed)
      type(f, text);
    else
      f.txtantwoord.setText(text);
    QCOMPARE(f.txtantwoord.text(), text);
    f.cmdcontroleer.click();
    QCOMPARE(f.cmdstart.visible(), right);
    QCOMPARE(f.txtantwoord.visible(), !right);
    if (!right) {
      QCOMPARE(f.txtantwoord.text(), QString());
      QVERIFY(!f.cmdcontroleer.visible());
      QCOMPARE(f.lblcontrole.caption(), QStringLiteral("0 +  ?  = 7"));
    }
  }

  void aLetterWipesTheWholeBox_data() {
    QTest::addColumn<QString>("keys");
    QTest::newRow("letter after a digit") << "4a";
    QTest::newRow("letter after two digits") << "10x";
    QTest::newRow("letter alone") << "k";
  }
  void aLetterWipesTheWholeBox() {
    QFETCH(QString, keys);
    Harness h;
    frmsleepsplits2& f = h.show<frmsleepsplits2>();
    choose(h, f, 6, {drawFor(2, 10)});
    type(f, keys.chopped(1));
    QCOMPARE(f.cmdcontroleer.visible(), keys.size() > 1);
    type(f, keys.right(1));
    QCOMPARE(f.txtantwoord.text(), QString());
    QVERIFY(!f.cmdcontroleer.visible());
    QCOMPARE(f.focusedControl(), &f.txtantwoord);
  }

  void clickingTheBoxEmptiesIt() {
    Harness h;
    frmsleepsplits2& f = h.show<frmsleepsplits2>();
    choose(h, f, 6, {drawFor(2, 10)});
    type(f, "3");
    QTest::mouseClick(f.txtantwoord.widget(), Qt::LeftButton);
    QCOMPARE(f.txtantwoord.text(), QString());
    QVERIFY(!f.cmdcontroleer.visible());
  }

  void newSeriesButtonStaysThroughWrongTries() {
    Harness h;
    frmsleepsplits2& f = h.show<frmsleepsplits2>();
    choose(h, f, 6, {drawFor(2, 10)});
    QVERIFY(!f.cmdreeks.visible());
    for (const char* wrong : {"3", "5", "0"}) {
      type(f, wrong);
      f.cmdcontroleer.click();
      QVERIFY(f.cmdreeks.visible());
      QVERIFY(!f.cmdstart.visible());
      QVERIFY(f.txtantwoord.visible());
      QCOMPARE(countColoured(f.shptwee, White), 10);
    }
    type(f, "4");
    f.cmdcontroleer.click();
    QVERIFY(f.cmdreeks.visible());
    QVERIFY(f.cmdstart.visible());
  }

  void sameNumberAgainDrawsANewSplit() {
    Harness h;
    frmsleepsplits2& f = h.show<frmsleepsplits2>();
    choose(h, f, 8, {drawFor(3, 10)});
    type(f, "5");
    f.cmdcontroleer.click();
    h.random().then({drawFor(9, 10), drawFor(6, 10)});
    f.cmdstart.click();
    QCOMPARE(h.random().remaining(), 0);
    QCOMPARE(f.getal, 8);
    QCOMPARE(f.lblcontrole.caption(), QStringLiteral("6 +  ?  = 8"));
    QCOMPARE(countColoured(f.shptwee, White), 10);
    QVERIFY(!f.cmdstart.visible() && !f.cmdreeks.visible());
    QVERIFY(!f.lblkies.visible());
    QVERIFY(f.txtantwoord.visible());
    QCOMPARE(f.txtantwoord.text(), QString());
    QVERIFY(!f.cmdcontroleer.visible());
    QVERIFY(!f.cmdstop.visible());
  }

  // After a wrong try the box is not left behind: nothing could be judged there.
  void newSeriesGoesBackToChoosingWithoutTheBox() {
    Harness h;
    frmsleepsplits2& f = h.show<frmsleepsplits2>();
    choose(h, f, 6, {drawFor(2, 10)});
    type(f, "3");
    f.cmdcontroleer.click();
    f.cmdreeks.click();
    verifyChoosing(f);
  }

  void reactivationAbandonsTheExercise() {
    Harness h;
    frmsleepsplits2& f = h.show<frmsleepsplits2>();
    choose(h, f, 6, {drawFor(2, 10)});
    type(f, "3");
    f.Hide();
    f.Show();
    verifyChoosing(f);
  }

  // Stop leaves the screen choosing, and the chooser usable even if it was not.
  void stopLeavesTheScreenChoosingAndTheChooserEnabled() {
    Harness h;
    screens::frmkiesbasis().setEnabled(false);
    frmsleepsplits2& f = h.show<frmsleepsplits2>();
    f.cmdstop.click();
    QVERIFY(screens::frmkiesbasis().isEnabled());
    verifyChoosing(f);
  }
};

QTEST_MAIN(TestMissingPartChosen)
#include "tst_missing_part_chosen.moc"
