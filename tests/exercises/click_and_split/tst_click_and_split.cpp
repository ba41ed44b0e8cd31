// Click and split: choosing a number, walking from 0 + N to N + 0, checking, and
// leaving for the chooser and coming back.

#include <QTest>

#include "exercises/click_and_split/frmsleepsplits.h"
#include "shell/frmkiesbasis.h"
#include "shell/mdiform2.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

// Clicks as a child does: at the centre of the button's place on screen, so whatever
// is shown there takes the click.
void press(frmsleepsplits& f, const CommandButton& button) {
  const QPoint centre =
      toPixels(button.left(), button.top(), button.width(), button.height()).center();
  QWidget* target = f.childAt(centre);
  QVERIFY2(target == button.widget(), qPrintable(button.objectName() + " is not on top"));
  QTest::mouseClick(target, Qt::LeftButton);
}

CommandButton& numberButton(frmsleepsplits& f, int n) {
  return Harness::control<CommandButton>(f, "cmdsplits" + Str(n));
}

// How many squares of a group are shown, and the first `n` of them in `colour` and
// the rest white; -1 when the colours are not laid out that way.
int shownInColour(ControlArray<Shape>& squares, quint32 colour) {
  int n = 0, shown = 0;
  for (auto& [k, square] : squares) {
    if (!square->visible()) continue;
    ++shown;
    if (square->backColor() == colour && n == k - 1)
      ++n;
    else if (square->backColor() != White)
      return -1;
  }
  return shown == 10 ? n : shown == 0 ? 0 : -1;
}

bool anyShown(ControlArray<Shape>& squares) {
  for (auto& [k, square] : squares)
    if (square->visible()) return true;
  return false;
}

// The number buttons and the stop button, shown or hidden together.
bool choiceShown(frmsleepsplits& f, bool shown) {
  for (int n = 2; n <= 10; ++n)
    if (numberButton(f, n).visible() != shown) return false;
  return f.cmdstop.visible() == shown;
}

// The three buttons that share one place.
int stackedShown(frmsleepsplits& f) {
  return int(f.cmdstart[0].visible()) + int(f.cmdstart[1].visible()) +
         int(f.cmdcontroleer.visible());
}

void verifyChoosing(frmsleepsplits& f) {
  QVERIFY(choiceShown(f, true));
  QCOMPARE(stackedShown(f), 0);
  QCOMPARE(shownInColour(f.shpgetalbeeld, DarkTeal), 0);
  QVERIFY(anyShown(f.shpgetalbeeld));
  QVERIFY(!anyShown(f.shpeen) && !anyShown(f.shptwee));
  QVERIFY(!f.lblcijfer[0].visible() && !f.lblcijfer[1].visible());
  QVERIFY(!f.lnelinks[0].visible() && !f.lnelinks[1].visible());
  QCOMPARE(f.lblcontrole.caption(), QString());
  QCOMPARE(f.deeleen, 0);
}

void verifyReady(frmsleepsplits& f, int n) {
  QVERIFY(choiceShown(f, false));
  QVERIFY(f.cmdstart[0].visible());
  QCOMPARE(stackedShown(f), 1);
  QCOMPARE(shownInColour(f.shpgetalbeeld, DarkTeal), n);
  QCOMPARE(shownInColour(f.shpeen, Blue), 0);
  QCOMPARE(shownInColour(f.shptwee, Red), 0);
  QVERIFY(anyShown(f.shpeen) && anyShown(f.shptwee));
  QVERIFY(f.lnelinks[0].visible() && f.lnelinks[1].visible());
  QVERIFY(!f.lblcijfer[0].visible() && !f.lblcijfer[1].visible());
  QCOMPARE(f.lblcontrole.caption(), QString());
}

// The board during a walk of n at the split left + (n - left).
void verifyWalk(frmsleepsplits& f, int n, int left) {
  QVERIFY(choiceShown(f, false));
  QCOMPARE(stackedShown(f), 1);
  QCOMPARE(shownInColour(f.shpgetalbeeld, DarkTeal), n);
  QCOMPARE(shownInColour(f.shpeen, Blue), left);
  QCOMPARE(shownInColour(f.shptwee, Red), n - left);
  QVERIFY(f.lblcijfer[0].visible() && f.lblcijfer[1].visible());
  QCOMPARE(f.lblcijfer[0].caption(), Str(shownInColour(f.shpeen, Blue)));
  QCOMPARE(f.lblcijfer[1].caption(), Str(shownInColour(f.shptwee, Red)));
  QCOMPARE(f.lblcontrole.caption(), Str(left) + " + " + Str(n - left) + " = " + Str(n));
}

}  // namespace

