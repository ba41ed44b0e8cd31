// Split memorising: the list of splits, the timed walk on the timer chain and the stop.

#include <QTest>

#include "exercises/split_memorising/frmsplits2.h"
#include "shell/frmkiesbasis.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

int runningTimers(frmsplits2& f) {
  int running = 0;
  for (int k = 0; k <= 11; ++k) running += f.tmr(k).enabled() ? 1 : 0;
  return running;
}

// Frame k has a red border exactly when k < red.
bool redFrames(frmsplits2& f, int red) {
  for (int k = 0; k <= 9; ++k)
    if (f.shpwaarde[k].borderColor() != (k < red ? Red : DeepBlue)) return false;
  return true;
}

bool shownUpTo(frmsplits2& f, int n) {
  for (int k = 0; k <= 9; ++k)
    if (f.shpwaarde[k].visible() != (k < n) || f.imgwaarde[k].visible() != (k < n)) return false;
  return true;
}

QStringList visibleList(frmsplits2& f) {
  QStringList lines;
  for (int k = 0; k <= 10; ++k)
    if (f.txtcijfersplits[k].visible()) lines << f.txtcijfersplits[k].text();
  return lines;
}

}  // namespace

class TestSplitMemorising : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void firstShowHasAllFramesAndPicturesAndNothingRunning() {
    Harness h;
    auto& f = h.show<frmsplits2>();
    QVERIFY(shownUpTo(f, 10));
    QVERIFY(redFrames(f, 0));
    QCOMPARE(visibleList(f), QStringList(11, QString()));
    for (int k = 0; k <= 10; ++k) QVERIFY(!f.txtcijfersplits[k].enabled());
    QCOMPARE(f.lblbord.caption(), QString());
    QCOMPARE(f.lblsplits2.caption(), QString());
    QCOMPARE(f.lblinfor.caption(), QString("Klik een cijfer, kijk en zeg mee "));
    for (int n = 2; n <= 10; ++n) QVERIFY(!f.opt(n).value());
    QCOMPARE(runningTimers(f), 0);
    for (int k = 0; k <= 11; ++k) QCOMPARE(f.tmr(k).interval(), k == 0 ? 10 : 1250 * k);
  }

  void optionTwoWalksToTwoAndRests() {
    Harness h;
    auto& f = h.show<frmsplits2>();
    f.opt2.click();
    QCOMPARE(f.lblsplits2.caption(), QString("2"));
    QVERIFY(shownUpTo(f, 2));
    h.advance(9);
    QCOMPARE(f.lblbord.caption(), QString());
    h.advance(1);
    QCOMPARE(f.lblbord.caption(), QString("0 + . "));
    QVERIFY(redFrames(f, 0));
    h.advance(1249);
    QCOMPARE(f.lblbord.caption(), QString("0 + . "));
    h.advance(1);
    QCOMPARE(f.lblbord.caption(), QString("1 + . "));
    QVERIFY(redFrames(f, 1));
    h.advance(2499);
    QCOMPARE(f.lblbord.caption(), QString("1 + . "));
    h.advance(1);
    QCOMPARE(f.lblbord.caption(), QString("2 + . "));
    QVERIFY(redFrames(f, 2));
    QCOMPARE(runningTimers(f), 0);
    h.advance(100000);
    QCOMPARE(f.lblbord.caption(), QString("2 + . "));
    QVERIFY(f.opt2.value());
  }

  void anotherOptionDuringTheWalkStartsAgain() {
    Harness h;
    auto& f = h.show<frmsplits2>();
    f.opt7.click();
    h.advance(10 + 1250 + 2500 + 3750);  // step 3
    QCOMPARE(f.lblbord.caption(), QString("3 + . "));
    QVERIFY(redFrames(f, 3));
    f.opt4.click();
    QVERIFY(!f.opt7.value());
    QVERIFY(shownUpTo(f, 4));
    QVERIFY(redFrames(f, 0));
    QCOMPARE(f.lblbord.caption(), QString());
    QCOMPARE(f.lblsplits.caption(), QString("4"));
    QCOMPARE(visibleList(f).size(), 5);
    h.advance(10);
    QCOMPARE(f.lblbord.caption(), QString("0 + . "));
    h.advance(1250 + 2500 + 3750 + 5000);
    QCOMPARE(f.lblbord.caption(), QString("4 + . "));
    QVERIFY(redFrames(f, 4));
    QCOMPARE(runningTimers(f), 0);
  }

  void learningButtonDuringTheWalkStopsIt_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("board");
    QTest::newRow("5 empties the board") << 5 << QString();
    QTest::newRow("10 keeps the board") << 10 << QString("2 + . ");
  }
  void learningButtonDuringTheWalkStopsIt() {
    QFETCH(int, n);
    QFETCH(QString, board);
    Harness h;
    auto& f = h.show<frmsplits2>();
    f.opt7.click();
    h.advance(10 + 1250 + 2500);  // step 2
    f.cmd(n).click();
    QCOMPARE(runningTimers(f), 0);
    QCOMPARE(f.lblbord.caption(), board);
    QVERIFY(shownUpTo(f, n));
    QVERIFY(redFrames(f, 0));
    for (int m = 2; m <= 10; ++m) QVERIFY(!f.opt(m).value());
    QCOMPARE(f.lblsplits2.caption(), Str(n));
    QCOMPARE(f.lblinfor.caption(), "leer alle splitsingen van " + Str(n) + " ");
    h.advance(100000);
    QCOMPARE(f.lblbord.caption(), board);
  }

  void listRunsFromZeroPlusNToNPlusZero_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("n");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("10") << 0 << 10
                        << QStringList{" 0  +  10 ", " 1  +   9 ", " 2  +   8 ", " 3  +   7 ",
                                       " 4  +   6 ", " 5  +   5 ", " 6  +   4 ", " 7  +   3 ",
                                       " 8  +   2 ", " 9  +   1 ", "10  +   0 "};
    QTest::newRow("9 after 10") << 10 << 9
                                << QStringList{" 0  +  9 ", " 1  +  8 ", " 2  +  7 ", " 3  +  6 ",
                                               " 4  +  5 ", " 5  +  4 ", " 6  +  3 ", " 7  +  2 ",
                                               " 8  +  1 ", " 9  +  0 "};
    QTest::newRow("3 after 9") << 9 << 3
                               << QStringList{" 0  +  3 ", " 1  +  2 ", " 2  +  1 ", " 3  +  0 "};
  }
  void listRunsFromZeroPlusNToNPlusZero() {
    QFETCH(int, before);
    QFETCH(int, n);
    QFETCH(QStringList, lines);
    Harness h;
    auto& f = h.show<frmsplits2>();
    if (before) f.opt(before).click();
    f.opt(n).click();
    QCOMPARE(visibleList(f), lines);
    // A "LEER " button lists the same.
    f.cmd(n).click();
    QCOMPARE(visibleList(f), lines);
  }

  void stopDuringTheWalkEndsItAndReopensEmpty() {
    Harness h;
    auto& f = h.show<frmsplits2>();
    f.opt5.click();
    h.advance(10 + 1250);  // step 1
    f.cmdstop2.click();
    QCOMPARE(runningTimers(f), 0);
    QCOMPARE(f.lblbord.caption(), QString());
    h.advance(200000);
    QCOMPARE(f.lblbord.caption(), QString());
    f.Show();
    QVERIFY(shownUpTo(f, 0));
    QCOMPARE(f.lblsplits2.caption(), QString());
    QCOMPARE(f.lblinfor.caption(), QString(" "));
    for (int n = 2; n <= 10; ++n) QVERIFY(!f.opt(n).value());
    // The number and its list of the last visit stay.
    QCOMPARE(f.lblsplits.caption(), QString("5"));
    QCOMPARE(visibleList(f).size(), 6);
  }

  void atMostOneTimerRunsAndTheWalkOfTenNeverStartsTheLast() {
    Harness h;
    auto& f = h.show<frmsplits2>();
    f.opt3.click();
    QCOMPARE(runningTimers(f), 1);
    h.advance(1300);
    f.cmd6.click();
    QCOMPARE(runningTimers(f), 0);
    f.opt10.click();
    QCOMPARE(runningTimers(f), 1);
    // The walk of 10 reaches "10 + . " 10 ms + 55 x 1250 ms after the click.
    const qint64 end = 10 + 55 * 1250;
    for (qint64 t = 5; t < end; t += 5) {
      h.advance(5);
      QVERIFY2(runningTimers(f) == 1, qPrintable(QString::number(t)));
    }
    QCOMPARE(f.lblbord.caption(), QString("9 + . "));
    h.advance(5);
    QCOMPARE(f.lblbord.caption(), QString("10 + . "));
    QVERIFY(redFrames(f, 10));
    QCOMPARE(runningTimers(f), 0);
  }
};

QTEST_MAIN(TestSplitMemorising)
#include "tst_split_memorising.moc"
