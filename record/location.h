#pragma once
// Where the practice record lives: one place, splitsen.sqlite in the application's data
// folder. A record that an earlier version wrote one folder higher
// (~/.local/share/splitsen/splitsen.sqlite) is brought there, never lost.

#include <QDateTime>
#include <QString>

namespace record {

// The record's one place (~/.local/share/splitsen/splitsen/splitsen.sqlite on Linux).
QString recordFile();
// Where an earlier version kept it: the data folder named after the application alone.
QString earlierRecordFile();

struct Adoption {
  enum class Kind {
    Nothing,   // no record at the earlier place
    Moved,     // moved to the one place, which had none
    SetAside,  // both had one: the earlier one now lies beside the record under `to`
    Failed,    // could not be moved; it stays where it was
  };
  Kind kind = Kind::Nothing;
  QString from;
  QString to;
  QString why;  // when it failed
  // One Dutch line for stderr; empty when there was nothing to do.
  QString message() const;
};

// Brings the record at `earlier` (with its -wal, -shm and -journal companions) to `file`:
// moved there when `file` does not exist, else renamed beside `file` as
// splitsen-oude-plek-<date>-<time>.sqlite, dated `now`. Files are only renamed, the
// companions before the database, so an interruption leaves nothing behind that a next
// start cannot finish.
Adoption adoptEarlierRecord(const QString& earlier, const QString& file, const QDateTime& now);

// The same for the standard places; says on stderr what was done.
void adoptEarlierRecord();

}  // namespace record
