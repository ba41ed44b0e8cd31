#pragma once
// Whether answers are being recorded, and if not, why; as the teacher's view tells it.

#include <QString>

namespace record {

struct Status {
  bool on = false;
  QString file;        // the record's file
  QString why;         // Dutch, when recording is off
  QString movedAside;  // where a damaged file was kept this run, if one was
};

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

}  // namespace record
