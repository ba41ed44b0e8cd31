#pragma once
// What adaptive practice keeps: per child an ability and per split a box, a review day
// and the last tries; per question a difficulty shared by every child of the computer.

#include <array>
#include <vector>

#include "practice/split.h"

namespace practice {

// The boxes run from 1 (new, or answered wrong) to 5; a split in box 2 to 5 comes back
// for review after 1, 2, 4 and 8 days.
inline constexpr int kFirstBox = 1;
inline constexpr int kTopBox = 5;
int reviewDays(int box);

// A new child starts on the small numbers.
inline constexpr double kStartAbility = -1.0;

struct Try {
  int day = 0;
  int ms = 0;
  bool right = false;
  bool operator==(const Try&) const = default;
};

struct SplitRecord {
  static constexpr int kKeptTries = 4;
  int box = kFirstBox;
  int dueDay = 0;
  std::vector<Try> tries;  // the last four, oldest first
  bool operator==(const SplitRecord&) const = default;
  // Keeps the try and moves the box: right within `fastMs` a box up and the review day
  // further away; right but slower the same box, back the next day; otherwise the first
  // box, due at once.
  void answered(const Try& attempt, int fastMs);
};

// Right within `fastMs` on 3 of the last 4 tries, those on at least two different days.
bool isAutomatic(const SplitRecord& split, int fastMs);

struct ChildState {
  double ability = kStartAbility;
  int answers = 0;
  std::array<SplitRecord, kSplitCount> splits{};
  bool operator==(const ChildState&) const = default;
  int automaticGoalSplits(int fastMs) const;
};

struct QuestionState {
  double difficulty = 0.0;
  int answers = 0;
  bool operator==(const QuestionState&) const = default;
};

// The difficulties of every question, from the usual order of learning until answers
// move them: splits with 0 or 1, doubles and the small wholes first, larger wholes later.
struct Difficulties {
  std::array<QuestionState, kQuestionCount> questions{};
  static Difficulties initial();
  static double initialDifficulty(const Question& question);
  QuestionState& of(const Question& q) { return questions[questionIndex(q)]; }
  const QuestionState& of(const Question& q) const { return questions[questionIndex(q)]; }
  bool operator==(const Difficulties&) const = default;
};

}  // namespace practice
