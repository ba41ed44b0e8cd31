#pragma once
// The stored form of adaptive practice, one row per child, per answered question and
// per met split, as the tables
//   practice_child(child, ability, answers)
//   practice_item(item, difficulty, answers)            item "7=3+?" or "7=?+4"
//   practice_split(child, whole, smaller, box, due_day, tries)
// hold them. `tries` is text: the last tries, oldest first, "day:ms:right" joined by
// ";" ("46100:2300:1;46101:1800:1"). Reading is forgiving: a row or try that cannot be
// understood is left out and counted, and everything else is kept.

#include <QString>
#include <vector>

#include "practice/state.h"

namespace practice {

struct ChildRow {
  double ability = kStartAbility;
  int answers = 0;
};

struct ItemRow {
  QString item;
  double difficulty = 0.0;
  int answers = 0;
};

struct SplitRow {
  int whole = 0;
  int smaller = 0;
  int box = kFirstBox;
  int dueDay = 0;
  QString tries;
};

ChildRow childRow(const ChildState& child);
// Only the splits the child has met.
std::vector<SplitRow> splitRows(const ChildState& child);
// Only the questions that have been answered.
std::vector<ItemRow> itemRows(const Difficulties& difficulties);

QString triesText(const std::vector<Try>& tries);

// Rows left out because they could not be understood (the rest is read).
struct ReadReport {
  int skippedRows = 0;
  int skippedTries = 0;
};

std::vector<Try> triesFromText(const QString& text, ReadReport* report = nullptr);
ChildState childFromRows(const ChildRow& child, const std::vector<SplitRow>& splits,
                         ReadReport* report = nullptr);
Difficulties difficultiesFromRows(const std::vector<ItemRow>& items, ReadReport* report = nullptr);

}  // namespace practice
