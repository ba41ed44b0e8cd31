#pragma once
// Small helpers of the record's tests: a temporary data folder, entries, raw reads of
// the file with a connection of the test's own.

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QSize>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>
#include <memory>
#include <vector>

#include "forms/font.h"
#include "forms/units.h"
#include "record/classlist.h"
#include "record/database.h"
#include "record/entry.h"
#include "record/migrations.h"
#include "record/namefit.h"
#include "record/recorder.h"
#include "tests/support/harness.h"

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

// The fixture of a test that records: a temporary data folder and, for each test, a fresh
// program on the test clock with the record started on a file of its own
// (run1/splitsen.sqlite, run2/...).
class RecordedProgram {
 public:
  // Starts the next run; the options' file is this run's.
  void begin(record::Options options = {}) {
    m_harness = std::make_unique<Harness>();
    m_file = path(QStringLiteral("run%1/splitsen.sqlite").arg(++m_run));
    options.file = m_file;
    record::start(options);
  }
  void end() {
    record::stop();
    m_harness.reset();
  }
  Harness& h() { return *m_harness; }
  const QString& file() const { return m_file; }
  int run() const { return m_run; }
  QString path(const QString& name) const { return m_dir.filePath(name); }

  // Every answer in this run's file, once those given so far have been written.
  std::vector<record::Entry> entries() const {
    record::flush();
    std::vector<record::Entry> result;
    record::Database db(m_file, QStringLiteral("check"));
    if (db.open(false).on)
      db.forEachEntry(QString(), [&](const record::Entry& e) { result.push_back(e); });
    return result;
  }

 private:
  QTemporaryDir m_dir;
  std::unique_ptr<Harness> m_harness;
  QString m_file;
  int m_run = 0;
};

// Children added to the class list of the record started, once its file is open; their
// pictures in turn.
inline void addChildren(const QStringList& names) {
  QTRY_VERIFY(record::database());
  for (int i = 0; i < names.size(); ++i)
    QCOMPARE(record::database()->addChild(
                 {names[i], record::childPictures()[i % record::childPictures().size()]}),
             record::Failure::None);
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

// A record at `file` with answers of `child`: `committed` of them in the database itself and
// `inLog` more only in its write-ahead log (`file`-wal), as a program that was stopped
// halfway leaves it. False when it could not be made.
inline bool writeRecord(const QString& file, const QString& child, int committed, int inLog = 0) {
  QTemporaryDir scratch;
  const QString made = inLog > 0 ? scratch.filePath(QStringLiteral("r.sqlite")) : file;
  auto batch = [&](int count) {
    std::vector<record::Entry> entries;
    for (int i = 0; i < count; ++i)
      entries.push_back(answer(7, 3, QStringLiteral("4"), true, 1500, child));
    return entries;
  };
  {
    record::Database db(made, QStringLiteral("fixture"));
    if (!db.open(false).on || db.insert(batch(committed)) != record::Failure::None) return false;
  }
  if (inLog == 0) return true;
  record::Database db(made, QStringLiteral("fixture"));
  if (!db.open(false).on || db.insert(batch(inLog)) != record::Failure::None) return false;
  // Copied while the connection is open, so the last answers are in the log only.
  QDir().mkpath(QFileInfo(file).absolutePath());
  bool copied = true;
  for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
    copied = QFile::copy(made + suffix, file + suffix) && copied;
  return copied && QFileInfo(file + QStringLiteral("-wal")).size() > 0;
}

// A record at `file` as an earlier version of the program left it, built with the real
// steps up to `version`, holding one answer of Ada's (from version 1) and Ada in the class
// list (from version 2). False when it could not be made.
inline bool makeOldRecord(const QString& file, int version) {
  bool ok = true;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
    db.setDatabaseName(file);
    ok = db.open();
    for (int step = 0; ok && step < version; ++step)
      ok = record::migrationSteps()[size_t(step)](db);
    QSqlQuery q(db);
    ok = ok && q.exec(QStringLiteral("PRAGMA user_version = %1").arg(version));
    if (version >= 1)
      ok = ok && q.exec(QStringLiteral(
                     "INSERT INTO answers (time, child, exercise, number, shown, given, right, ms)"
                     " VALUES ('2025-01-01T08:00:00.000+01:00', 'Ada', 'frmsplitsmachine', 7, 3, "
                     "'4', 1, 900)"));
    if (version >= 2)
      ok = ok &&
           q.exec(QStringLiteral("INSERT INTO children (name, picture) VALUES ('Ada', 'kat')"));
    // From 6 on an answer has an id and waits in the outbox, as the writer puts it there.
    if (version >= 6)
      ok = ok &&
           q.exec(QStringLiteral("UPDATE answers SET uuid = "
                                 "'6f1c2a52-0d7e-4c1e-9a57-3b2f0c9d8e11'")) &&
           q.exec(QStringLiteral("INSERT INTO outbox (answer) SELECT id FROM answers"));
    q.finish();
    db.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("old"));
  return ok;
}

// How many answers of `child` the record at `file` holds (-1 when it cannot be read).
inline int answers(const QString& file, const QString& child) {
  if (!QFileInfo::exists(file)) return -1;
  int count = -1;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("count"));
    db.setDatabaseName(file);
    if (db.open()) {
      QSqlQuery query(db);
      query.prepare(QStringLiteral("SELECT count(*) FROM answers WHERE child = ?"));
      query.addBindValue(child);
      if (query.exec() && query.next()) count = query.value(0).toInt();
    }
    db.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("count"));
  return count;
}

// A name's caption on a tile of `tile` twips, measured in its own type: every line as
// wide as the tile allows, all lines inside the tile with their descenders, and not a
// letter of the name lost.
inline void verifyNameFits(const QString& caption, const forms::Font& font, const QString& name,
                           QSize tile) {
  const QFontMetricsF metrics(forms::toQFont(font));
  const QStringList lines = caption.split(forms::CrLf);
  for (const QString& line : lines)
    QVERIFY2(metrics.horizontalAdvance(line) <= record::captionWidth(tile.width()),
             qPrintable(line + QStringLiteral(" in ") + QString::number(font.size)));
  QVERIFY(lines.size() * metrics.lineSpacing() <= forms::layoutPixels(tile.height()) - 4);
  QVERIFY(font.size >= 5);
  QCOMPARE(QString(caption).remove(forms::CrLf).remove(QLatin1Char(' ')),
           QString(name).remove(QLatin1Char(' ')));
}

}  // namespace recordtest
