#pragma once
// Whether answers are being recorded, and if not, why; as the teacher's view tells it.

#include <QString>

namespace record {

// How a database operation failed: the kind decides what the writer does next.
enum class Failure {
  None,
  Busy,        // another copy of the program holds the file: try again later
  Full,        // the disk (or the file's page limit) is full
  Unwritable,  // folder or file cannot be written
  Damaged,     // not a database, or a damaged one
  Newer,       // written by a newer version of the program
  Other,
};

struct Status {
  bool on = false;
  bool opening = false;             // the file is still being opened and checked
  Failure failure = Failure::None;  // why it is not on
  int waiting = 0;                  // answers kept in memory until the file can be written again
  QString file;                     // the record's file
  QString why;                      // Dutch, when recording is off
  QString movedAside;               // where a damaged file was kept this run, if one was
};

// What is wrong with `file`, in Dutch (a sentence without its capital).
QString describe(Failure failure, const QString& file);

}  // namespace record
