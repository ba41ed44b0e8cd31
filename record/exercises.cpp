#include "record/exercises.h"

namespace record {

const QList<Exercise>& exercises() {
  static const QList<Exercise> table = {
      {"frmsplitsmachine", "Splitsmachine", true},
      {"frmsplits1", "Kijk en splits", true},
      {"frmsplitsrijenB", "Splitsvriendjes", true},
      {"frmsleepsplits2", "Ontbrekend deel", true},
      {"frmsleepsplits3", "Ontbrekend deel met score", true},
      {"frmsplits2", "Splitsingen memoriseren", false},
      {"frmsleepsplits", "Klik en splits", false},
      {"frmsplitsrijenA", "Splitsrijen", false},
      {"frmsplitsbeeldB", "Getalbeelden splitsen", false},
  };
  return table;
}

QString exerciseName(const QString& key) {
  for (const Exercise& e : exercises())
    if (key == QLatin1String(e.key)) return QString::fromUtf8(e.name);
  return key;
}

}  // namespace record
