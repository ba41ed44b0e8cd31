#pragma once
// How well each split is known: every judged answer to "number = part + rest", counted
// per number (2 to 10) and shown part (0 to the number), judged on the last answers.

#include <QString>
#include <array>
#include <vector>

namespace record {

// Automatic: adaptive practice found the split answered right and fast on 3 of its last
// 4 tries, on at least two days; it outranks what the answers alone say.
enum class Knowledge { NotPractised, OftenWrong, RightButSlow, RightAndFast, Automatic };

struct Thresholds {
  int recent = 10;        // the verdict looks at this many last answers of a split
  int wrongPercent = 30;  // at least this share of them wrong: often wrong
  qint64 fastMs = 4000;   // median time of the right ones at most this: fast
};

struct SplitCell {
  int answers = 0;  // all answers ever
  int right = 0;
  int wrong = 0;
  int recentWrong = 0;  // among the last `recent`
  int recentCount = 0;
  qint64 medianMs = -1;  // of the right answers among the last `recent`
  Knowledge knowledge = Knowledge::NotPractised;
};

class Summary {
 public:
  static constexpr int Lowest = 2;
  static constexpr int Highest = 10;

  explicit Summary(Thresholds thresholds = {});
  // Answers oldest first; those outside the grid are left out.
  void add(int number, int shown, bool right, qint64 ms);
  // A split whose answers were counted elsewhere: its right and wrong verdicts, and its
  // last ones oldest first as times (-1 wrong, -2 right without a time).
  void addCounted(int number, int shown, int right, int wrong, const std::vector<qint64>& last);
  // Decides each cell once every answer has been added.
  void finish();

  // Marks a split automatic (after `finish`).
  void setAutomatic(int number, int part);
  const SplitCell& cell(int number, int part) const;
  const Thresholds& thresholds() const { return m_thresholds; }
  static bool inGrid(int number, int part) {
    return number >= Lowest && number <= Highest && part >= 0 && part <= number;
  }

 private:
  struct Recent {
    std::array<qint64, 32> ms{};  // -1 for a wrong answer, -2 right without a time
    int next = 0;
    int count = 0;
  };
  static int index(int number, int part) { return number * (Highest + 1) + part; }
  void remember(Recent& r, qint64 ms) const;

  Thresholds m_thresholds;
  std::vector<SplitCell> m_cells;
  std::vector<Recent> m_recent;
};

// The median of some times (the mean of the middle two for an even count).
qint64 median(std::vector<qint64> values);

}  // namespace record
