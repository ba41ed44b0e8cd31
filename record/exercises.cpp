#include "record/exercises.h"

namespace record {

const QList<Exercise>& exercises() {
  static const QList<Exercise> table = {
      {"frmsplitsmachine", "SPLITSMACHINE", ":/assets/frmkiesbasis/bloem.svg", true},
      {"frmsplits1", "Kijk en splits", ":/assets/frmkiesbasis/hart.svg", true},
      {"frmsplitsrijenB", "splitsing memoriseren (vriendjes)", ":/assets/frmkiesbasis/ijsje.svg",
       true},
      {"frmsleepsplits2", "Klik en splits (ontbrekend deel)", ":/assets/frmkiesbasis/kat.svg",
       true},
      {"frmsleepsplits3", "Klik en splits (met score)", ":/assets/frmkiesbasis/haan.svg", true},
      {"frmsplits2", "Splits", ":/assets/common/bij.svg", false},
      {"frmsleepsplits", "Klik en splits (stap voor stap)", ":/assets/frmkiesbasis/uil.svg", false},
      {"frmsplitsrijenA", "splitsing memoriseren (rijen)", ":/assets/frmkiesbasis/huis.svg", false},
      {"frmsplitsbeeldB", "SPLITSEN VAN GETALBEELDEN", ":/assets/frmkiesbasis/sneeuwman.svg",
       false},
      {"frmopmaat", "Oefenen op maat", ":/assets/frmkiesbasis/trap.svg", true},
  };
  return table;
}

namespace {

const Exercise* find(const QString& key) {
  for (const Exercise& e : exercises())
    if (key == QLatin1String(e.key)) return &e;
  return nullptr;
}

}  // namespace

QString exerciseName(const QString& key) {
  const Exercise* e = find(key);
  return e ? QString::fromUtf8(e->name) : key;
}

QString exercisePicture(const QString& key) {
  const Exercise* e = find(key);
  return e ? QString::fromLatin1(e->picture) : QString();
}

}  // namespace record
