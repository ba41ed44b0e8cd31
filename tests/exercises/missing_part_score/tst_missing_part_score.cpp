// Missing part with help and score: the draw without zero parts, the exact-text judging,
// help once per exercise, the running score and the way back to Ready.

#include <QSet>
#include <QTest>

#include "exercises/missing_part_score/frmsleepsplits3.h"
#include "shell/frmkiesbasis.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

// The draws that give the split a + ? = n at once.
QList<float> drawsFor(int a, int n) {
  return {drawFor(a - 1, 10), drawFor(n - 1, 10)};
}

void start(Harness& h, frmsleepsplits3& f, const QList<float>& draws) {
  for (float d : draws) h.random().then({d});
  f.cmdstart.click();
}

void type(frmsleepsplits3& f, const QString& text) {
  QTest::keyClicks(f.txtantwoord.widget(), text);
}

void verifyScore(frmsleepsplits3& f, int made, int right) {
  QCOMPARE(f.lblgemaakt.caption(), Str(made));
  QCOMPARE(f.lbljuist.caption(), Str(right));
  QCOMPARE(f.lblfout.caption(), Str(made - right));
}

void verifyReady(frmsleepsplits3& f) {
  QVERIFY(f.cmdstart.visible());
  QVERIFY(f.cmdstop.visible());
  QVERIFY(!f.cmdcontroleer.visible());
  QVERIFY(!f.cmdhulp.visible());
  QVERIFY(!f.txtantwoord.visible());
  QVERIFY(!f.lblcijfer[1].visible());
  QVERIFY(!f.lnelinks[2].visible() && !f.lnelinks[3].visible());
  for (int i = 1; i <= 10; ++i)
    QVERIFY(f.shpgetalbeeld[i].visible() && f.shpgetalbeeld[i].backColor() == White);
  QCOMPARE(f.lblcontrole.caption(), QString());
  QCOMPARE(f.lbltop[0].caption(), QString());
  QCOMPARE(f.lbltop[1].caption(), QString());
}

QList<quint32> imageColours(frmsleepsplits3& f) {
  QList<quint32> colours;
  for (int i = 1; i <= 10; ++i) colours << f.shpgetalbeeld[i].backColor();
  return colours;
}

QList<quint32> repeated(std::initializer_list<std::pair<int, quint32>> runs) {
  QList<quint32> colours;
  for (const auto& [count, colour] : runs) colours << QList<quint32>(count, colour);
  return colours;
}

}  // namespace

