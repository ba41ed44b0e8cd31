// Split series: choosing a number, building its series button by button, restarting
// with another number, and leaving and coming back.

#include <QFontMetrics>
#include <QTest>

#include "exercises/split_series/frmsplitsrijenA.h"
#include "shell/frmkiesbasis.h"
#include "shell/frmmecenaat1.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

int visibleGreenDots(frmsplitsrijenA& f) {
  int n = 0;
  for (auto& [i, dot] : f.shpbol)
    if (dot->visible() && dot->backColor() == Green) ++n;
  return n;
}

QList<int> shownButtons(frmsplitsrijenA& f) {
  QList<int> shown;
  for (auto& [i, button] : f.cmdstart)
    if (button->visible()) shown << i;
  return shown;
}

// The split buttons a child can click: shown and enabled.
QList<int> clickableButtons(frmsplitsrijenA& f) {
  QList<int> clickable;
  for (auto& [i, button] : f.cmdstart)
    if (button->visible() && button->enabled()) clickable << i;
  return clickable;
}

QList<int> upTo(int last) {
  QList<int> list;
  for (int i = 0; i <= last; ++i) list << i;
  return list;
}

}  // namespace

class TestSplitSeries : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void opensIdleWithGreyDots() {
    Harness h;
    auto& f = h.openFromChooser<frmsplitsrijenA>("cmdflits");
    QVERIFY(f.isVisible());
    QCOMPARE(f.caption(), QString("splitsing memoriseren"));
    QVERIFY(shownButtons(f).isEmpty());
    QCOMPARE(visibleGreenDots(f), 0);
    QVERIFY(!f.shpbol[0].visible());
    QCOMPARE(f.lblstartgetal.caption(), QString());
    QCOMPARE(f.lblmemo[0].caption(), QString());
  }

  void seriesGrowsOneLinePerClick_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QList<int>>("clickableAfter");

    QTest::newRow("0, the single split") << 0 << 1 << "0 = 0 + 0"
                                         << "0"
                                         << "0" << QList<int>{};
    QTest::newRow("4 after three clicks") << 4 << 3 << "4 = 0 + 4\r\n4 = 1 + 3\r\n4 = 2 + 2"
                                          << "2"
                                          << "2" << QList<int>{3};
    QTest::newRow("10 complete")
        << 10 << 11
        << "10 = 0 + 10\r\n10 = 1 + 9\r\n10 = 2 + 8\r\n10 = 3 + 7\r\n10 = 4 + 6\r\n"
           "10 = 5 + 5\r\n10 = 6 + 4\r\n10 = 7 + 3\r\n10 = 8 + 2\r\n10 = 9 + 1\r\n10 = 10 + 0"
        << "10"
        << "0" << QList<int>{};
  }

  void seriesGrowsOneLinePerClick() {
    QFETCH(int, number);
    QFETCH(int, clicks);
    QFETCH(QString, list);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QList<int>, clickableAfter);

    Harness h;
    auto& f = h.program().form<frmsplitsrijenA>();
    f.Show();
    f.cmdgetal[number].click();
    QCOMPARE(visibleGreenDots(f), number);
    QCOMPARE(f.lblstartgetal.caption(), QString::number(number));
    QCOMPARE(shownButtons(f), upTo(number));
    for (int k = 0; k < clicks; ++k) {
      QCOMPARE(clickableButtons(f), QList<int>{k});    // only the next button
      if (k + 1 <= number) f.cmdstart[k + 1].click();  // out of order: ignored
      QCOMPARE(f.lblmemo[0].caption().count("\r\n"), k == 0 ? 0 : k - 1);
      f.cmdstart[k].click();
      QCOMPARE(f.lblmemo[0].caption().count("\r\n"), k);
    }
    QCOMPARE(f.lblmemo[0].caption(), list);
    QCOMPARE(f.lblsplits1.caption(), first);
    QCOMPARE(f.lblsplits2.caption(), second);
    QCOMPARE(clickableButtons(f), clickableAfter);
    QCOMPARE(shownButtons(f), upTo(number));
    QCOMPARE(f.lblstartgetal.caption(), QString::number(number));
  }

  void newNumberMidSeriesStartsAgainAtTheFirstButton() {
    Harness h;
    auto& f = h.program().form<frmsplitsrijenA>();
    f.Show();
    f.cmdgetal[7].click();
    for (int k = 0; k < 3; ++k) f.cmdstart[k].click();
    f.cmdgetal[3].click();
    QCOMPARE(f.getal, 3);
    QCOMPARE(visibleGreenDots(f), 3);
    QCOMPARE(f.lblstartgetal.caption(), QString("3"));
    QCOMPARE(f.lblsplits1.caption(), QString());
    QCOMPARE(f.lblsplits2.caption(), QString());
    QCOMPARE(f.lblmemo[0].caption(), QString());
    QCOMPARE(shownButtons(f), upTo(3));
    QCOMPARE(clickableButtons(f), QList<int>{0});
    f.cmdstart[0].click();
    QCOMPARE(f.lblmemo[0].caption(), QString("3 = 0 + 3"));

    // A larger number after a complete smaller series: no button left enabled from before.
    for (int k = 1; k <= 3; ++k) f.cmdstart[k].click();
    f.cmdgetal[9].click();
    QCOMPARE(clickableButtons(f), QList<int>{0});
    QCOMPARE(shownButtons(f), upTo(9));
  }

  void stopAndReturnComesBackIdleWithThePreviousDots() {
    Harness h;
    auto& f = h.openFromChooser<frmsplitsrijenA>("cmdflits");
    f.cmdgetal[5].click();
    f.cmdstart[0].click();
    f.cmdstart[1].click();
    f.cmdstop.click();

    screens::frmkiesbasis().cmdflits.click();
    QVERIFY(f.isVisible());
    QVERIFY(shownButtons(f).isEmpty());
    QCOMPARE(f.lblstartgetal.caption(), QString());
    QCOMPARE(f.lblsplits1.caption(), QString());
    QCOMPARE(f.lblsplits2.caption(), QString());
    QCOMPARE(f.lblmemo[0].caption(), QString());
    QCOMPARE(visibleGreenDots(f), 5);

    f.cmdgetal[2].click();
    QCOMPARE(visibleGreenDots(f), 2);
    QCOMPARE(clickableButtons(f), QList<int>{0});
  }

  void theCompleteSeriesOfTenFitsTheList() {
    Harness h;
    auto& f = h.program().form<frmsplitsrijenA>();
    f.Show();  // a hidden screen drops every click, and the list would stay empty
    f.cmdgetal[10].click();
    for (int k = 0; k <= 10; ++k) f.cmdstart[k].click();
    QVERIFY(f.lblmemo[0].caption().endsWith("\r\n10 = 10 + 0"));
    const QFontMetrics metrics(toQFont({"Arial", 21.75}));
    const QRect needed = metrics.boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignCenter,
                                              f.lblmemo[0].caption().replace("\r\n", "\n"));
    QVERIFY2(needed.height() <= toPixels(f.lblmemo[0].height()),
             qPrintable(QString::number(needed.height())));
    QVERIFY(needed.width() <= toPixels(f.lblmemo[0].width()));
  }

  void everyButtonTakesARealClickAtItsCentre() {
    Harness h;
    auto& f = h.program().form<frmsplitsrijenA>();
    f.Show();
    for (int n = 0; n <= 10; ++n) {
      QWidget* key = f.cmdgetal[n].widget();
      QCOMPARE(f.childAt(key->geometry().center()), key);
      QTest::mouseClick(key, Qt::LeftButton);
      QCOMPARE(f.getal, n);
    }
    for (int k = 0; k <= 10; ++k) {
      QWidget* button = f.cmdstart[k].widget();
      QCOMPARE(f.childAt(button->geometry().center()), button);
      QTest::mouseClick(button, Qt::LeftButton);
    }
    QVERIFY(f.lblmemo[0].caption().endsWith("\r\n10 = 10 + 0"));
  }
};

QTEST_MAIN(TestSplitSeries)
#include "tst_split_series.moc"
