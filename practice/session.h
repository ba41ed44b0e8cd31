#pragma once
// One visit to adaptive practice: asks the next question, takes the answer, rates the
// child and the question, and keeps the split's box. A question answered wrong comes
// back within the next 3 to 6 questions; a split due for review comes back on its day;
// otherwise the question nearest the difficulty a child answers right 3 times in 4.

#include <optional>
#include <vector>

#include "practice/sources.h"
#include "practice/split.h"
#include "practice/state.h"

namespace practice {

struct Settings {
  int limitMs = 20000;  // the time for one question
  int fastMs = 3000;    // right within this counts for the box and "automatic"
  int coins = 20;       // the row of coins that runs out with the time
  double targetChance = 0.75;
  double childStepFirst = 0.9, childStepFloor = 0.25, childStepHalfAfter = 12;
  double questionStepFirst = 0.3, questionStepFloor = 0.05, questionStepHalfAfter = 40;
  double spread = 0.35;        // how far from the target a question may still be drawn
  double notDuePenalty = 1.0;  // a split waiting for its review day seems this much farther
  int reviewEvery = 2;         // at most every second question is a review
  int startAnswers = 5;        // a new child's first answers are on
  int startLargestWhole = 5;   // the wholes up to this one
};

enum class Reply { Right, Wrong, DontKnow, TimeOut };

struct Outcome {
  Question question;
  Reply reply = Reply::Wrong;
  int given = -1;  // -1 for "?" and a time-out
  int ms = 0;
  double score = 0.0;
  int coins = 0;  // won (above 0) or lost (below 0)
  int box = kFirstBox;
  bool automatic = false;
};

class Session {
 public:
  Session(ChildState& child, Difficulties& difficulties, const Clock& clock, Random& random,
          Settings settings = {});

  // The next question; the clock starts. Asked while one waits, it is the one waiting.
  Question next();
  // Answers to the waiting question; nothing without one, or for a number outside 0..10
  // (the question then still waits).
  std::optional<Outcome> answer(int given);
  std::optional<Outcome> dontKnow();
  std::optional<Outcome> timeOut();

  std::optional<Question> waiting() const { return m_waiting; }
  int asked() const { return m_asked; }
  const Settings& settings() const { return m_settings; }

 private:
  struct Comeback {
    Question question;
    int at;        // asked as this question number, or the first free one after it
    int deadline;  // and at the latest as this one
  };
  std::optional<Question> dueComeback();
  std::optional<Question> dueReview();
  bool isReviewDue(const SplitRecord& record, double difficulty, double target, int today) const;
  Question nearestToTarget();
  bool differsFromLast(const Question& q) const;
  bool mayAsk(const Question& q) const;
  bool isComingBack(int split) const;
  Outcome settle(Reply reply, int given, int ms);
  void rate(const Question& q, double s);
  void keepBox(const Question& q, const Outcome& outcome);

  ChildState& m_child;
  Difficulties& m_difficulties;
  const Clock& m_clock;
  Random& m_random;
  Settings m_settings;
  std::optional<Question> m_waiting;
  std::optional<Question> m_last;
  long long m_shownAt = 0;
  int m_asked = 0;
  int m_sinceReview = 0;
  std::vector<Comeback> m_comebacks;
};

}  // namespace practice
