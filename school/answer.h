#pragma once
// One answer as the school's server keeps it: the record's line plus its own id and the
// id of the computer it was given on, so that sending it again never stores it twice.

#include <QString>
#include <QUuid>
#include <optional>

namespace school {

struct Answer {
  QUuid id;
  QUuid computer;
  QString time;                  // ISO 8601 with the offset from UTC
  QString child;                 // empty when there is no class list
  QString exercise;              // the screen's name
  int number = 0;                // the number being split
  std::optional<int> shown;      // the part that was shown
  std::optional<QString> given;  // the answer as typed or clicked
  std::optional<bool> right;
  std::optional<qint64> ms;  // from the question being ready to the verdict
};

}  // namespace school
