#pragma once
// How far a child has come, for the teacher: its level (the highest whole up to which it
// mostly knows every whole's splits) and how many of the 63 splits of 2 to 10 are automatic.

#include "practice/state.h"

namespace practice {

struct Progress {
  // A whole's splits are mostly known when this share of them was last answered right
  // within `fastMs` (their box is above the first).
  static constexpr int kMostlyPercent = 75;
  static constexpr int kGoalCount = 63;  // the ordered splits of 2 to 10

  int level = 0;      // 0: not yet the splits of 2
  int automatic = 0;  // of kGoalCount, each order counted
};

Progress progressOf(const ChildState& child, int fastMs);

}  // namespace practice
