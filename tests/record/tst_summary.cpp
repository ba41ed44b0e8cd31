// How a split's colour follows from its answers: the last ten decide, often wrong
// before slow, the median time of the right ones against the stated limit.

#include <QTest>

#include "record/summary.h"

using namespace record;

class SummaryTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void knowledge_data() {
    QTest::addColumn<QString>("answers");  // r: right, w: wrong, oldest first
    QTest::addColumn<qint64>("ms");        // time of every right answer
    QTest::addColumn<int>("knowledge");
    QTest::newRow("never answered") << "" << qint64(0) << int(Knowledge::NotPractised);
    QTest::newRow("one right, fast") << "r" << qint64(1500) << int(Knowledge::RightAndFast);
    QTest::newRow("one right, slow") << "r" << qint64(6000) << int(Knowledge::RightButSlow);
    QTest::newRow("at the limit is fast") << "rr" << qint64(4000) << int(Knowledge::RightAndFast);
    QTest::newRow("one wrong") << "w" << qint64(0) << int(Knowledge::OftenWrong);
    QTest::newRow("3 of 10 wrong") << "wrwrwrrrrr" << qint64(1000) << int(Knowledge::OftenWrong);
    QTest::newRow("2 of 10 wrong, fast")
        << "wrwrrrrrrr" << qint64(1000) << int(Knowledge::RightAndFast);
    QTest::newRow("old mistakes forgotten")
        << "wwwwwrrrrrrrrrr" << qint64(1000) << int(Knowledge::RightAndFast);
    QTest::newRow("wrong beats slow") << "wwr" << qint64(9000) << int(Knowledge::OftenWrong);
  }
  void knowledge() {
    QFETCH(QString, answers);
    QFETCH(qint64, ms);
    QFETCH(int, knowledge);
    Summary summary;
    for (QChar c : answers) summary.add(7, 3, c == 'r', c == 'r' ? ms : 9999);
    summary.finish();
    QCOMPARE(int(summary.cell(7, 3).knowledge), knowledge);
    QCOMPARE(summary.cell(7, 3).answers, int(answers.size()));
    QCOMPARE(int(summary.cell(7, 4).knowledge), int(Knowledge::NotPractised));
  }

  void the_median_is_of_the_right_answers_only() {
    Summary summary;
    for (qint64 ms : {1000, 9000, 2000, 3000}) summary.add(8, 5, true, ms);
    summary.add(8, 5, false, 100);
    summary.finish();
    QCOMPARE(summary.cell(8, 5).medianMs, qint64(2500));
  }

  void answers_outside_the_grid_are_left_out_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("part");
    QTest::newRow("1") << 1 << 0;
    QTest::newRow("11") << 11 << 3;
    QTest::newRow("part above the number") << 5 << 6;
    QTest::newRow("negative part") << 5 << -1;
  }
  void answers_outside_the_grid_are_left_out() {
    QFETCH(int, number);
    QFETCH(int, part);
    Summary summary;
    summary.add(number, part, true, 100);
    summary.finish();
    QCOMPARE(summary.cell(number, part).answers, 0);
  }
};

QTEST_GUILESS_MAIN(SummaryTest)
#include "tst_summary.moc"
