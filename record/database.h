#pragma once
// The record's SQLite file through one named Qt SQL connection (one per thread that
// uses it): WAL, synchronous commits, a busy timeout so two copies of the program can
// share the file, and the schema brought up to date when the file is opened. Every
// statement is prepared with bound values.

#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <vector>

#include "record/entry.h"
#include "record/status.h"
#include "record/summary.h"
#include "school/answer.h"

namespace record {

struct Child {
  QString name;
  QString picture;  // the key of one of the class-list pictures
};

class Database {
 public:
  // The file in the standard data folder.
  static QString defaultFile();
  static constexpr int BusyTimeoutMs = 5000;
  // Below this much free space a failed write is a full disk.
  static constexpr qint64 FullBelowBytes = 1 << 20;

  Database(const QString& file, const QString& connection);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Opens the file, creating it and its folder when missing, and migrates it. With
  // `repair`, a damaged file is moved aside under a dated name and a fresh one begun.
  // The whole file is checked the first time only; a file of a newer version is left
  // as it is.
  Status open(bool repair);
  // Joins a file that the writer has opened and checked: fails unless it exists and
  // has the current version. Reads nothing else, so it costs the same for any size.
  Status attach();
  bool isOpen() const { return m_open; }
  // Lets go of the file (opening again begins anew).
  void close();
  QString file() const { return m_file; }
  // The connection itself, for the statements of adaptive practice.
  QSqlDatabase& connection() { return m_db; }
  // Limits the file to `pages` pages (a full disk, for tests).
  void setMaxPageCount(int pages) { m_maxPageCount = pages; }
  // How long a statement waits for another program's lock before it fails as busy.
  void setBusyTimeout(int ms) { m_busyTimeoutMs = ms; }

  // Adds the entries in one transaction (with what adaptive practice keeps), each with its
  // id (a new one when it has none), and puts the answers in the outbox for the school's
  // server.
  Failure insert(const std::vector<Entry>& entries, QString* error = nullptr);

  // Every entry, oldest first; `child` null means every child.
  void forEachEntry(const QString& child, const std::function<void(const Entry&)>& visit);
  // The judged answers only, oldest first: number, shown part, right, ms (-1 unknown).
  void forEachVerdict(const QString& child,
                      const std::function<void(int, int, bool, qint64)>& visit);
  // How well each split is known, as adding every verdict to a Summary would find it,
  // read from the counts the record keeps and each split's last answers (not finished:
  // the caller adds what adaptive practice knows first).
  Summary summary(const QString& child, Thresholds thresholds = {});
  struct DayCount {
    QString day;  // yyyy-MM-dd
    QString exercise;
    int count;
  };
  std::vector<DayCount> perDay(const QString& child);
  // The names that occur in the record, sorted.
  QStringList childrenInRecord();
  // Deletes the record of one child, or of everyone when `child` is null.
  Failure wipe(const QString& child);

  QList<Child> children();
  Failure addChild(const Child& child);
  // Renames in the class list and in the record, in one transaction.
  Failure renameChild(const QString& from, const QString& to);
  Failure setPicture(const QString& name, const QString& picture);
  Failure removeChild(const QString& name);

  // The outbox: answers the school's server has not yet acknowledged, oldest first, with
  // this computer's id.
  std::vector<school::Answer> pending(int max, Failure* failure = nullptr);
  Failure markSent(const std::vector<QUuid>& ids);
  // How many answers wait in the outbox; -1 when that cannot be read.
  int waiting();
  // The id this computer's record was given once.
  QUuid computer();

  // The kind of a Qt SQL error (SQLite's result code).
  static Failure classify(const class QSqlError& error);

 private:
  Failure connect();
  Failure connectAndMigrate(QString* detail);
  Failure migrate();
  Failure version(int* version);
  Failure lastFailure(const class QSqlError& error) const;
  Failure unlessWritable() const;
  void makeCompanionsWritable() const;
  QString moveAside();
  Failure exec(const QString& sql, const QVariantList& values = {});

  QString m_file;
  QString m_connection;
  QSqlDatabase m_db;
  bool m_open = false;
  int m_maxPageCount = 0;
  int m_busyTimeoutMs = BusyTimeoutMs;
  bool m_checked = false;  // the whole file has been checked once
  QUuid m_computer;
};

}  // namespace record
