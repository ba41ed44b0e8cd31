#pragma once
// Small helpers of the record's tests: a temporary data folder, entries, raw reads of
// the file with a connection of the test's own.

#include <unistd.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QTest>
#include <QVariant>

#include "record/entry.h"

namespace recordtest {

inline record::Entry answer(int number, int shown, const QString& given, bool right,
                            qint64 ms = 1200, const QString& child = QString()) {
  record::Entry e;
  e.time = QStringLiteral("2026-03-05T09:41:07.250+01:00");
  e.child = child;
  e.exercise = QStringLiteral("frmsplitsmachine");
  e.number = number;
  e.shown = shown;
  e.given = given;
  e.right = right;
  e.ms = ms;
  return e;
}

// A value read straight from the file, outside the program's own code.
inline QVariant scalar(const QString& file, const QString& sql) {
  QVariant result;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
    db.setDatabaseName(file);
    if (db.open()) {
      QSqlQuery query(db);
      if (query.exec(sql) && query.next()) result = query.value(0);
    }
    db.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("raw"));
  return result;
}

// Statements run straight on the file, outside the program's own code; false when one
// fails.
inline bool exec(const QString& file, const QStringList& statements) {
  bool ok = true;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
    db.setDatabaseName(file);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    ok = db.open();
    QSqlQuery query(db);
    for (const QString& sql : statements) ok = ok && query.exec(sql);
    query.finish();
    db.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("raw"));
  return ok;
}

// Root may write any file whatever its mode. While this lives, the process (every
// thread) has the rights of an ordinary user, so that read-only files are read-only;
// `folder` is given to that user first.
class AsOrdinaryUser {
 public:
  explicit AsOrdinaryUser(const QString& folder) {
    if (::geteuid() != 0) return;
    constexpr uid_t nobody = 65534;
    m_ok = ::chown(folder.toLocal8Bit().constData(), nobody, nobody) == 0 &&
           ::setegid(nobody) == 0 && ::seteuid(nobody) == 0;
    m_wasRoot = true;
  }
  ~AsOrdinaryUser() {
    if (!m_wasRoot) return;
    [[maybe_unused]] const int u = ::seteuid(0);
    [[maybe_unused]] const int g = ::setegid(0);
  }
  AsOrdinaryUser(const AsOrdinaryUser&) = delete;
  AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;
  bool ok() const { return m_ok; }

 private:
  bool m_wasRoot = false;
  bool m_ok = true;
};

// Waits until the teacher's view has shown what it reads in the background.
template <class View>
bool settled(const View& view) {
  return QTest::qWaitFor([&] { return !view.busy(); });
}

inline QByteArray bytes(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void write(const QString& file, const QByteArray& data) {
  QFile f(file);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(data);
}

}  // namespace recordtest
