#pragma once
// Shared by the adaptive practice tests, the benchmark and the learning measurement: a
// clock and draws the test owns, and simulated children who answer with a known ability
// and speed.

#include <cmath>
#include <deque>
#include <random>

#include "practice/scoring.h"
#include "practice/session.h"

namespace practicetest {

// Stands still until the test moves it.
class ManualClock final : public practice::Clock {
 public:
  int today() const override { return m_day; }
  long long nowMs() const override { return m_ms; }
  void pass(long long ms) { m_ms += ms; }
  void nextDay(int days = 1) { m_day += days; }

 private:
  int m_day = 1000;
  long long m_ms = 0;
};

// Scripted draws; an exhausted script draws 0.
class ScriptedDraws final : public practice::Random {
 public:
  double draw() override {
    if (m_script.empty()) return 0.0;
    const double d = m_script.front();
    m_script.pop_front();
    return d;
  }
  void then(std::initializer_list<double> values) { m_script.insert(m_script.end(), values); }

 private:
  std::deque<double> m_script;
};

// Reproducible pseudo-random draws from a seed.
class SeededDraws final : public practice::Random {
 public:
  explicit SeededDraws(unsigned seed) : m_engine(seed) {}
  double draw() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }
  double normal() { return std::normal_distribution<double>(0.0, 1.0)(m_engine); }

 private:
  std::mt19937 m_engine;
};

// How hard a question truly is for the simulated children: the program's first guess,
// off by a fixed amount per question that the rating has to find.
inline double trueDifficulty(const practice::Question& q) {
  return practice::Difficulties::initialDifficulty(q) +
         0.4 * std::sin(2.3 * practice::questionIndex(q));
}

// A child with a known ability (logits) and speed (ms for an easy right answer). A
// learner gets better at a split each time it meets it.
struct SimulatedChild {
  double ability = 0.0;
  double speedMs = 2000.0;
  double learnPerTry = 0.0;
  std::array<double, practice::kSplitCount> learned{};

  double chance(const practice::Question& q) const {
    return practice::chanceRight(ability + learned[practice::splitIndex(practice::splitOf(q))],
                                 trueDifficulty(q));
  }

  // Plays the waiting question: time passes on the clock, then the answer.
  practice::Outcome play(practice::Session& session, ManualClock& clock, SeededDraws& draws) {
    const practice::Question q = *session.waiting();
    const double p = chance(q);
    const bool right = draws.draw() < p;
    const double slowness = right ? 1.0 + 2.0 * (1.0 - p) : 2.0;
    const double ms = speedMs * slowness * std::exp(0.25 * draws.normal());
    learned[practice::splitIndex(practice::splitOf(q))] += learnPerTry;
    if (ms >= session.settings().limitMs) return *session.timeOut();
    clock.pass(static_cast<long long>(ms));
    if (!right && draws.draw() < 0.3) return *session.dontKnow();
    return *session.answer(right ? q.missing() : (q.missing() + 1) % (q.whole + 1));
  }
};

}  // namespace practicetest
