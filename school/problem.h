#pragma once
// What went wrong with the school's server, as a kind (which decides what happens next)
// and a short line in plain Dutch for the teacher's view.

#include <QString>

class QSqlError;

namespace school {

enum class Problem {
  None,
  NoDriver,        // Qt's PostgreSQL driver is not installed
  Unreachable,     // no answer from the server, or the connection was cut
  WrongPassword,   // the server refused the user or its password
  NoPermission,    // the role may not do this
  NoDatabase,      // the named database does not exist
  NotSetUp,        // the database lacks the program's tables
  SchemaTooOld,    // the tables are older than this program knows
  SchemaTooNew,    // the tables are newer than this program knows
  Full,            // the server's disk or memory is full
  TooManyClients,  // the server has no connection left
  Exists,          // a child of that name is already in the class list
  Other,
};

// The outcome of one operation on the server: the kind, and the server's own words
// (never with a password in them).
struct Outcome {
  Problem problem = Problem::None;
  QString detail;
  bool ok() const { return problem == Problem::None; }
};

// The kind of a Qt SQL error from the QPSQL driver: the SQLSTATE where the server gave
// one, else what libpq said while connecting.
Problem classify(const QSqlError& error);
Problem classify(const QString& sqlState, const QString& message, bool connecting);

// "wachtwoord fout", "server niet bereikbaar", ...
QString describe(Problem problem);

}  // namespace school
