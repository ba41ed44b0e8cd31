// Look and split: choosing a number, the random split, the two rows of digit keys, the
// colour verdicts with the reward, and the two ways back (same number, another number).

#include <QTest>

#include "exercises/look_and_split/frmsplits1.h"
#include "shell/frmkiesbasis.h"
#include "shell/frmmecenaat1.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

const char* const kNumberNames[] = {"drie",  "vier", "vijf",  "zes",
                                    "zeven", "acht", "negen", "tien"};

CommandButton& numberButton(frmsplits1& f, int n) {
  return Harness::control<CommandButton>(f, QStringLiteral("cmd%1").arg(kNumberNames[n - 3]));
}
Image& numberPicture(frmsplits1& f, int n) {
  return Harness::control<Image>(f, QStringLiteral("img%1").arg(kNumberNames[n - 3]));
}
CommandButton& leftKey(frmsplits1& f, int k) {
  return Harness::control<CommandButton>(f, QStringLiteral("cmdlinks%1").arg(k));
}
CommandButton& rightKey(frmsplits1& f, int k) {
  return Harness::control<CommandButton>(f, QStringLiteral("cmdrechts%1").arg(k));
}

int visibleCount(ControlArray<Image>& pictures) {
  int count = 0;
  for (int i = pictures.lowest(); i <= pictures.highest(); ++i) count += pictures[i].visible();
  return count;
}
// True when exactly the members 0 .. n-1 show.
bool firstShown(ControlArray<Image>& pictures, int n) {
  for (int i = pictures.lowest(); i <= pictures.highest(); ++i)
    if (pictures[i].visible() != (i < n)) return false;
  return true;
}
int visibleNumberButtons(frmsplits1& f) {
  int count = 0;
  for (int n = 3; n <= 10; ++n) count += numberButton(f, n).visible();
  return count;
}

// Picks n, splits it with a first part scripted to `first`, as the child does.
void split(Harness& h, frmsplits1& f, int n, int first) {
  numberPicture(f, n).click();
  h.random().then({drawFor(first, n)});
  numberButton(f, n).click();
}

// No colour, stroke, frame or reward of a verdict is left.
void verifyNoMarks(frmsplits1& f) {
  for (Label* part : {&f.lbleen, &f.lbleenb, &f.lblsplits1, &f.lbltwee, &f.lbltweeb, &f.lblsplits2})
    QCOMPARE(part->backColor(), Straw);
  QCOMPARE(f.Line1.borderColor(), Black);
  QCOMPARE(f.Line2.borderColor(), Black);
  QVERIFY(!f.lineongelijk1.visible());
  QVERIFY(!f.lineongelijk2.visible());
  QCOMPARE(f.shprand.borderColor(), Rust);
  QCOMPARE(visibleCount(f.imgpop), 0);
}

}  // namespace