class TestMissingPartScore : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void opensReadyWithAZeroScore() {
    Harness h;
    frmsleepsplits3& f = h.show<frmsleepsplits3>();
    verifyReady(f);
    verifyScore(f, 0, 0);
    QCOMPARE(f.caption(), QStringLiteral("Klik en splits"));
    QCOMPARE(f.lblgem.caption(), QStringLiteral("gemaakt"));
    QCOMPARE(f.lbljui.caption(), QStringLiteral("juist"));
    QCOMPARE(f.lblfou.caption(), QStringLiteral("fout"));
    QCOMPARE(f.cmdstart.toolTipText(), QStringLiteral("alle splitsingen "));
    QCOMPARE(f.cmdhulp.toolTipText(), QStringLiteral("help me"));
    QCOMPARE(f.txtmult3.text(), QStringLiteral("Text1"));
    QVERIFY(!f.txtmult3.visible());
    QVERIFY(!f.lbltop[2].visible());
  }

  // Draws that would give a zero part (or a part of 10) are drawn again.
  void drawIsRepeatedUntilNoPartIsZero_data() {
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("n");
    QTest::newRow("2 is always 1 + 1") << drawsFor(1, 2) << 1 << 2;
    QTest::newRow("a = N is drawn again") << drawsFor(4, 4) + drawsFor(3, 7) << 3 << 7;
    QTest::newRow("a > N is drawn again") << drawsFor(6, 2) + drawsFor(2, 9) << 2 << 9;
    QTest::newRow("N = 1 is drawn again") << drawsFor(1, 1) + drawsFor(9, 10) << 9 << 10;
    QTest::newRow("a = 10 is drawn again")
        << drawsFor(10, 10) + drawsFor(10, 3) + drawsFor(5, 5) + drawsFor(1, 10) << 1 << 10;
    QTest::newRow("a generator stuck on 0 cannot hang the screen") << QList<float>{} << 1 << 2;
    QTest::newRow("stuck on a = 10: one draw over the 45 splits")
        << QList<float>(2000, drawFor(9, 10)) + QList<float>{drawFor(44, 45)} << 9 << 10;
  }
  void drawIsRepeatedUntilNoPartIsZero() {
    QFETCH(QList<float>, draws);
    QFETCH(int, a);
    QFETCH(int, n);
    Harness h;
    frmsleepsplits3& f = h.show<frmsleepsplits3>();
    const int seeds = h.random().randomizeCount();
    start(h, f, draws);
    QCOMPARE(h.random().remaining(), 0);
    QCOMPARE(h.random().randomizeCount(), seeds + 1);
    QCOMPARE(f.deeleen, a);
    QCOMPARE(f.getal, n);
    QCOMPARE(f.deeltwee, n - a);
  }

  // Every pair of draws either gives a split without a zero part or is drawn again; the
  // accepted pairs are exactly the 45 splits of 2 to 10.
  void everyPairOfDrawsGivesASplitWithoutZero() {
    Harness h;
    frmsleepsplits3& f = h.show<frmsleepsplits3>();
    QSet<QPair<int, int>> splits;
    for (int i = 0; i < 10; ++i) {
      for (int j = 0; j < 10; ++j) {
        h.random().then({drawFor(i, 10), drawFor(j, 10)});
        h.random().then({drawFor(0, 10), drawFor(4, 10)});  // 1 + 4 = 5 when redrawn
        f.cmdstart.click();
        const bool accepted = h.random().remaining() == 2;
        QCOMPARE(accepted, i + 1 <= 9 && i < j);
        QVERIFY(f.deeleen >= 1 && f.deeltwee >= 1);
        QCOMPARE(f.deeleen + f.deeltwee, f.getal);
        if (accepted) splits.insert({f.deeleen, f.getal});
        type(f, Str(f.deeltwee));
        f.cmdcontroleer.click();
        QVERIFY(f.cmdstart.visible());
        while (h.random().remaining() > 0) h.random().rnd();
      }
    }
    QCOMPARE(splits.size(), 45);
    verifyScore(f, 100, 100);
  }

  void exerciseShowsNumberImageDiagramAndSum() {
    Harness h;
    frmsleepsplits3& f = h.show<frmsleepsplits3>();
    start(h, f, drawsFor(3, 7));
    QCOMPARE(f.lblcontrole.caption(), QStringLiteral("3 +  ?  = 7"));
    QCOMPARE(f.lbltop[0].caption(), QStringLiteral("7"));
    QCOMPARE(f.lbltop[1].caption(), QStringLiteral("3"));
    QCOMPARE(f.lbltop[2].caption(), QStringLiteral("?"));
    QCOMPARE(imageColours(f), repeated({{7, DarkTeal}, {3, White}}));
    QVERIFY(f.lblcijfer[1].visible());
    QCOMPARE(f.lblcijfer[1].caption(), QStringLiteral("4"));
    QCOMPARE(f.txtmult3.text(), QStringLiteral("4"));
    QVERIFY(f.txtantwoord.visible());
    QCOMPARE(f.focusedControl(), &f.txtantwoord);
    QVERIFY(f.cmdhulp.visible());
    QVERIFY(!f.cmdstart.visible());
    QVERIFY(!f.cmdcontroleer.visible());
    QVERIFY(f.lnelinks[2].visible() && f.lnelinks[3].visible());
    QVERIFY(f.cmdstop.visible());
  }

  // 1 + 7 = 8: only the exact digits of 7 are right.
  void answerIsComparedAsExactText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<bool>("right");
    QTest::newRow("7") << "7" << true << true;
    QTest::newRow("07") << "07" << true << false;
    QTest::newRow("blank before 7, pasted") << " 7" << false << false;
    QTest::newRow("blank after 7") << "7 " << true << false;
    QTest::newRow("6") << "6" << true << false;
  }
  void answerIsComparedAsExactText() {
    QFETCH(QString, text);
    QFETCH(bool, typed);
    QFETCH(bool, right);
    Harness h;
    frmsleepsplits3& f = h.show<frmsleepsplits3>();
    start(h, f, drawsFor(1, 8));
    if (typed)
      type(f, text);
    else
      f.txtantwoord.setText(text);
    QCOMPARE(f.txtantwoord.text(), text);
    f.cmdcontroleer.click();
    verifyScore(f, 1, right ? 1 : 0);
    QCOMPARE(f.txtantwoord.visible(), !right);
    QCOMPARE(f.cmdstart.visible(), right);
    QCOMPARE(f.cmdcontroleer.visible(), !right);
    if (right) {
      QCOMPARE(f.lblcontrole.caption(), QStringLiteral("1 + 7 = 8   dat is goed !"));
      QCOMPARE(f.lbltop[2].caption(), QStringLiteral("7"));
      QVERIFY(!f.cmdhulp.visible());
    } else {
      QCOMPARE(f.txtantwoord.text(), QString());
      QCOMPARE(f.lblcontrole.caption(), QStringLiteral("1 +  ?  = 8"));
      QVERIFY(f.cmdhulp.visible());
    }
  }

  void aLetterWipesTheBoxButShowsTheCheckButton() {
    Harness h;
    frmsleepsplits3& f = h.show<frmsleepsplits3>();
    start(h, f, drawsFor(2, 6));
    type(f, "4x");
    QCOMPARE(f.txtantwoord.text(), QString());
    QVERIFY(f.cmdcontroleer.visible());
    QCOMPARE(f.focusedControl(), &f.txtantwoord);
  }

  void twoChecksOnAnEmptyBoxAreTwoWrongAttempts() {
    Harness h;
    frmsleepsplits3& f = h.show<frmsleepsplits3>();
    start(h, f, drawsFor(2, 6));
    type(f, "4");
    QTest::mouseClick(f.txtantwoord.widget(), Qt::LeftButton);  // clicking empties the box
    QCOMPARE(f.txtantwoord.text(), QString());
    f.cmdcontroleer.click();
    f.cmdcontroleer.click();
    verifyScore(f, 2, 0);
    QVERIFY(f.cmdcontroleer.visible());
    QVERIFY(f.txtantwoord.visible());
  }

  void helpColoursTheKnownPartOnce() {
    Harness h;
    frmsleepsplits3& f = h.show<frmsleepsplits3>();
    start(h, f, drawsFor(3, 7));
    f.cmdhulp.click();
    QCOMPARE(imageColours(f), repeated({{3, Blue}, {4, DarkTeal}, {3, White}}));
    QVERIFY(!f.cmdhulp.visible());
    QCOMPARE(f.focusedControl(), &f.txtantwoord);
    verifyScore(f, 0, 0);
  }

  void helpIsGoneAfterARightAnswerAndBackForTheNextExercise() {
    Harness h;
    frmsleepsplits3& f = h.show<frmsleepsplits3>();
    start(h, f, drawsFor(3, 7));
    type(f, "4");
    f.cmdcontroleer.click();
    QVERIFY(!f.cmdhulp.visible());
    start(h, f, drawsFor(2, 5));
    QVERIFY(f.cmdhulp.visible());
    QCOMPARE(imageColours(f), repeated({{5, DarkTeal}, {5, White}}));
    QCOMPARE(f.lblcontrole.caption(), QStringLiteral("2 +  ?  = 5"));
    // The box held the last answer, so emptying it shows the check button at once.
    QCOMPARE(f.txtantwoord.text(), QString());
    QVERIFY(f.cmdcontroleer.visible());
  }

  // Wrong, empty, right and help in a row of exercises: the counters always add up.
  void wrongIsAlwaysMadeMinusRight() {
    Harness h;
    frmsleepsplits3& f = h.show<frmsleepsplits3>();
    struct Step {
      QList<float> draws;  // a new exercise first, when given
      const char* answer;  // typed before the check ("" checks the box as it is)
      bool help;
      int made, right;
    };
    const Step steps[] = {
        {drawsFor(3, 7), "5", false, 1, 0},
        {{}, "4", true, 2, 1},
        {drawsFor(1, 2), "", false, 3, 1},
        {{}, "2", false, 4, 1},
        {{}, "1", false, 5, 2},
        {drawsFor(4, 10), "6", true, 6, 3},
        {drawsFor(8, 9), "01", false, 7, 3},
        {{}, "1", false, 8, 4},
    };
    for (const Step& s : steps) {
      if (!s.draws.isEmpty()) start(h, f, s.draws);
      if (s.help) f.cmdhulp.click();
      type(f, s.answer);
      f.cmdcontroleer.click();
      verifyScore(f, s.made, s.right);
      QCOMPARE(f.lblfout.caption().toInt(),
               f.lblgemaakt.caption().toInt() - f.lbljuist.caption().toInt());
    }
  }

  void stopMidExerciseAndComingBackShowsReadyWithAZeroScore() {
    Harness h;
    frmsleepsplits3& f = h.show<frmsleepsplits3>();
    start(h, f, drawsFor(2, 6));
    type(f, "3");
    f.cmdcontroleer.click();
    f.cmdhulp.click();
    type(f, "9");
    f.cmdstop.click();
    verifyReady(f);
    verifyScore(f, 1, 0);  // kept while away
    f.Show();              // as the chooser's button does
    verifyReady(f);
    verifyScore(f, 0, 0);
    start(h, f, drawsFor(2, 6));
    QVERIFY(f.cmdhulp.visible());
  }

  // Coming back to the screen during an exercise abandons it altogether.
  void reactivationDuringAnExerciseGoesBackToReady() {
    Harness h;
    frmsleepsplits3& f = h.show<frmsleepsplits3>();
    start(h, f, drawsFor(2, 6));
    type(f, "5");
    f.cmdcontroleer.click();
    f.Hide();
    f.Show();
    verifyReady(f);
    verifyScore(f, 0, 0);
  }
};

QTEST_MAIN(TestMissingPartScore)
#include "tst_missing_part_score.moc"
