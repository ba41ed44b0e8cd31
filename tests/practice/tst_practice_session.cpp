// A visit on the test clock: wrong answers come back, review days are kept, the same
// question never follows itself, and bad answers, clocks or stored rows lose nothing.

#include <QtTest>

#include "practice/rows.h"
#include "practice_test_support.h"

using namespace practice;
using namespace practicetest;

namespace {

struct Played {
  Question question;
  Reply reply;
};

// A simulated child plays `count` questions, a second apart.
std::vector<Played> play(SimulatedChild child, Session& session, ManualClock& clock,
                         SeededDraws& draws, int count) {
  std::vector<Played> played;
  for (int i = 0; i < count; ++i) {
    session.next();
    const Outcome o = child.play(session, clock, draws);
    played.push_back({o.question, o.reply});
    clock.pass(1000);
  }
  return played;
}

}  // namespace

class PracticeSession : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void missedQuestionsComeBackWithinThreeToSix_data() {
    QTest::addColumn<double>("ability");
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("knows little") << -2.0 << 1u;
    QTest::newRow("average") << 0.5 << 2u;
    QTest::newRow("able") << 3.0 << 3u;
    QTest::newRow("knows nothing") << -30.0 << 4u;
  }
  void missedQuestionsComeBackWithinThreeToSix() {
    QFETCH(double, ability);
    QFETCH(unsigned, seed);
    ManualClock clock;
    SeededDraws draws(seed);
    ChildState child;
    Difficulties difficulties = Difficulties::initial();
    Session session(child, difficulties, clock, draws);
    const auto played = play({ability, 2500}, session, clock, draws, 600);
    int missed = 0;
    for (size_t n = 0; n + 6 < played.size(); ++n) {
      if (n > 0) QVERIFY(splitOf(played[n].question) != splitOf(played[n - 1].question));
      if (played[n].reply == Reply::Right) continue;
      ++missed;
      size_t again = n + 1;
      while (again < played.size() && !(played[again].question == played[n].question)) ++again;
      QVERIFY2(again >= n + 3 && again <= n + 6, qPrintable(questionKey(played[n].question)));
    }
    QVERIFY(missed > 20);
  }

  void aSplitComesBackOnItsReviewDay_data() {
    QTest::addColumn<int>("box");
    for (int box = 2; box <= kTopBox; ++box)
      QTest::newRow(qPrintable(QStringLiteral("box %1, %2 days").arg(box).arg(reviewDays(box))))
          << box;
  }
  void aSplitComesBackOnItsReviewDay() {
    QFETCH(int, box);
    ManualClock clock;
    ScriptedDraws draws;
    ChildState child;
    Difficulties difficulties = Difficulties::initial();
    const int review = splitIndex({10, 5});  // far from where a new child practises
    child.splits[review].box = box;
    child.splits[review].dueDay = clock.today() + reviewDays(box);
    clock.nextDay(reviewDays(box) - 1);
    {
      Session dayBefore(child, difficulties, clock, draws);
      for (int i = 0; i < 30; ++i) {
        QVERIFY(splitIndex(splitOf(dayBefore.next())) != review);
        dayBefore.dontKnow();
      }
    }
    clock.nextDay();
    Session dueDay(child, difficulties, clock, draws);
    const Question first = dueDay.next();
    dueDay.answer(first.missing());
    QCOMPARE(splitIndex(splitOf(dueDay.next())), review);
  }

  void badAnswersLeaveTheQuestionWaiting_data() {
    QTest::addColumn<int>("given");
    QTest::newRow("below 0") << -1;
    QTest::newRow("above 10") << 11;
    QTest::newRow("far off") << 1000000;
  }
  void badAnswersLeaveTheQuestionWaiting() {
    QFETCH(int, given);
    ManualClock clock;
    ScriptedDraws draws;
    ChildState child;
    Difficulties difficulties = Difficulties::initial();
    Session session(child, difficulties, clock, draws);
    QVERIFY(!session.answer(3));  // nothing asked yet
    QVERIFY(!session.dontKnow());
    QVERIFY(!session.timeOut());
    const Question q = session.next();
    const ChildState childBefore = child;
    const Difficulties difficultiesBefore = difficulties;
    QVERIFY(!session.answer(given));
    QCOMPARE(child, childBefore);
    QCOMPARE(difficulties, difficultiesBefore);
    QCOMPARE(session.next(), q);  // still the same question, not a new one
    QCOMPARE(session.asked(), 1);
    clock.pass(2000);
    const std::optional<Outcome> o = session.answer(q.missing());
    QVERIFY(o && o->reply == Reply::Right);
    QCOMPARE(o->coins, 18);
    QCOMPARE(child.answers, 1);
  }

  void noAnswerScoresNothingAndComesBack_data() {
    QTest::addColumn<bool>("timeOut");
    QTest::newRow("question mark") << false;
    QTest::newRow("time out") << true;
  }
  void noAnswerScoresNothingAndComesBack() {
    QFETCH(bool, timeOut);
    ManualClock clock;
    ScriptedDraws draws;
    ChildState child;
    Difficulties difficulties = Difficulties::initial();
    Session session(child, difficulties, clock, draws);
    const Question q = session.next();
    clock.pass(timeOut ? 20000 : 4000);
    const Outcome o = timeOut ? *session.timeOut() : *session.dontKnow();
    QCOMPARE(o.score, 0.0);
    QCOMPARE(o.coins, 0);
    QCOMPARE(o.given, -1);
    QCOMPARE(o.ms, timeOut ? 20000 : 4000);
    QVERIFY(child.ability < kStartAbility);  // 0 is less than a new child is expected to score
    QCOMPARE(child.splits[splitIndex(splitOf(q))].tries.size(), size_t(1));
    bool back = false;
    for (int i = 0; i < 6; ++i) {
      back = back || session.next() == q;
      session.dontKnow();
    }
    QVERIFY(back);
  }

  void aClockSetBackCountsAsAnInstantAnswer() {
    ManualClock clock;
    ScriptedDraws draws;
    ChildState child;
    Difficulties difficulties = Difficulties::initial();
    clock.pass(5000);
    clock.nextDay(3);
    Session session(child, difficulties, clock, draws);
    const Question q = session.next();
    clock.pass(-4000);
    clock.nextDay(-3);
    const Outcome o = *session.answer(q.missing());
    QCOMPARE(o.ms, 0);
    QCOMPARE(o.score, 1.0);
    QCOMPARE(o.box, 2);
    QVERIFY(splitOf(session.next()) != splitOf(q));
  }

  void storedRowsGiveBackTheSameState() {
    ManualClock clock;
    SeededDraws draws(9);
    ChildState child;
    Difficulties difficulties = Difficulties::initial();
    for (int day = 0; day < 4; ++day, clock.nextDay()) {
      Session session(child, difficulties, clock, draws);
      play({1.0, 2500}, session, clock, draws, 40);
    }
    ReadReport report;
    QCOMPARE(childFromRows(childRow(child), splitRows(child), &report), child);
    QCOMPARE(difficultiesFromRows(itemRows(difficulties), &report), difficulties);
    QCOMPARE(report.skippedRows + report.skippedTries, 0);
  }

  void unreadableRowsAreLeftOutAndTheRestKept() {
    const std::vector<SplitRow> splits = {
        {7, 3, 3, 1005, "1000:2100:1;1002:2900:1"},
        {7, 4, 2, 1003, "1000:2100:1"},  // 7 = 4 + 3 is 7 = 3 + 4: no such row
        {11, 2, 2, 1003, ""},            // no whole 11
        {4, 2, 9, 1010, "1000:1500:1;x:1:1;1001:800:2;1002:-5:1;1003:900:1"},
    };
    ReadReport report;
    const ChildState child = childFromRows({qQNaN(), -4}, splits, &report);
    QCOMPARE(report.skippedRows, 3);  // the ability and two splits
    QCOMPARE(report.skippedTries, 3);
    QCOMPARE(child.ability, kStartAbility);
    QCOMPARE(child.answers, 0);
    const SplitRecord& seven = child.splits[splitIndex({7, 3})];
    QCOMPARE(seven.box, 3);
    QCOMPARE(seven.dueDay, 1005);
    QCOMPARE(seven.tries, (std::vector<Try>{{1000, 2100, true}, {1002, 2900, true}}));
    const SplitRecord& four = child.splits[splitIndex({4, 2})];
    QCOMPARE(four.box, kTopBox);
    QCOMPARE(four.tries, (std::vector<Try>{{1000, 1500, true}, {1003, 900, true}}));

    ReadReport itemReport;
    const Difficulties d = difficultiesFromRows(
        {{"7=3+?", 0.4, 12}, {"7=3+4", 0.1, 1}, {"8=?+2", qInf(), 3}, {"9=?+2", -0.2, -1}},
        &itemReport);
    QCOMPARE(itemReport.skippedRows, 2);
    QCOMPARE(d.of(*questionFromKey("7=3+?")).difficulty, 0.4);
    QCOMPARE(d.of(*questionFromKey("9=?+2")).answers, 0);
    QCOMPARE(d.of(*questionFromKey("8=?+2")),
             Difficulties::initial().of(*questionFromKey("8=?+2")));
  }
};

QTEST_APPLESS_MAIN(PracticeSession)
#include "tst_practice_session.moc"
