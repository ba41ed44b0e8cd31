#include "record/migrations.h"

#include <QSqlQuery>

namespace record {

namespace {

bool run(QSqlDatabase& db, const char* sql) {
  QSqlQuery query(db);
  return query.exec(QString::fromLatin1(sql));
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

}  // namespace

const std::vector<MigrationStep>& migrationSteps() {
  static const std::vector<MigrationStep> steps = {toVersion1, toVersion2, toVersion3, toVersion4,
                                                   toVersion5};
  return steps;
}

}  // namespace record
