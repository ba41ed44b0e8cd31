// Split friends: the left column and friends of every number, checking a row right or
// wrong, typing and clicking into boxes, a new number and the stop button.

#include <QTest>

#include "exercises/split_friends/frmsplitsrijenB.h"
#include "shell/frmkiesbasis.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

// Opens the screen and clicks START with the draw that gives `n`.
frmsplitsrijenB& startWith(Harness& h, int n) {
  auto& form = h.program().form<frmsplitsrijenB>();
  form.Show();
  h.random().then({drawFor(n - 1, 9)});
  form.cmdstart.click();
  return form;
}

// The friend typed into row `row` as a child does, then checked.
void typeAndCheck(frmsplitsrijenB& form, int row, const QString& typed) {
  QTest::keyClicks(form.txtsplis[row].widget(), typed);
  form.cmdeen[row].click();
}

QList<int> visibleDots(frmsplitsrijenB& form) {
  QList<int> dots;
  for (int i = 0; i <= 10; ++i)
    if (form.shpbol[i].visible()) dots << i;
  return dots;
}

QList<int> greenDots(frmsplitsrijenB& form) {
  QList<int> dots;
  for (int i = 0; i <= 10; ++i)
    if (form.shpbol[i].backColor() == BrightGreen) dots << i;
  return dots;
}

QList<int> range(int first, int last) {
  QList<int> list;
  for (int i = first; i <= last; ++i) list << i;
  return list;
}

}  // namespace