class TestClickAndSplit : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void theChoosersOwlOpensTheScreenInChoosing() {
    Harness h;
    auto& f = h.openFromChooser<frmsleepsplits>("cmdsplits2");
    QVERIFY(f.isVisible());
    QCOMPARE(f.caption(), QString("Klik en splits"));
    verifyChoosing(f);
  }

  void numberTwoWalksInTwoSteps() {
    Harness h;
    auto& f = h.show<frmsleepsplits>();
    press(f, f.cmdsplits2);
    press(f, f.cmdstart[0]);
    QCOMPARE(f.lblcontrole.caption(), QString("0 + 2 = 2"));
    QCOMPARE(f.shptwee[1].backColor(), Red);
    QCOMPARE(f.shptwee[2].backColor(), Red);
    QCOMPARE(f.shptwee[3].backColor(), White);
    press(f, f.cmdstart[1]);
    QCOMPARE(f.lblcontrole.caption(), QString("1 + 1 = 2"));
    press(f, f.cmdstart[1]);
    QCOMPARE(f.lblcontrole.caption(), QString("2 + 0 = 2"));
    QCOMPARE(f.shpeen[1].backColor(), Blue);
    QCOMPARE(f.shpeen[2].backColor(), Blue);
    QCOMPARE(shownInColour(f.shptwee, Red), 0);
    QCOMPARE(f.lblcijfer[0].caption(), QString("2"));
    QCOMPARE(f.lblcijfer[1].caption(), QString("0"));
    QVERIFY(!f.cmdstart[1].visible());
    QVERIFY(f.cmdcontroleer.visible());
  }

  void numberTenTakesTenStepsToTenBlueSquares() {
    Harness h;
    auto& f = h.show<frmsleepsplits>();
    press(f, f.cmdsplits10);
    QCOMPARE(shownInColour(f.shpgetalbeeld, DarkTeal), 10);
    press(f, f.cmdstart[0]);
    QCOMPARE(shownInColour(f.shptwee, Red), 10);
    for (int step = 1; step <= 9; ++step) press(f, f.cmdstart[1]);
    QVERIFY(f.cmdstart[1].visible());
    QCOMPARE(f.lblcontrole.caption(), QString("9 + 1 = 10"));
    press(f, f.cmdstart[1]);
    QCOMPARE(f.lblcontrole.caption(), QString("10 + 0 = 10"));
    QCOMPARE(shownInColour(f.shpeen, Blue), 10);
    QVERIFY(f.cmdcontroleer.visible());
  }

  // Every walk from Ready to Done and back to Choosing: squares, labels and sum agree
  // at every step, the number buttons and stop stay away, and only one of the three
  // stacked buttons shows.
  void everyWalkKeepsSquaresLabelsAndSumTogether_data() {
    QTest::addColumn<int>("n");
    for (int n = 2; n <= 10; ++n) QTest::newRow(qPrintable("walk " + Str(n))) << n;
  }
  void everyWalkKeepsSquaresLabelsAndSumTogether() {
    QFETCH(int, n);
    Harness h;
    auto& f = h.show<frmsleepsplits>();
    QCOMPARE(numberButton(f, n).caption(), Str(n));
    QCOMPARE(numberButton(f, n).toolTipText(), "splits " + Str(n));
    press(f, numberButton(f, n));
    QCOMPARE(f.getal, n);
    verifyReady(f, n);
    press(f, f.cmdstart[0]);
    verifyWalk(f, n, 0);
    for (int left = 1; left <= n; ++left) {
      QVERIFY2(f.cmdstart[1].visible(), qPrintable("step " + Str(left)));
      press(f, f.cmdstart[1]);
      verifyWalk(f, n, left);
      QCOMPARE(f.deeltwee, n - left);
      QCOMPARE(f.cmdcontroleer.visible(), left == n);
    }
    press(f, f.cmdcontroleer);
    verifyChoosing(f);
    // The next number starts from a white picture, whatever came before.
    press(f, f.cmdsplits2);
    verifyReady(f, 2);
  }

  // Stop leaves the chooser usable even if it was not.
  void stopEnablesTheChooser() {
    Harness h;
    screens::frmkiesbasis().setEnabled(false);
    auto& f = h.show<frmsleepsplits>();
    press(f, f.cmdstop);
    QVERIFY(screens::frmkiesbasis().isEnabled());
  }

  void leavingAndReopeningStartsInChoosing() {
    Harness h;
    auto& f = h.openFromChooser<frmsleepsplits>("cmdsplits2");
    auto& chooser = screens::frmkiesbasis();
    for (int visit = 1; visit <= 2; ++visit) {
      press(f, f.cmdsplits5);
      press(f, f.cmdstart[0]);
      for (int step = 1; step <= 5; ++step) press(f, f.cmdstart[1]);
      press(f, f.cmdcontroleer);
      press(f, f.cmdstop);
      chooser.cmdsplits2.click();
      QVERIFY(f.isVisible());
      verifyChoosing(f);
    }
  }
};

QTEST_MAIN(TestClickAndSplit)
#include "tst_click_and_split.moc"
