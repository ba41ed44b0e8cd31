// Benchmark of adaptive practice on the real clock: choosing the next question (median and
// worst of many, against 1 ms) for a new child and for one with weeks of practice behind
// it, and a simulated class of 1,000 children playing 60 questions each (against 1 s).
// A choice is timed on the thread's own CPU clock, so that a busy machine taking the
// processor away in the middle does not count as the choice's time.
// Prints one table (figure, value, target, pass) and a last line "N passed, M failed".

#include <QString>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "bench/bench_support.h"
#include "tests/practice/practice_test_support.h"

namespace {

qint64 threadNs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<qint64>(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

struct Row {
  QString figure, value, target;
  bool pass;
};

// The time of each next question while a simulated child plays `count` of them.
std::vector<double> nextQuestionUs(practice::ChildState& state,
                                   practice::Difficulties& difficulties, int count) {
  practicetest::ManualClock clock;
  practicetest::SeededDraws draws(5);
  practicetest::SimulatedChild child{1.0, 2500.0, 0.2};
  std::vector<double> us;
  for (int day = 0; day * 30 < count; ++day, clock.nextDay()) {
    practice::Session session(state, difficulties, clock, draws);
    for (int i = 0; i < 30; ++i) {
      const qint64 t0 = threadNs();
      session.next();
      us.push_back(double(threadNs() - t0) / 1000.0);
      child.play(session, clock, draws);
    }
  }
  return us;
}

Row choosing(const char* who, std::vector<double> us) {
  const double worst = *std::max_element(us.begin(), us.end());
  return {QStringLiteral("next question, %1: median / worst").arg(QLatin1String(who)),
          QStringLiteral("%1 / %2 us").arg(bench::median(us), 0, 'f', 1).arg(worst, 0, 'f', 1),
          QStringLiteral("< 1000 us"), worst < 1000.0};
}

Row aClass() {
  practice::Difficulties difficulties = practice::Difficulties::initial();
  practicetest::SeededDraws draws(11);
  const qint64 t0 = bench::monotonicNs();
  for (int c = 0; c < 1000; ++c) {
    practicetest::SimulatedChild child{-1.0 + 4.0 * draws.draw(), 2000.0 + 4000.0 * draws.draw()};
    practicetest::ManualClock clock;
    practice::ChildState state;
    practice::Session session(state, difficulties, clock, draws);
    for (int i = 0; i < 60; ++i) {
      session.next();
      child.play(session, clock, draws);
    }
  }
  const double ms = double(bench::monotonicNs() - t0) / 1e6;
  return {QStringLiteral("1,000 simulated children, 60 questions each"),
          QStringLiteral("%1 ms").arg(ms, 0, 'f', 0), QStringLiteral("< 1000 ms"), ms < 1000.0};
}

}  // namespace

int main() {
  std::vector<Row> rows;
  {
    practice::ChildState state;
    practice::Difficulties difficulties = practice::Difficulties::initial();
    rows.push_back(choosing("a new child's first 30", nextQuestionUs(state, difficulties, 30)));
    nextQuestionUs(state, difficulties, 600);  // twenty school days of practice
    rows.push_back(choosing("after 600 answers", nextQuestionUs(state, difficulties, 3000)));
  }
  rows.push_back(aClass());

  int passed = 0;
  for (const Row& r : rows) {
    std::printf("%-52s  %-22s  %-10s  %s\n", qPrintable(r.figure), qPrintable(r.value),
                qPrintable(r.target), r.pass ? "yes" : "NO");
    passed += r.pass ? 1 : 0;
  }
  std::printf("%d passed, %d failed\n", passed, static_cast<int>(rows.size()) - passed);
  return passed == static_cast<int>(rows.size()) ? 0 : 1;
}
