#include "practice/progress.h"

namespace practice {

Progress progressOf(const ChildState& child, int fastMs) {
  Progress p;
  bool climbing = true;
  for (int whole = 2; whole <= kLargestWhole; ++whole) {
    int splits = 0, known = 0;
    for (int smaller = 0; smaller <= whole / 2; ++smaller) {
      const SplitRecord& record = child.splits[splitIndex({whole, smaller})];
      ++splits;
      if (record.box > kFirstBox) ++known;
      // 7 = 3 + 4 and 7 = 4 + 3 are two of the 63; 8 = 4 + 4 is one.
      if (isAutomatic(record, fastMs)) p.automatic += smaller * 2 == whole ? 1 : 2;
    }
    climbing = climbing && known * 100 >= splits * Progress::kMostlyPercent;
    if (climbing) p.level = whole;
  }
  return p;
}

}  // namespace practice
