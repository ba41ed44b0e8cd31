#include "practice/state.h"

#include <algorithm>
#include <set>

namespace practice {

int reviewDays(int box) {
  static constexpr int kDays[] = {0, 0, 1, 2, 4, 8};
  return kDays[std::clamp(box, kFirstBox, kTopBox)];
}

void SplitRecord::answered(const Try& attempt, int fastMs) {
  tries.push_back(attempt);
  if (tries.size() > kKeptTries) tries.erase(tries.begin(), tries.end() - kKeptTries);
  if (attempt.right && attempt.ms <= fastMs) {
    box = std::min(box + 1, kTopBox);
    dueDay = attempt.day + reviewDays(box);
  } else if (attempt.right) {
    dueDay = attempt.day + (box > kFirstBox ? 1 : 0);
  } else {
    box = kFirstBox;
    dueDay = attempt.day;
  }
}

bool isAutomatic(const SplitRecord& split, int fastMs) {
  std::set<int> days;
  int fast = 0;
  for (const Try& t : split.tries) {
    if (!t.right || t.ms > fastMs) continue;
    ++fast;
    days.insert(t.day);
  }
  return fast >= 3 && days.size() >= 2;
}

int ChildState::automaticGoalSplits(int fastMs) const {
  int count = 0;
  for (int i = 0; i < kSplitCount; ++i)
    if (isGoalSplit(splitAt(i)) && isAutomatic(splits[i], fastMs)) ++count;
  return count;
}

double Difficulties::initialDifficulty(const Question& q) {
  const int smaller = std::min(q.first, q.second());
  double d = -2.0 + 0.45 * (q.whole - 2);
  if (smaller == 0)
    d -= 1.0;
  else if (smaller == 1)
    d -= 0.6;
  else if (q.first == q.second())
    d -= 0.5;
  if (q.firstMissing) d += 0.15;
  return d;
}

Difficulties Difficulties::initial() {
  Difficulties d;
  for (const Question& q : allQuestions()) d.of(q).difficulty = initialDifficulty(q);
  return d;
}

}  // namespace practice