class TestLookAndSplit : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void verdicts_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("a");           // drawn first part
    QTest::addColumn<int>("x");           // clicked first digit
    QTest::addColumn<int>("y");           // clicked second digit
    QTest::addColumn<quint32>("first");   // colour of the first-part labels and left leg
    QTest::addColumn<quint32>("second");  // colour of the second-part labels and right leg
    QTest::addColumn<bool>("strokes");
    QTest::addColumn<quint32>("frame");
    QTest::addColumn<bool>("reward");

    QTest::newRow("3 + 4: right") << 7 << 3 << 3 << 4 << Tangerine << Tangerine << false << Rust
                                  << true;
    QTest::newRow("3 + 4 answered 4 + 3: swapped")
        << 7 << 3 << 4 << 3 << Tangerine << Tangerine << false << Red << false;
    QTest::newRow("3 + 4 answered 5 + 2: sum right, parts wrong")
        << 7 << 3 << 5 << 2 << Tangerine << Tangerine << false << Red << false;
    QTest::newRow("3 + 4 answered 3 + 2: second wrong")
        << 7 << 3 << 3 << 2 << Straw << Red << true << Rust << false;
    QTest::newRow("3 + 4 answered 2 + 4: first wrong")
        << 7 << 3 << 2 << 4 << Red << Straw << true << Rust << false;
    QTest::newRow("3 + 4 answered 1 + 2: both wrong")
        << 7 << 3 << 1 << 2 << Red << Red << true << Red << false;
    QTest::newRow("0 + 5: a drawn 0 answered 0")
        << 5 << 0 << 0 << 5 << Tangerine << Tangerine << false << Rust << true;
    QTest::newRow("2 + 8 of ten: right")
        << 10 << 2 << 2 << 8 << Tangerine << Tangerine << false << Rust << true;
  }
  void verdicts() {
    QFETCH(int, n);
    QFETCH(int, a);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(quint32, first);
    QFETCH(quint32, second);
    QFETCH(bool, strokes);
    QFETCH(quint32, frame);
    QFETCH(bool, reward);

    Harness h;
    frmsplits1& f = h.show<frmsplits1>();
    split(h, f, n, a);
    QCOMPARE(f.deel1, a);
    QCOMPARE(f.deel2, n - a);

    // The first digit alone already shows whether it matches its dots.
    leftKey(f, x).click();
    const quint32 afterFirst = x == a ? Straw : Red;
    for (Label* part : {&f.lbleen, &f.lbleenb, &f.lblsplits1})
      QCOMPARE(part->backColor(), afterFirst);
    QCOMPARE(f.Line1.borderColor(), x == a ? Black : Red);
    QCOMPARE(f.lineongelijk1.visible(), x != a);
    QCOMPARE(f.lineongelijk2.visible(), x != a);

    h.random().then({drawFor(5, 8)});
    rightKey(f, y).click();
    for (Label* part : {&f.lbleen, &f.lbleenb, &f.lblsplits1}) QCOMPARE(part->backColor(), first);
    for (Label* part : {&f.lbltwee, &f.lbltweeb, &f.lblsplits2})
      QCOMPARE(part->backColor(), second);
    QCOMPARE(f.Line1.borderColor(), first == Straw ? Black : first);
    QCOMPARE(f.Line2.borderColor(), second == Straw ? Black : second);
    QCOMPARE(f.lineongelijk1.visible(), strokes);
    QCOMPARE(f.lineongelijk2.visible(), strokes);
    QCOMPARE(f.shprand.borderColor(), frame);
    QCOMPARE(visibleCount(f.imgpop), reward ? 1 : 0);
    if (reward) QVERIFY(f.imgpop[5].visible());

    // The diagram and both sums read the answer.
    QCOMPARE(f.lblstartgetal.caption(), Str(n));
    QCOMPARE(f.lblsplits1.caption() + "+" + f.lblsplits2.caption(), Str(x) + "+" + Str(y));
    QCOMPARE(f.lblsom1.caption() + "=" + f.lbleen.caption() + "+" + f.lbltwee.caption(),
             Str(n) + "=" + Str(x) + "+" + Str(y));
    QCOMPARE(f.lbleenb.caption() + "+" + f.lbltweeb.caption() + "=" + f.lblsom2.caption(),
             Str(x) + "+" + Str(y) + "=" + Str(n));
    QCOMPARE(f.lblgetal1.caption() + "+" + f.lblgetal2.caption(), Str(x) + "+" + Str(y));
    QVERIFY(f.cmdallesweg.visible());
    QVERIFY(f.cmdkies.visible());
    for (int k = 0; k <= 10; ++k) QVERIFY(!rightKey(f, k).visible());
  }

  void everyNumberOffersKeysUpToItselfAndTheRightRowWaits_data() {
    QTest::addColumn<int>("n");
    for (int n = 3; n <= 10; ++n) QTest::newRow(qPrintable(Str(n))) << n;
  }
  void everyNumberOffersKeysUpToItselfAndTheRightRowWaits() {
    QFETCH(int, n);
    Harness h;
    frmsplits1& f = h.show<frmsplits1>();
    numberPicture(f, n).click();
    QCOMPARE(visibleNumberButtons(f), 1);
    QVERIFY(numberButton(f, n).visible());
    QVERIFY(firstShown(f.imgboltotaal, n));
    QVERIFY(!f.cmdstop.visible());

    const int a = (n - 1) / 2;
    h.random().then({drawFor(a, n)});
    numberButton(f, n).click();
    QCOMPARE(visibleNumberButtons(f), 0);
    QVERIFY(firstShown(f.imgboltotaal, n));
    QVERIFY(firstShown(f.imgbol, a));
    QVERIFY(firstShown(f.imgbolrest, n - a));
    QCOMPARE(f.lblhint.caption(), Str(n));
    for (int k = 0; k <= 10; ++k) {
      QCOMPARE(leftKey(f, k).visible(), k <= n);
      QCOMPARE(rightKey(f, k).visible(), k <= n);
      if (k <= n) QVERIFY(!rightKey(f, k).enabled());
    }
    // Only four offers "same number" before any digit is given.
    QCOMPARE(f.cmdallesweg.visible(), n == 4);
    QVERIFY(!f.cmdkies.visible());

    rightKey(f, n - a).click();  // refused: the right row waits for the first digit
    QCOMPARE(f.lblgetal2.caption(), QString());

    leftKey(f, a).click();
    for (int k = 0; k <= 10; ++k) {
      QVERIFY(!leftKey(f, k).visible());
      QCOMPARE(rightKey(f, k).visible(), k <= n);
      QVERIFY(rightKey(f, k).enabled());
    }
  }

  void aDrawnZeroShowsNoDotsInTheFirstGroup() {
    Harness h;
    frmsplits1& f = h.show<frmsplits1>();
    split(h, f, 6, 0);
    QCOMPARE(f.lblmult1.caption(), QString("0"));
    QCOMPARE(f.lblmult2.caption(), QString("6"));
    QCOMPARE(visibleCount(f.imgbol), 0);
    QVERIFY(firstShown(f.imgbolrest, 6));
    QVERIFY(!f.lblmult1.visible());
    QVERIFY(!f.lblmult2.visible());
    QVERIFY(!f.lblhint.visible());
  }

  void fourOffersTheSameNumberBeforeAnyDigit() {
    Harness h;
    frmsplits1& f = h.show<frmsplits1>();
    split(h, f, 4, 1);
    f.cmdallesweg.click();
    QVERIFY(f.cmdvier.visible());
    QCOMPARE(visibleNumberButtons(f), 1);
    QVERIFY(firstShown(f.imgboltotaal, 4));
    QCOMPARE(visibleCount(f.imgbol) + visibleCount(f.imgbolrest), 0);
    for (int k = 0; k <= 10; ++k) QVERIFY(!leftKey(f, k).visible() && !rightKey(f, k).visible());
    QVERIFY(!f.Line1.visible() && !f.Line3.visible());
    QCOMPARE(f.lblstartgetal.caption(), QString());
    QVERIFY(!f.cmdallesweg.visible());

    h.random().then({drawFor(3, 4)});
    f.cmdvier.click();
    QCOMPARE(f.deel1, 3);
    QVERIFY(firstShown(f.imgbolrest, 1));
  }

  void bottomButtonsLeaveNoMark_data() {
    QTest::addColumn<bool>("right");  // right answer with reward, or both parts wrong
    QTest::addColumn<bool>("same");   // "same number" or "another number"
    QTest::newRow("reward, same number") << true << true;
    QTest::newRow("reward, another number") << true << false;
    QTest::newRow("all red, same number") << false << true;
    QTest::newRow("all red, another number") << false << false;
  }
  void bottomButtonsLeaveNoMark() {
    QFETCH(bool, right);
    QFETCH(bool, same);
    Harness h;
    frmsplits1& f = h.show<frmsplits1>();
    split(h, f, 8, 3);
    leftKey(f, right ? 3 : 1).click();
    h.random().then({drawFor(7, 8)});
    rightKey(f, right ? 5 : 1).click();
    QCOMPARE(f.imgpop[7].visible(), right);
    QCOMPARE(f.shprand.borderColor(), right ? Rust : Red);

    (same ? f.cmdallesweg : f.cmdkies).click();
    verifyNoMarks(f);
    for (Label* l : {&f.lbleen, &f.lbleenb, &f.lbltwee, &f.lbltweeb, &f.lblsom1, &f.lblsom2,
                     &f.lblgelijk1, &f.lblgelijk2, &f.lblplus, &f.lblplusb, &f.lblplus2})
      QVERIFY(!l->visible());
    for (Label* l : {&f.lblstartgetal, &f.lblsplits1, &f.lblsplits2, &f.lblgetal1, &f.lblgetal2,
                     &f.lblmult1, &f.lblmult2})
      QCOMPARE(l->caption(), QString());
    for (Line* l : {&f.Line1, &f.Line2, &f.Line3, &f.Line4}) QVERIFY(!l->visible());
    QCOMPARE(visibleCount(f.imgbol) + visibleCount(f.imgbolrest), 0);
    QVERIFY(!f.cmdallesweg.visible());
    QVERIFY(!f.cmdkies.visible());
    if (same) {
      QVERIFY(f.cmdacht.visible());
      QCOMPARE(visibleNumberButtons(f), 1);
      QVERIFY(firstShown(f.imgboltotaal, 8));
      QCOMPARE(f.lblhint.caption(), QString("8"));
      QVERIFY(!f.cmdstop.visible());
    } else {
      QCOMPARE(visibleNumberButtons(f), 0);
      QCOMPARE(visibleCount(f.imgboltotaal), 0);
      QCOMPARE(f.lblhint.caption(), QString());
      for (int n = 3; n <= 10; ++n) QVERIFY(numberPicture(f, n).visible());
      QVERIFY(f.cmdstop.visible());
    }
  }

  void aChildNeverSeesTwoNumberButtons() {
    Harness h;
    frmsplits1& f = h.show<frmsplits1>();
    auto check = [&f] { return visibleNumberButtons(f) <= 1; };
    const int numbers[] = {4, 9, 3, 10, 4};
    for (int n : numbers) {
      numberPicture(f, n).click();
      QVERIFY(check());
      for (int other = 3; other <= 10; ++other) numberPicture(f, other).click();  // all hidden
      QVERIFY(check());
      for (int round = 0; round < 2; ++round) {
        h.random().then({drawFor(round, n)});
        numberButton(f, n).click();
        QVERIFY(check());
        leftKey(f, round).click();
        rightKey(f, n - round).click();
        QVERIFY(check());
        f.cmdallesweg.click();
        QCOMPARE(visibleNumberButtons(f), 1);
      }
      numberButton(f, n).click();
      leftKey(f, 0).click();
      rightKey(f, 0).click();
      f.cmdkies.click();
      QCOMPARE(visibleNumberButtons(f), 0);
    }
  }

  void stopGoesBackAndTheNextVisitHasNoStopButton() {
    Harness h;
    frmsplits1& f = h.openFromChooser<frmsplits1>("cmdsplits1");
    QVERIFY(f.isVisible());
    QVERIFY(f.cmdstop.visible());

    f.cmdstop.click();

    screens::frmkiesbasis().cmdsplits1.click();
    QVERIFY(f.isVisible());
    for (int n = 3; n <= 10; ++n) QVERIFY(numberPicture(f, n).visible());
    QVERIFY(!f.cmdstop.visible());
    QCOMPARE(visibleNumberButtons(f), 0);

    // A finished split and "another number" bring the stop button back.
    split(h, f, 5, 2);
    leftKey(f, 2).click();
    rightKey(f, 3).click();
    f.cmdkies.click();
    QVERIFY(f.cmdstop.visible());
  }

  void everyControlLiesOnTheForm() {
    Harness h;
    frmsplits1& f = h.show<frmsplits1>();
    for (auto* c : f.findChildren<BoxControl*>()) {
      QVERIFY2(c->left() >= 0 && c->top() >= 0, qPrintable(c->objectName()));
      QVERIFY2(c->left() + c->width() <= f.clientWidth(), qPrintable(c->objectName()));
      QVERIFY2(c->top() + c->height() <= f.clientHeight(), qPrintable(c->objectName()));
    }
    // The reward figures lie inside the white reward square.
    for (int i = 0; i <= 7; ++i) {
      const QRect square(f.Shape6.left(), f.Shape6.top(), f.Shape6.width(), f.Shape6.height());
      const QRect figure(f.imgpop[i].left(), f.imgpop[i].top(), f.imgpop[i].width(),
                         f.imgpop[i].height());
      QVERIFY(square.contains(figure));
    }
  }
};

QTEST_MAIN(TestLookAndSplit)
#include "tst_look_and_split.moc"
