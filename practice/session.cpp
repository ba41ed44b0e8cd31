#include "practice/session.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "practice/scoring.h"

namespace practice {

Session::Session(ChildState& child, Difficulties& difficulties, const Clock& clock, Random& random,
                 Settings settings)
    : m_child(child),
      m_difficulties(difficulties),
      m_clock(clock),
      m_random(random),
      m_settings(settings) {}

Question Session::next() {
  if (m_waiting) return *m_waiting;
  ++m_asked;
  std::optional<Question> q = dueComeback();
  if (!q) q = dueReview();
  if (!q) q = nearestToTarget();
  m_waiting = q;
  m_shownAt = m_clock.nowMs();
  return *q;
}

std::optional<Outcome> Session::answer(int given) {
  if (!m_waiting || given < 0 || given > kLargestWhole) return std::nullopt;
  const long long elapsed = m_clock.nowMs() - m_shownAt;
  const int ms = static_cast<int>(std::clamp<long long>(elapsed, 0, m_settings.limitMs));
  return settle(given == m_waiting->missing() ? Reply::Right : Reply::Wrong, given, ms);
}

std::optional<Outcome> Session::dontKnow() {
  if (!m_waiting) return std::nullopt;
  const long long elapsed = m_clock.nowMs() - m_shownAt;
  return settle(Reply::DontKnow, -1,
                static_cast<int>(std::clamp<long long>(elapsed, 0, m_settings.limitMs)));
}

std::optional<Outcome> Session::timeOut() {
  if (!m_waiting) return std::nullopt;
  return settle(Reply::TimeOut, -1, m_settings.limitMs);
}

bool Session::differsFromLast(const Question& q) const {
  return !m_last || splitOf(q) != splitOf(*m_last);
}

// Not the split just asked, not one that is to come back, and for a new child a small one.
bool Session::mayAsk(const Question& q) const {
  if (m_child.answers < m_settings.startAnswers && q.whole > m_settings.startLargestWhole)
    return false;
  return differsFromLast(q) && !isComingBack(splitIndex(splitOf(q)));
}

bool Session::isComingBack(int split) const {
  return std::any_of(m_comebacks.begin(), m_comebacks.end(),
                     [&](const Comeback& c) { return splitIndex(splitOf(c.question)) == split; });
}

// The question answered wrong whose turn has come; of several, the one due first.
std::optional<Question> Session::dueComeback() {
  auto best = m_comebacks.end();
  for (auto it = m_comebacks.begin(); it != m_comebacks.end(); ++it)
    if (it->at <= m_asked && differsFromLast(it->question) &&
        (best == m_comebacks.end() || it->deadline < best->deadline))
      best = it;
  if (best == m_comebacks.end()) return std::nullopt;
  const Question q = best->question;
  m_comebacks.erase(best);
  return q;
}

// A split in a higher box whose review day has come, or one not yet automatic that lies
// below the child's level and was not met today (so the easy splits are not skipped).
bool Session::isReviewDue(const SplitRecord& record, double difficulty, double target,
                          int today) const {
  if (record.box > kFirstBox) return record.dueDay <= today;
  if (difficulty >= target || isAutomatic(record, m_settings.fastMs)) return false;
  return record.tries.empty() || record.tries.back().day != today;
}

// A split due for review, on at most every `reviewEvery`-th question: the one with a
// question nearest the target, asked as that question.
std::optional<Question> Session::dueReview() {
  if (++m_sinceReview < m_settings.reviewEvery) return std::nullopt;
  const double target = targetDifficulty(m_child.ability, m_settings.targetChance);
  const int today = m_clock.today();
  std::optional<Question> best;
  double bestDistance = std::numeric_limits<double>::max();
  for (const Question& q : allQuestions()) {
    const int split = splitIndex(splitOf(q));
    const SplitRecord& record = m_child.splits[split];
    if (!isReviewDue(record, m_difficulties.of(q).difficulty, target, today)) continue;
    if (!mayAsk(q)) continue;
    const double distance = std::abs(m_difficulties.of(q).difficulty - target);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = q;
    }
  }
  if (best) m_sinceReview = 0;
  return best;
}

// A question drawn around the target difficulty, the nearer the likelier; a split that
// waits for its review day counts as farther away.
Question Session::nearestToTarget() {
  const double target = targetDifficulty(m_child.ability, m_settings.targetChance);
  const int today = m_clock.today();
  std::array<double, kQuestionCount> weights{};
  double total = 0.0;
  int nearest = -1;
  double nearestDistance = std::numeric_limits<double>::max();
  const auto& questions = allQuestions();
  for (int i = 0; i < kQuestionCount; ++i) {
    const Question& q = questions[i];
    if (!mayAsk(q)) continue;
    const SplitRecord& record = m_child.splits[splitIndex(splitOf(q))];
    double distance = std::abs(m_difficulties.questions[i].difficulty - target);
    if (record.box > kFirstBox && record.dueDay > today) distance += m_settings.notDuePenalty;
    if (distance < nearestDistance) {
      nearestDistance = distance;
      nearest = i;
    }
    const double z = distance / m_settings.spread;
    weights[i] = std::exp(-0.5 * z * z);
    total += weights[i];
  }
  if (total > 0.0) {
    double r = std::clamp(m_random.draw(), 0.0, 1.0) * total;
    for (int i = 0; i < kQuestionCount; ++i) {
      if (weights[i] <= 0.0) continue;
      if (r < weights[i]) return questions[i];
      r -= weights[i];
      nearest = i;  // a draw of exactly 1 ends on the last weighted question
    }
  }
  return questions[std::max(nearest, 0)];
}

Outcome Session::settle(Reply reply, int given, int ms) {
  Outcome o;
  o.question = *m_waiting;
  o.reply = reply;
  o.given = given;
  o.ms = ms;
  const bool right = reply == Reply::Right;
  const bool answered = right || reply == Reply::Wrong;
  o.score = answered ? score(right, ms, m_settings.limitMs) : 0.0;
  o.coins = answered ? (right ? 1 : -1) * coinsLeft(ms, m_settings.limitMs, m_settings.coins) : 0;
  rate(o.question, o.score);
  keepBox(o.question, o);
  const SplitRecord& record = m_child.splits[splitIndex(splitOf(o.question))];
  o.box = record.box;
  o.automatic = isAutomatic(record, m_settings.fastMs);
  m_last = m_waiting;
  m_waiting.reset();
  return o;
}

void Session::rate(const Question& q, double s) {
  QuestionState& question = m_difficulties.of(q);
  const double surprise = s - expectedScore(m_child.ability, question.difficulty);
  m_child.ability += ratingStep(m_child.answers, m_settings.childStepFirst,
                                m_settings.childStepFloor, m_settings.childStepHalfAfter) *
                     surprise;
  question.difficulty -=
      ratingStep(question.answers, m_settings.questionStepFirst, m_settings.questionStepFloor,
                 m_settings.questionStepHalfAfter) *
      surprise;
  ++m_child.answers;
  ++question.answers;
}

// The split's box moves; a question not answered right comes back within 3 to 6 questions.
void Session::keepBox(const Question& q, const Outcome& outcome) {
  const bool right = outcome.reply == Reply::Right;
  m_child.splits[splitIndex(splitOf(q))].answered({m_clock.today(), outcome.ms, right},
                                                  m_settings.fastMs);
  if (right) return;
  const int at = m_asked + 3 + std::clamp(static_cast<int>(m_random.draw() * 4), 0, 3);
  m_comebacks.push_back({q, at, m_asked + 6});
}

}  // namespace practice
