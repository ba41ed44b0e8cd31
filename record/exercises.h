#pragma once
// The exercises as the record knows them: the screen's name is the key that is stored,
// the Dutch name is what the teacher reads in the overview and in the export.

#include <QString>
#include <QStringList>

namespace record {

struct Exercise {
  const char* key;   // the screen's name, as stored
  const char* name;  // Dutch, for the teacher
  bool judged;       // answers with a verdict, or numbers that were only practised
};

// Every exercise, in the order of the chooser's board.
const QList<Exercise>& exercises();
// The Dutch name of a stored key; an unknown key is shown as it is.
QString exerciseName(const QString& key);

}  // namespace record
