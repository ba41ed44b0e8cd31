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

// What one answer adds to the counts of version 8 (`sign` +1), or takes from them (-1);
// `row` is NEW or OLD in a trigger. A verdict is right as the overview reads it: judged
// right, with a time that is not the marker -1.
QString counted(const char* row, int sign) {
  const QString r = QLatin1String(row);
  const QString right =
      QStringLiteral("(CASE WHEN %1.right THEN coalesce(%1.ms, -2) ELSE -1 END <> -1)").arg(r);
  const QString day = QStringLiteral("substr(%1.time, 1, 10)").arg(r);
  const QString s = sign > 0 ? QStringLiteral("+") : QStringLiteral("-");
  return QStringLiteral(
             "INSERT INTO day_counts VALUES (%1.child, %2, %1.exercise, %3 1)"
             " ON CONFLICT (child, day, exercise) DO UPDATE SET count = count + excluded.count;"
             "DELETE FROM day_counts WHERE count = 0 AND child = %1.child AND day = %2"
             " AND exercise = %1.exercise;"
             "INSERT INTO split_counts SELECT %1.child, %1.number, %1.shown, %3 %4, %3 (NOT %4)"
             " WHERE %1.right IS NOT NULL AND %1.shown BETWEEN 0 AND 63"
             " ON CONFLICT (child, number, shown) DO UPDATE SET"
             " right_count = right_count + excluded.right_count,"
             " wrong_count = wrong_count + excluded.wrong_count;"
             "DELETE FROM split_counts WHERE right_count = 0 AND wrong_count = 0"
             " AND child = %1.child AND number = %1.number AND shown = %1.shown;")
      .arg(r, day, s, right);
}

// 8: the teacher's overview without reading every answer. Per child the number of answers
// per day and exercise, and of right and wrong verdicts per split, kept by triggers (so
// that every writer keeps them, whatever it changes); two indexes find a split's last
// answers, for one child or for everyone.
bool toVersion8(QSqlDatabase& db) {
  return run(db,
             "CREATE TABLE day_counts ("
             " child TEXT NOT NULL, day TEXT NOT NULL, exercise TEXT NOT NULL,"
             " count INTEGER NOT NULL, PRIMARY KEY (child, day, exercise)) WITHOUT ROWID") &&
         run(db,
             "INSERT INTO day_counts SELECT child, substr(time, 1, 10), exercise, count(*)"
             " FROM answers GROUP BY 1, 2, 3") &&
         run(db,
             "CREATE TABLE split_counts ("
             " child TEXT NOT NULL, number INTEGER NOT NULL, shown INTEGER NOT NULL,"
             " right_count INTEGER NOT NULL, wrong_count INTEGER NOT NULL,"
             " PRIMARY KEY (child, number, shown)) WITHOUT ROWID") &&
         run(db,
             "INSERT INTO split_counts SELECT child, number, shown, sum(verdict), sum(NOT verdict)"
             " FROM (SELECT child, number, shown,"
             " CASE WHEN right THEN coalesce(ms, -2) ELSE -1 END <> -1 AS verdict FROM answers"
             " WHERE right IS NOT NULL AND shown BETWEEN 0 AND 63) GROUP BY 1, 2, 3") &&
         run(db, QStringLiteral("CREATE TRIGGER answers_counted AFTER INSERT ON answers BEGIN ") +
                     counted("NEW", +1) + QStringLiteral(" END")) &&
         run(db, QStringLiteral("CREATE TRIGGER answers_uncounted AFTER DELETE ON answers BEGIN ") +
                     counted("OLD", -1) + QStringLiteral(" END")) &&
         run(db,
             QStringLiteral("CREATE TRIGGER answers_recounted AFTER UPDATE OF"
                            " time, child, exercise, number, shown, right, ms ON answers BEGIN ") +
                 counted("OLD", -1) + counted("NEW", +1) + QStringLiteral(" END")) &&
         run(db,
             "CREATE INDEX answers_recent_by_child ON answers (child, number, shown)"
             " WHERE right IS NOT NULL") &&
         run(db, "CREATE INDEX answers_recent ON answers (number, shown) WHERE right IS NOT NULL");
}

}  // namespace

const std::vector<MigrationStep>& migrationSteps() {
  static const std::vector<MigrationStep> steps = {toVersion1, toVersion2, toVersion3, toVersion4,
                                                   toVersion5, toVersion6, toVersion7, toVersion8};
  return steps;
}

}  // namespace record
