#pragma once
// One line of the record: a judged answer, or a number that was practised on a
// walk-through screen (no shown part, answer, verdict or time then).

#include <QDateTime>
#include <QString>
#include <QUuid>
#include <memory>
#include <optional>

namespace record {

struct PracticeRows;

struct Entry {
  QUuid id;                      // null until the writer gives it one
  QString time;                  // ISO 8601 with the offset from UTC
  QString child;                 // empty when there is no class list
  QString exercise;              // the screen's name
  int number = 0;                // the number being split
  std::optional<int> shown;      // the part that was shown
  std::optional<QString> given;  // the answer as typed or clicked
  std::optional<bool> right;
  std::optional<qint64> ms;  // from the question being ready to the verdict
  // Set on an entry that is no answer but what adaptive practice keeps after one.
  std::shared_ptr<const PracticeRows> practice;
};

// "2026-03-05T09:41:07.250+01:00": local time with its offset, always with the offset
// (never "Z"), so a spreadsheet and a person read the same wall-clock time.
QString isoWithOffset(const QDateTime& time);

}  // namespace record