class TestSplitFriends : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void everyNumberHasItsLeftColumnAndFriends_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("left");
    QTest::addColumn<QList<int>>("friends");
    QTest::newRow("1") << 1 << QList<int>{0, 1} << QList<int>{1, 0};
    QTest::newRow("2") << 2 << QList<int>{2, 1, 1} << QList<int>{0, 1, 1};
    QTest::newRow("3") << 3 << QList<int>{2, 1, 2, 3} << QList<int>{1, 2, 1, 0};
    QTest::newRow("4") << 4 << QList<int>{2, 1, 4, 3, 3} << QList<int>{2, 3, 0, 1, 1};
    QTest::newRow("5") << 5 << QList<int>{2, 1, 4, 3, 4, 5} << QList<int>{3, 4, 1, 2, 1, 0};
    QTest::newRow("6") << 6 << QList<int>{2, 1, 4, 3, 6, 5, 5} << QList<int>{4, 5, 2, 3, 0, 1, 1};
    QTest::newRow("7") << 7 << QList<int>{2, 1, 4, 3, 6, 5, 7, 6}
                       << QList<int>{5, 6, 3, 4, 1, 2, 0, 1};
    QTest::newRow("8") << 8 << QList<int>{2, 1, 4, 3, 6, 5, 7, 8, 7}
                       << QList<int>{6, 7, 4, 5, 2, 3, 1, 0, 1};
    QTest::newRow("9") << 9 << QList<int>{2, 1, 4, 3, 6, 5, 7, 8, 9, 8}
                       << QList<int>{7, 8, 5, 6, 3, 4, 2, 1, 0, 1};
  }

  void everyNumberHasItsLeftColumnAndFriends() {
    QFETCH(int, n);
    QFETCH(QList<int>, left);
    QFETCH(QList<int>, friends);
    Harness h;
    auto& form = startWith(h, n);
    QCOMPARE(h.random().randomizeCount(), 1);
    QCOMPARE(form.lblgetal.caption(), QString::number(n));
    for (int row = 0; row <= 9; ++row) {
      const bool shown = row <= n;
      QCOMPARE(form.lblsplits[row].visible(), shown);
      QCOMPARE(form.txtsplis[row].visible(), shown);
      QVERIFY(!form.cmdeen[row].visible());
      if (shown) QCOMPARE(form.lblsplits[row].caption(), QString::number(left[row]));
    }
    QCOMPARE(form.focusedControl(), &form.txtsplis[0]);
    QVERIFY(form.Line1.visible() && form.Line6.visible());
    // Every friend is judged right.
    for (int row = 0; row <= n; ++row) {
      typeAndCheck(form, row, QString::number(friends[row]));
      QCOMPARE(form.txtsplis[row].backColor(), DeepTeal);
    }
  }

  void rightAnswerShowsTheSplitAndAllSumsAndDifferences() {
    Harness h;
    auto& form = startWith(h, 7);
    QCOMPARE(form.lblsplits[2].caption(), QString("4"));
    QTest::keyClicks(form.txtsplis[2].widget(), "3");
    QVERIFY(form.cmdeen[2].visible());
    form.cmdeen[2].click();
    QCOMPARE(form.txtsplis[2].backColor(), DeepTeal);
    QCOMPARE(form.txtsplis[2].foreColor(), White);
    QCOMPARE(form.vriendje, 3);
    QCOMPARE(form.lblmemo[0].caption(),
             QString("4 + 3 = 7\r\n3 + 4 = 7\r\n\r\n7 = 3 + 4\r\n7 = 4 + 3\r\n\r\n"
                     "4 = 7 - 3\r\n3 = 7 - 4"));
    QCOMPARE(visibleDots(form), range(1, 7));
    QCOMPARE(greenDots(form), range(1, 4));
    QCOMPARE(form.shpbol[5].backColor(), Grey);
    QVERIFY(!form.cmdeen[2].visible());
  }

  void wrongAnswerIsRedWithTheDotsAndNoList() {
    Harness h;
    auto& form = startWith(h, 5);
    typeAndCheck(form, 1, "3");  // 5 = 1 + 4
    QCOMPARE(form.txtsplis[1].backColor(), Red);
    QCOMPARE(form.txtsplis[1].foreColor(), White);
    QCOMPARE(form.txtsplis[1].text(), QString("3"));
    QCOMPARE(form.lblmemo[0].caption(), QString());
    QCOMPARE(visibleDots(form), range(1, 5));
    QCOMPARE(greenDots(form), range(1, 1));
  }

  void answersAreJudgedByTheirValue_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("judged");
    QTest::addColumn<bool>("right");
    // Row 6 of 7 has left number 7: its friend is 0.
    QTest::newRow("empty box becomes 0") << ""
                                         << "0" << true;
    QTest::newRow("letter becomes 0") << "a"
                                      << "0" << true;
    QTest::newRow("0") << "0"
                       << "0" << true;
    QTest::newRow("00") << "00"
                        << "00" << true;
    QTest::newRow("negative") << "-1"
                              << "-1" << false;
    QTest::newRow("huge") << "999999999999999999999"
                          << "999999999999999999999" << false;
    QTest::newRow("beyond double") << "1e999"
                                   << "0" << true;
    QTest::newRow("digit and letter") << "1a"
                                      << "0" << true;
  }

  void answersAreJudgedByTheirValue() {
    QFETCH(QString, typed);
    QFETCH(QString, judged);
    QFETCH(bool, right);
    Harness h;
    auto& form = startWith(h, 7);
    QCOMPARE(form.lblsplits[6].caption(), QString("7"));
    // Typed as a child does, an empty box by rubbing out a digit.
    QTest::keyClicks(form.txtsplis[6].widget(), "5");
    QTest::keyClick(form.txtsplis[6].widget(), Qt::Key_Backspace);
    typeAndCheck(form, 6, typed);
    QCOMPARE(form.txtsplis[6].text(), judged);
    QCOMPARE(form.txtsplis[6].backColor(), right ? DeepTeal : Red);
    QCOMPARE(form.txtsplis[6].foreColor(), White);
    QCOMPARE(form.lblmemo[0].caption().isEmpty(), !right);
    QCOMPARE(visibleDots(form), range(1, 7));
    QCOMPARE(greenDots(form), range(1, 7));
  }

  void checkingAnotherRowShowsOnlyItsOwnGreenDots() {
    Harness h;
    auto& form = startWith(h, 5);  // left numbers 2, 1, 4, 3, 4, 5
    QTest::keyClicks(form.txtsplis[1].widget(), "4");
    QTest::keyClicks(form.txtsplis[2].widget(), "1");
    form.cmdeen[2].click();
    QCOMPARE(greenDots(form), range(1, 4));
    QVERIFY(form.cmdeen[1].visible());  // still there from the typing
    form.cmdeen[1].click();
    QCOMPARE(greenDots(form), range(1, 1));
    QCOMPARE(visibleDots(form), range(1, 5));
    QVERIFY(form.lblmemo[0].caption().startsWith("1 + 4 = 5"));
  }

  void typingInAnotherBoxHidesTheDotsOnly() {
    Harness h;
    auto& form = startWith(h, 6);
    typeAndCheck(form, 0, "4");
    const QString list = form.lblmemo[0].caption();
    QVERIFY(!list.isEmpty());
    QTest::keyClicks(form.txtsplis[3].widget(), "7");
    QCOMPARE(visibleDots(form), QList<int>());
    QCOMPARE(greenDots(form), QList<int>());
    QCOMPARE(form.lblmemo[0].caption(), list);
    QCOMPARE(form.txtsplis[0].backColor(), DeepTeal);
    QCOMPARE(form.txtsplis[0].foreColor(), White);
    QVERIFY(form.cmdeen[3].visible());
    QCOMPARE(form.txtsplis[3].foreColor(), Black);
  }

  void clickingIntoABoxStartsItAfresh() {
    Harness h;
    auto& form = startWith(h, 6);
    QTest::keyClicks(form.txtsplis[1].widget(), "5");
    typeAndCheck(form, 0, "4");
    QTest::mouseClick(form.txtsplis[0].widget(), Qt::LeftButton);
    QCOMPARE(form.txtsplis[0].text(), QString());
    QCOMPARE(form.txtsplis[0].backColor(), White);
    QCOMPARE(form.txtsplis[0].foreColor(), Black);
    for (int row = 0; row <= 9; ++row) QVERIFY(!form.cmdeen[row].visible());
    QCOMPARE(form.lblmemo[0].caption(), QString());
    QCOMPARE(visibleDots(form), QList<int>());
    QCOMPARE(form.txtsplis[1].text(), QString("5"));  // other rows keep their answers
    QTest::keyClicks(form.txtsplis[0].widget(), "4");
    QVERIFY(form.cmdeen[0].visible());
  }

  void newNumberClearsEveryRow() {
    Harness h;
    auto& form = startWith(h, 9);
    for (int row = 0; row <= 9; ++row) typeAndCheck(form, row, "8");
    QTest::keyClicks(form.txtsplis[4].widget(), "1");
    h.random().then({drawFor(1, 9)});
    form.cmdstart.click();
    QCOMPARE(form.lblgetal.caption(), QString("2"));
    for (int row = 0; row <= 9; ++row) {
      QCOMPARE(form.txtsplis[row].text(), QString());
      QCOMPARE(form.txtsplis[row].backColor(), White);
      QCOMPARE(form.txtsplis[row].foreColor(), Black);
      QCOMPARE(form.txtsplis[row].visible(), row <= 2);
      QVERIFY(!form.cmdeen[row].visible());
    }
    QCOMPARE(form.lblmemo[0].caption(), QString());
    QCOMPARE(visibleDots(form), QList<int>());
  }

  void stopResetsAndReturnsToTheChooser() {
    Harness h;
    auto& form = startWith(h, 4);
    typeAndCheck(form, 3, "1");
    QTest::keyClicks(form.txtsplis[2].widget(), "0");
    form.cmdeen[2].click();
    QCOMPARE(visibleDots(form), range(1, 4));
    form.cmdstop.click();
    QCOMPARE(form.lblgetal.caption(), QString());
    QCOMPARE(form.lblmemo[0].caption(), QString());
    QCOMPARE(visibleDots(form), QList<int>());
    for (int row = 0; row <= 9; ++row) {
      QVERIFY(!form.lblsplits[row].visible() && !form.txtsplis[row].visible());
      QCOMPARE(form.txtsplis[row].text(), QString());
      QCOMPARE(form.txtsplis[row].backColor(), White);
      QVERIFY(!form.cmdeen[row].visible());
    }
    QVERIFY(!form.Line1.visible() && !form.Line4.visible());
  }
};

QTEST_MAIN(TestSplitFriends)
#include "tst_split_friends.moc"
