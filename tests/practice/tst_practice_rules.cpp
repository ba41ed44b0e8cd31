// The scoring rule, the rating's target, the questions' names and the boxes, as tables.

#include <QtTest>
#include <cmath>

#include "practice/progress.h"
#include "practice/rows.h"
#include "practice/scoring.h"
#include "practice/split.h"
#include "practice/state.h"

using namespace practice;

namespace {

// The mean of (2x - 1)(1 - t/d) under the joint density exp(delta * (2x - 1)(1 - t/d)),
// by summing over a fine grid of the signed remaining time.
double expectedByIntegration(double delta) {
  const int steps = 200000;
  double weighted = 0.0, total = 0.0;
  for (int i = 0; i < steps; ++i) {
    const double y = -1.0 + 2.0 * (i + 0.5) / steps;
    const double w = std::exp(delta * y);
    weighted += w * y;
    total += w;
  }
  return weighted / total;
}

// Replays tries written as "day:ms:right;..." on a fresh split.
SplitRecord played(const QString& tries) {
  SplitRecord record;
  for (const QString& one : tries.split(QLatin1Char(';')))
    record.answered(triesFromText(one).at(0), 3000);
  return record;
}

}  // namespace

class PracticeRules : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void scoreIsHighSpeedHighStakes_data() {
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("ms");
    QTest::addColumn<double>("expected");
    QTest::newRow("right at once") << true << 0 << 1.0;
    QTest::newRow("right after 5 s") << true << 5000 << 0.75;
    QTest::newRow("wrong after 5 s") << false << 5000 << -0.75;
    QTest::newRow("wrong after 15 s") << false << 15000 << -0.25;
    QTest::newRow("right at the limit") << true << 20000 << 0.0;
    QTest::newRow("past the limit") << false << 25000 << 0.0;
    QTest::newRow("a time before the question") << true << -40 << 1.0;
  }
  void scoreIsHighSpeedHighStakes() {
    QFETCH(bool, right);
    QFETCH(int, ms);
    QFETCH(double, expected);
    QCOMPARE(score(right, ms, 20000), expected);
  }

  void expectedScoreIsTheMeanScoreOfTheRule_data() {
    QTest::addColumn<double>("delta");
    for (double d : {-4.0, -1.0986, -0.3, 0.0, 0.0004, 0.5, 1.0986, 3.0})
      QTest::newRow(qPrintable(QString::number(d))) << d;
  }
  void expectedScoreIsTheMeanScoreOfTheRule() {
    QFETCH(double, delta);
    QVERIFY(std::abs(expectedScore(delta + 1.0, 1.0) - expectedByIntegration(delta)) < 1e-6);
    // And the chance of a right answer is the weight of the positive half.
    QVERIFY(std::abs(chanceRight(delta, 0.0) * (1 + std::exp(-delta)) - 1.0) < 1e-12);
  }

  void targetLiesBelowTheAbility_data() {
    QTest::addColumn<double>("ability");
    QTest::newRow("new child") << kStartAbility;
    QTest::newRow("zero") << 0.0;
    QTest::newRow("able child") << 2.5;
  }
  void targetLiesBelowTheAbility() {
    QFETCH(double, ability);
    const double target = targetDifficulty(ability, 0.75);
    QVERIFY(std::abs(target - (ability - std::log(3.0))) < 1e-12);
    QVERIFY(std::abs(chanceRight(ability, target) - 0.75) < 1e-12);
    QVERIFY(targetDifficulty(ability, 0.25) > ability);
  }

  void coinsFallOneAtATime_data() {
    QTest::addColumn<int>("ms");
    QTest::addColumn<int>("coins");
    QTest::newRow("shown") << 0 << 20;
    QTest::newRow("first coin still there") << 999 << 20;
    QTest::newRow("first coin gone") << 1000 << 19;
    QTest::newRow("half") << 10000 << 10;
    QTest::newRow("last coin") << 19999 << 1;
    QTest::newRow("time out") << 20000 << 0;
    QTest::newRow("long after") << 90000 << 0;
  }
  void coinsFallOneAtATime() {
    QFETCH(int, ms);
    QFETCH(int, coins);
    QCOMPARE(coinsLeft(ms, 20000, 20), coins);
  }

  void ratingStepShrinksToAFloor() {
    QCOMPARE(ratingStep(0, 0.9, 0.25, 12), 0.9);
    QVERIFY(ratingStep(12, 0.9, 0.25, 12) < ratingStep(6, 0.9, 0.25, 12));
    QCOMPARE(ratingStep(1000, 0.9, 0.25, 12), 0.25);
  }

  void everyQuestionHasItsOwnName() {
    QSet<QString> keys;
    int goalOrdered = 0;
    for (const Question& q : allQuestions()) {
      QCOMPARE(questionFromKey(questionKey(q)), q);
      QCOMPARE(splitAt(splitIndex(splitOf(q))), splitOf(q));
      keys.insert(questionKey(q));
      if (q.whole >= 2 && !q.firstMissing) ++goalOrdered;
    }
    QCOMPARE(keys.size(), kQuestionCount);
    QCOMPARE(goalOrdered, 63);
    QCOMPARE(splitAt(kSplitCount - 1), (Split{10, 5}));
  }

  void questionsReadAsTheChildSeesThem_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("complete");
    QTest::addColumn<int>("missing");
    QTest::newRow("second missing") << "7=3+?"
                                    << "7 = 3 + ?"
                                    << "7 = 3 + 4" << 4;
    QTest::newRow("first missing") << "7=?+4"
                                   << "7 = ? + 4"
                                   << "7 = 3 + 4" << 3;
    QTest::newRow("zero") << "10=?+10"
                          << "10 = ? + 10"
                          << "10 = 0 + 10" << 0;
    QTest::newRow("one") << "1=1+?"
                         << "1 = 1 + ?"
                         << "1 = 1 + 0" << 0;
  }
  void questionsReadAsTheChildSeesThem() {
    QFETCH(QString, key);
    QFETCH(QString, question);
    QFETCH(QString, complete);
    QFETCH(int, missing);
    const std::optional<Question> q = questionFromKey(key);
    QVERIFY(q);
    QCOMPARE(questionText(*q), question);
    QCOMPARE(completeText(*q), complete);
    QCOMPARE(q->missing(), missing);
  }

  void unknownNamesNameNoQuestion_data() {
    QTest::addColumn<QString>("key");
    for (const char* key :
         {"", "7=3+4", "7=?+?", "11=3+?", "0=0+?", "7=8+?", "7=?+-1", "7=3?", "x=1+?", "7=3+?=1"})
      QTest::newRow(key) << QString::fromLatin1(key);
  }
  void unknownNamesNameNoQuestion() {
    QFETCH(QString, key);
    QVERIFY(!questionFromKey(key));
  }

  void boxesAndTheAutomaticRule_data() {
    QTest::addColumn<QString>("tries");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("dueAfter");  // days after the last try
    QTest::addColumn<bool>("automatic");
    QTest::newRow("fast right: box 2, tomorrow") << "0:2000:1" << 2 << 1 << false;
    QTest::newRow("3 s is still fast") << "0:3000:1" << 2 << 1 << false;
    QTest::newRow("slower stays in box 1") << "0:3001:1" << 1 << 0 << false;
    QTest::newRow("box 3 after 2 days") << "0:2000:1;1:2000:1" << 3 << 2 << false;
    QTest::newRow("box 4 after 4 days") << "0:2000:1;1:2000:1;3:2000:1" << 4 << 4 << true;
    QTest::newRow("box 5 after 8 days") << "0:2000:1;1:2000:1;3:2000:1;7:2000:1" << 5 << 8 << true;
    QTest::newRow("box 5 is the top")
        << "0:2000:1;1:2000:1;3:2000:1;7:2000:1;15:2000:1" << 5 << 8 << true;
    QTest::newRow("wrong: back to box 1")
        << "0:2000:1;1:2000:1;3:2000:1;7:1500:0" << 1 << 0 << true;
    QTest::newRow("slow right keeps the box, back tomorrow")
        << "0:2000:1;1:2000:1;3:9000:1" << 3 << 1 << false;
    QTest::newRow("three fast on one day") << "0:1000:1;0:1000:1;0:1000:1" << 4 << 4 << false;
    QTest::newRow("three fast on two days") << "0:1000:1;0:1000:1;1:1000:1" << 4 << 4 << true;
    QTest::newRow("two of the last four")
        << "0:1000:1;1:1000:1;2:1000:0;3:1000:0" << 1 << 0 << false;
    QTest::newRow("fast tries pushed out by slow ones")
        << "0:1000:1;1:1000:1;2:1000:1;3:5000:1;3:5000:1" << 4 << 1 << false;
    QTest::newRow("slow right never automatic") << "0:4000:1;1:4000:1;2:4000:1" << 1 << 0 << false;
  }
  // The teacher's level and count of automatic splits. `splits`: "whole:smaller:tries"
  // separated by blanks, the tries as stored ("day:ms:right" joined by ",").
  void progressForTheTeacher_data() {
    QTest::addColumn<QString>("splits");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("automatic");
    const QString fast = QStringLiteral("0,1000,1");
    const QString twoOfTwo = QStringLiteral("2:0:%1 2:1:%1").arg(fast);
    const QString upToFive = twoOfTwo + QStringLiteral(
                                            " 3:0:%1 3:1:%1 4:0:%1 4:1:%1 4:2:%1 "
                                            "5:0:%1 5:1:%1 5:2:%1")
                                            .arg(fast);
    const QString automatic = QStringLiteral("0,1000,1;0,1000,1;1,1000,1");
    QTest::newRow("new child") << "" << 0 << 0;
    QTest::newRow("half of 2 is not mostly") << "2:1:" + fast << 0 << 0;
    QTest::newRow("the splits of 2") << twoOfTwo << 2 << 0;
    QTest::newRow("up to 5") << upToFive << 5 << 0;
    QTest::newRow("a gap stops the level") << twoOfTwo + " 4:0:" + fast + " 4:1:" + fast << 2 << 0;
    QTest::newRow("3 of the 4 splits of 6 are mostly")
        << upToFive + QStringLiteral(" 6:0:%1 6:1:%1 6:2:%1").arg(fast) << 6 << 0;
    QTest::newRow("a wrong last try does not count")
        << upToFive + QStringLiteral(" 6:0:%1 6:1:%1 6:2:0,1000,0").arg(fast) << 5 << 0;
    QTest::newRow("7 = 3 + 4 automatic counts twice") << "7:3:" + automatic << 0 << 2;
    QTest::newRow("8 = 4 + 4 automatic counts once") << "8:4:" + automatic << 0 << 1;
    QTest::newRow("1 = 0 + 1 is no goal") << "1:0:" + automatic << 0 << 0;
  }
  void progressForTheTeacher() {
    QFETCH(QString, splits);
    QFETCH(int, level);
    QFETCH(int, automatic);
    ChildState child;
    for (const QString& s : splits.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
      const QStringList f = s.split(QLatin1Char(':'));
      SplitRecord& record = child.splits[splitIndex({f[0].toInt(), f[1].toInt()})];
      record = played(QString(f[2]).replace(QLatin1Char(','), QLatin1Char(':')));
    }
    const Progress p = progressOf(child, 3000);
    QCOMPARE(p.level, level);
    QCOMPARE(p.automatic, automatic);
  }

  void boxesAndTheAutomaticRule() {
    QFETCH(QString, tries);
    QFETCH(int, box);
    QFETCH(int, dueAfter);
    QFETCH(bool, automatic);
    const SplitRecord record = played(tries);
    QCOMPARE(record.box, box);
    QCOMPARE(record.dueDay - record.tries.back().day, dueAfter);
    QCOMPARE(isAutomatic(record, 3000), automatic);
    QVERIFY(record.tries.size() <= 4);
  }

  void initialOrderPutsTheEasySplitsFirst_data() {
    QTest::addColumn<QString>("easier");
    QTest::addColumn<QString>("harder");
    QTest::newRow("plus 0 before plus 3") << "8=8+?"
                                          << "8=5+?";
    QTest::newRow("plus 1 before plus 3") << "8=7+?"
                                          << "8=5+?";
    QTest::newRow("double before its neighbours") << "8=4+?"
                                                  << "8=5+?";
    QTest::newRow("small whole before large") << "5=2+?"
                                              << "9=4+?";
    QTest::newRow("all of 5 before the hard ones of 9") << "5=?+3"
                                                        << "9=?+5";
  }
  void initialOrderPutsTheEasySplitsFirst() {
    QFETCH(QString, easier);
    QFETCH(QString, harder);
    QVERIFY(Difficulties::initialDifficulty(*questionFromKey(easier)) <
            Difficulties::initialDifficulty(*questionFromKey(harder)));
  }
};

QTEST_APPLESS_MAIN(PracticeRules)
#include "tst_practice_rules.moc"
