#pragma once
// The questions of adaptive practice: a split of a whole from 1 to 10 with one part
// missing, "7 = 3 + ?" or "7 = ? + 4". A split counts in either order for the child's
// boxes (7 = 3 + 4 and 7 = 4 + 3 are one split); each question has its own difficulty.

#include <QString>
#include <array>
#include <optional>

namespace practice {

inline constexpr int kLargestWhole = 10;

// One question: whole = first + second, the part `firstMissing` says is hidden.
struct Question {
  int whole = 0;
  int first = 0;
  bool firstMissing = false;

  int second() const { return whole - first; }
  int missing() const { return firstMissing ? first : second(); }
  int shown() const { return firstMissing ? second() : first; }
  bool operator==(const Question&) const = default;
};

// Every question: wholes 1 to 10, each ordered split with either part missing.
inline constexpr int kQuestionCount = 130;
// Every split counted in either order: wholes 1 to 10 (the 34 of 2 to 10 and 1 = 0 + 1).
inline constexpr int kSplitCount = 35;
// The splits the year's goal names: the 63 ordered splits of 2 to 10 are 34 of these.
inline constexpr int kGoalSplitCount = 34;

const std::array<Question, kQuestionCount>& allQuestions();
int questionIndex(const Question& question);

// The split in either order, by its whole and its smaller part.
struct Split {
  int whole = 0;
  int smaller = 0;
  bool operator==(const Split&) const = default;
};
Split splitOf(const Question& question);
int splitIndex(const Split& split);
Split splitAt(int index);
bool isGoalSplit(const Split& split);

// "7 = 3 + ?" / "7 = ? + 4" with a single space around "=" and "+".
QString questionText(const Question& question);
// The complete split, "7 = 3 + 4".
QString completeText(const Question& question);
// The stored key of a question, "7=3+?" / "7=?+4"; nothing for a key that names none.
QString questionKey(const Question& question);
std::optional<Question> questionFromKey(const QString& key);

}  // namespace practice
