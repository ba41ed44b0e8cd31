#pragma once
// The exercises as the record knows them: the screen's name is the key that is stored;
// the teacher reads each exercise under the title its screen carries (with a word in
// parentheses where screens share a title) and sees it with its picture on the chooser.

#include <QString>
#include <QStringList>

namespace record {

struct Exercise {
  const char* key;      // the screen's name, as stored
  const char* name;     // the screen's title, for the teacher
  const char* picture;  // the chooser's picture of it (a resource of the program)
  bool judged;          // answers with a verdict, or numbers that were only practised
};

// Every exercise, in the order of the chooser's board.
const QList<Exercise>& exercises();
// The name of a stored key; an unknown key is shown as it is.
QString exerciseName(const QString& key);
// The resource of the chooser's picture of a stored key; empty for an unknown key.
QString exercisePicture(const QString& key);

}  // namespace record
