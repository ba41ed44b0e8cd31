#include "record/migrations.h"

#include <QSqlQuery>

namespace record {

namespace {

bool run(QSqlDatabase& db, const QString& sql) {
  QSqlQuery query(db);
  return query.exec(sql);
}

bool run(QSqlDatabase& db, const char* sql) {
  return run(db, QString::fromLatin1(sql));
}

// 1: every answer and every practised number.
bool toVersion1(QSqlDatabase& db) {
  return run(db,
             "CREATE TABLE answers ("
             " id INTEGER PRIMARY KEY,"
             " time TEXT NOT NULL,"
             " child TEXT NOT NULL DEFAULT '',"
             " exercise TEXT NOT NULL,"
             " number INTEGER NOT NULL,"
             " shown INTEGER,"
             " given TEXT,"
             " right INTEGER,"
             " ms INTEGER)");
}

// 2: the class list, with a picture per child.
bool toVersion2(QSqlDatabase& db) {
  return run(db,
             "CREATE TABLE children ("
             " id INTEGER PRIMARY KEY,"
             " name TEXT NOT NULL UNIQUE COLLATE NOCASE,"
             " picture TEXT NOT NULL)");
}

// 3: the overview reads one child's answers at a time.
bool toVersion3(QSqlDatabase& db) {
  return run(db, "CREATE INDEX answers_by_child ON answers (child)");
}

// 4: the overview counts per day without sorting the whole record.
bool toVersion4(QSqlDatabase& db) {
  return run(db, "CREATE INDEX answers_by_day ON answers (substr(time, 1, 10), exercise)");
}

// 5: what adaptive practice keeps per child, per question and per split.
bool toVersion5(QSqlDatabase& db) {
  return run(db,
             "CREATE TABLE practice_child ("
             " child TEXT PRIMARY KEY,"
             " ability REAL NOT NULL,"
             " answers INTEGER NOT NULL DEFAULT 0)") &&
         run(db,
             "CREATE TABLE practice_item ("
             " item TEXT PRIMARY KEY,"
             " difficulty REAL NOT NULL,"
             " answers INTEGER NOT NULL DEFAULT 0)") &&
         run(db,
             "CREATE TABLE practice_split ("
             " child TEXT NOT NULL,"
             " whole INTEGER NOT NULL,"
             " smaller INTEGER NOT NULL,"
             " box INTEGER NOT NULL,"
             " due_day INTEGER,"
             " tries TEXT NOT NULL DEFAULT '',"
             " PRIMARY KEY (child, whole, smaller))");
}

// A random (version 4) UUID in SQL, written as QUuid writes it without braces.
#define RANDOM_UUID                                                                   \
  "lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' || "                 \
  "substr(hex(randomblob(2)), 2) || '-' || substr('89ab', 1 + (random() & 3), 1) || " \
  "substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)))"

// 6: the school's server. Every answer its own id, the computer one id of its own, and
// the answers the server has not yet acknowledged in the outbox (every earlier answer
// too: it has never been sent).
bool toVersion6(QSqlDatabase& db) {
  return run(db, "ALTER TABLE answers ADD COLUMN uuid TEXT") &&
         run(db, "UPDATE answers SET uuid = " RANDOM_UUID) &&
         run(db, "CREATE UNIQUE INDEX answers_by_uuid ON answers (uuid)") &&
         run(db, "CREATE TABLE computer (id TEXT NOT NULL)") &&
         run(db, "INSERT INTO computer (id) VALUES (" RANDOM_UUID ")") &&
         run(db, "CREATE TABLE outbox (answer INTEGER PRIMARY KEY)") &&
         run(db, "INSERT INTO outbox (answer) SELECT id FROM answers");
}

#undef RANDOM_UUID

// 7: the practice state on the school's server. Each practice row carries when it was
// changed (ms since 1970, UTC) and whether the server has it; rows from before were never
// sent. A wipe leaves a note for the server (child NULL: everyone's).
bool toVersion7(QSqlDatabase& db) {
  if (!run(db, "CREATE TABLE practice_wiped (child TEXT, changed INTEGER NOT NULL)")) return false;
  for (const char* table : {"practice_child", "practice_item", "practice_split"})
    if (!run(db, QStringLiteral("ALTER TABLE %1 ADD COLUMN changed INTEGER NOT NULL DEFAULT 0")
                     .arg(QLatin1String(table))) ||
        !run(db, QStringLiteral("ALTER TABLE %1 ADD COLUMN sent INTEGER NOT NULL DEFAULT 0")
                     .arg(QLatin1String(table))))
      return false;
  return true;
}

}  // namespace

const std::vector<MigrationStep>& migrationSteps() {
  static const std::vector<MigrationStep> steps = {toVersion1, toVersion2, toVersion3, toVersion4,
                                                   toVersion5, toVersion6, toVersion7};
  return steps;
}

}  // namespace record
