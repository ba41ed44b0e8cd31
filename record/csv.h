#pragma once
// The record as a CSV file that Dutch spreadsheet programs open as it is: UTF-8 with a
// byte order mark, semicolons, CR LF, one header line.

#include <QString>
#include <QStringList>
#include <optional>

#include "record/entry.h"
#include "school/address.h"

namespace record {

inline constexpr const char* CsvHeader = "tijd;kind;oefening;getal;deel;antwoord;goed;ms";

// One field: quoted when it holds a separator, a quote or a line break; a text that a
// spreadsheet would take for a formula (=, +, -, @, or a tab or CR first) gets a
// leading apostrophe inside quotes, so it stays text.
QString csvField(const QString& text);
// One line (without its line end) for an entry.
QString csvLine(const Entry& entry);

// Writes every record of the standard data file (or of `database`) to `file`. Returns
// false with a Dutch `error` naming the file when it cannot be written, or when the
// record exists but cannot be read (a newer program's, say).
bool exportCsv(const QString& file, QString* error, const QString& database = QString());
// Writes every record of an open `db` (null: the record could not be read, and `why`
// says so) to `file`; on any thread.
bool writeCsv(class Database* db, const QString& why, const QString& file, QString* error);

// Writes the record in `database` to `file` for the command line. False with one Dutch
// line in `error` when there is no record there (then nothing is created), when it cannot
// be read, or when `file` cannot be written.
bool exportRecord(const QString& database, const QString& file, QString* error);

// Every answer of every computer on the school's `server` (a role that may read them) to
// `file`. False with one Dutch line in `error`, and nothing written, when the server
// cannot be reached, refuses the role, or `file` cannot be written.
bool exportServer(const school::Address& server, const QString& file, QString* error);

// --export=FILE: the record at its one place (a record at the earlier place moved there
// first), or with `server` the whole class on the school's server, written to FILE.
// Returns the exit status: 0, or 1 after one line on stderr. Needs the application object
// and its identity.
int exportFromCommandLine(const QString& file,
                          const std::optional<school::Address>& server = std::nullopt);

}  // namespace record
