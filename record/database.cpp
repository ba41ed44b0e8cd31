#include "record/database.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QThread>
#include <algorithm>

#include "record/migrations.h"
#include "record/practicestore.h"

namespace record {

namespace {

QString dutchPath(const QString& path) {
  return QDir::toNativeSeparators(path);
}

// Whether this process may write the existing file: tried, not deduced from its mode.
bool writable(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadWrite);
}

}  // namespace

QString Database::defaultFile() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
         QStringLiteral("/splitsen.sqlite");
}

Database::Database(const QString& file, const QString& connection)
    : m_file(file), m_connection(connection) {}

Database::~Database() {
  close();
}

void Database::close() {
  if (m_db.isValid()) m_db.close();
  m_db = QSqlDatabase();
  if (QSqlDatabase::contains(m_connection)) QSqlDatabase::removeDatabase(m_connection);
  m_open = false;
}

Failure Database::classify(const QSqlError& error) {
  if (error.type() == QSqlError::NoError) return Failure::None;
  bool ok = false;
  const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
  if (!ok) return Failure::Other;
  switch (code) {
    case 5:  // SQLITE_BUSY
    case 6:  // SQLITE_LOCKED
      return Failure::Busy;
    case 13:  // SQLITE_FULL
      return Failure::Full;
    case 8:   // SQLITE_READONLY
    case 14:  // SQLITE_CANTOPEN
    case 10:  // SQLITE_IOERR
    case 3:   // SQLITE_PERM
      return Failure::Unwritable;
    case 11:  // SQLITE_CORRUPT
    case 26:  // SQLITE_NOTADB
      return Failure::Damaged;
    default:
      return Failure::Other;
  }
}

Failure Database::exec(const QString& sql, const QVariantList& values) {
  QSqlQuery query(m_db);
  if (!query.prepare(sql)) return classify(query.lastError());
  for (const QVariant& v : values) query.addBindValue(v);
  if (!query.exec()) return classify(query.lastError());
  return Failure::None;
}

QString describe(Failure failure, const QString& file) {
  const QString name = QDir::toNativeSeparators(file);
  switch (failure) {
    case Failure::None:
      return QString();
    case Failure::Full:
      return QStringLiteral("de schijf is vol (%1). De antwoorden wachten tot er weer plaats is.")
          .arg(name);
    case Failure::Busy:
      return QStringLiteral(
                 "een ander programma houdt het bestand %1 bezet. De antwoorden wachten tot "
                 "het vrij is.")
          .arg(name);
    case Failure::Damaged:
      return QStringLiteral("het bestand %1 is beschadigd.").arg(name);
    case Failure::Newer:
      return QStringLiteral(
                 "het bestand %1 is gemaakt door een nieuwere versie van Splitsen. Het blijft "
                 "onaangeroerd; deze versie kan het niet tonen of exporteren en neemt niets op.")
          .arg(name);
    case Failure::Unwritable:
    case Failure::Other:
      break;
  }
  return QStringLiteral(
             "het bestand %1 kan niet worden geschreven. De antwoorden wachten tot dat weer "
             "kan.")
      .arg(name);
}

Status Database::open(bool repair) {
  close();
  Status status;
  status.file = m_file;
  const QFileInfo info(m_file);
  if (!QDir().mkpath(info.absolutePath())) {
    status.failure = Failure::Unwritable;
    status.why =
        QStringLiteral("de map %1 kan niet worden gemaakt.").arg(dutchPath(info.absolutePath()));
    return status;
  }
  makeCompanionsWritable();
  QString detail;
  Failure failure = unlessWritable();
  if (failure == Failure::None) failure = connectAndMigrate(&detail);
  if (failure == Failure::Damaged && repair) {
    close();
    status.movedAside = moveAside();
    if (status.movedAside.isEmpty()) {
      status.failure = Failure::Damaged;
      status.why = QStringLiteral("het bestand %1 is beschadigd en kan niet opzij worden gezet.")
                       .arg(dutchPath(m_file));
      return status;
    }
    failure = connectAndMigrate(&detail);
  }
  status.failure = failure;
  status.on = failure == Failure::None;
  if (!status.on) {
    status.why = describe(failure, m_file);
    close();
  }
  return status;
}

Status Database::attach() {
  close();
  Status status;
  status.file = m_file;
  int v = 0;
  Failure failure = QFileInfo::exists(m_file) ? connect() : Failure::Unwritable;
  if (failure == Failure::None) failure = version(&v);
  if (failure == Failure::None && v != schemaVersion())
    failure = v > schemaVersion() ? Failure::Newer : Failure::Other;
  status.failure = failure;
  status.on = failure == Failure::None;
  m_open = status.on;
  if (!status.on) {
    status.why = describe(failure, m_file);
    close();
  }
  return status;
}

// A file that the system refuses to let this user write is not opened for writing:
// SQLite would open it read-only without a word and fail at every answer.
Failure Database::unlessWritable() const {
  return QFileInfo::exists(m_file) && !writable(m_file) ? Failure::Unwritable : Failure::None;
}

// A file made writable again may still have the read-only -wal and -shm of the time it
// was not; with them SQLite would go on treating it as read-only. They belong with it.
void Database::makeCompanionsWritable() const {
  if (!QFileInfo::exists(m_file) || !writable(m_file)) return;
  for (const char* extra : {"-wal", "-shm"}) {
    const QString companion = m_file + QLatin1String(extra);
    if (QFileInfo::exists(companion) && !writable(companion))
      QFile::setPermissions(companion, QFile::permissions(companion) | QFileDevice::WriteOwner);
  }
}

Failure Database::connect() {
  m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
  m_db.setDatabaseName(m_file);
  m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeoutMs));
  if (!m_db.open()) {
    const Failure f = classify(m_db.lastError());
    return f == Failure::None || f == Failure::Other ? Failure::Unwritable : f;
  }
  return Failure::None;
}

Failure Database::version(int* version) {
  QSqlQuery query(m_db);
  if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
    return lastFailure(query.lastError());
  *version = query.value(0).toInt();
  return Failure::None;
}

// A failed write on a disk without room is a full disk, whatever SQLite called it.
Failure Database::lastFailure(const QSqlError& error) const {
  const Failure f = classify(error);
  if (f == Failure::Unwritable || f == Failure::Other) {
    const QStorageInfo storage(QFileInfo(m_file).absolutePath());
    if (storage.isValid() && storage.bytesAvailable() < FullBelowBytes) return Failure::Full;
  }
  return f == Failure::None ? Failure::Other : f;
}

Failure Database::connectAndMigrate(QString* detail) {
  if (const Failure f = connect(); f != Failure::None) {
    *detail = m_db.lastError().text();
    return f;
  }
  // The version first: a file of a newer program is not changed in any way.
  int v = 0;
  if (const Failure f = version(&v); f != Failure::None) return f;
  if (v > schemaVersion()) return Failure::Newer;
  QSqlQuery query(m_db);
  // A file not yet in WAL mode must be had alone to switch it. When another program opens
  // it at the same moment, SQLite answers busy at once instead of waiting, so the switch
  // is tried again for as long as a statement would wait.
  QElapsedTimer waiting;
  waiting.start();
  while (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL"))) {
    if (classify(query.lastError()) != Failure::Busy || waiting.elapsed() >= m_busyTimeoutMs) {
      *detail = query.lastError().text();
      return lastFailure(query.lastError());
    }
    QThread::msleep(10);
  }
  if (!query.exec(QStringLiteral("PRAGMA synchronous = FULL"))) {
    *detail = query.lastError().text();
    return lastFailure(query.lastError());
  }
  if (m_maxPageCount > 0 &&
      !query.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(m_maxPageCount)))
    return lastFailure(query.lastError());
  if (!m_checked) {
    if (!query.exec(QStringLiteral("PRAGMA quick_check"))) {
      *detail = query.lastError().text();
      return lastFailure(query.lastError());
    }
    if (!query.next() || query.value(0).toString() != QLatin1String("ok")) return Failure::Damaged;
    query.finish();
  }
  const Failure migrated = migrate();
  if (migrated == Failure::None) m_open = m_checked = true;
  return migrated;
}

// One transaction that takes the write lock first, so two copies starting at once
// migrate one after the other; the version is read again inside it.
Failure Database::migrate() {
  int version = 0;
  if (const Failure f = this->version(&version); f != Failure::None) return f;
  const int current = schemaVersion();
  if (version == current) return Failure::None;
  if (version > current) return Failure::Newer;
  QSqlQuery query(m_db);
  if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) return lastFailure(query.lastError());
  auto rollback = [&](Failure f) {
    QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
    return f;
  };
  if (const Failure f = this->version(&version); f != Failure::None) return rollback(f);
  if (version > current) return rollback(Failure::Newer);
  for (int step = version; step < current; ++step) {
    if (!migrationSteps()[static_cast<size_t>(step)](m_db))
      return rollback(lastFailure(m_db.lastError()));
  }
  if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(current)))
    return rollback(lastFailure(query.lastError()));
  if (!query.exec(QStringLiteral("COMMIT"))) return rollback(lastFailure(query.lastError()));
  return Failure::None;
}

// The damaged file, and its write-ahead log, get a dated name beside it; nothing is
// deleted. Returns the new name, or empty when the file could not be moved.
QString Database::moveAside() {
  const QFileInfo info(m_file);
  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
  QString target;
  for (int n = 1;; ++n) {
    target = info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
             QStringLiteral("-beschadigd-") + stamp +
             (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) + QLatin1Char('.') + info.suffix();
    if (!QFileInfo::exists(target)) break;
  }
  if (!QFile::rename(m_file, target)) return QString();
  for (const char* extra : {"-wal", "-shm"}) {
    const QString from = m_file + QLatin1String(extra);
    if (QFileInfo::exists(from)) QFile::rename(from, target + QLatin1String(extra));
  }
  return target;
}

Failure Database::insert(const std::vector<Entry>& entries, QString* error) {
  if (!m_open) return Failure::Other;
  // BEGIN and COMMIT as statements: a failed commit then keeps SQLite's own code (a full
  // disk often shows only there), where QSqlDatabase::commit() would drop it.
  QSqlQuery query(m_db);
  auto fail = [&](const QSqlError& e, bool rollback) {
    if (error) *error = e.text();
    const Failure f = lastFailure(e);
    if (rollback) QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
    return f;
  };
  if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) return fail(query.lastError(), false);
  query.prepare(QStringLiteral(
      "INSERT INTO answers (time, child, exercise, number, shown, given, right, ms, uuid)"
      " VALUES (?, coalesce(?, ''), ?, ?, ?, ?, ?, ?, ?)"));  // no child: empty, not null
  QSqlQuery queued(m_db);
  queued.prepare(QStringLiteral("INSERT INTO outbox (answer) VALUES (?)"));
  for (const Entry& e : entries) {
    if (e.practice) {
      const QSqlError failed = writePracticeRows(m_db, *e.practice);
      if (failed.isValid()) return fail(failed, true);
      continue;
    }
    query.addBindValue(e.time);
    query.addBindValue(e.child);
    query.addBindValue(e.exercise);
    query.addBindValue(e.number);
    query.addBindValue(e.shown ? QVariant(*e.shown) : QVariant(QMetaType(QMetaType::Int)));
    query.addBindValue(e.given ? QVariant(*e.given) : QVariant(QMetaType(QMetaType::QString)));
    query.addBindValue(e.right ? QVariant(int(*e.right)) : QVariant(QMetaType(QMetaType::Int)));
    query.addBindValue(e.ms ? QVariant(*e.ms) : QVariant(QMetaType(QMetaType::LongLong)));
    query.addBindValue((e.id.isNull() ? QUuid::createUuid() : e.id).toString(QUuid::WithoutBraces));
    if (!query.exec()) return fail(query.lastError(), true);
    queued.addBindValue(query.lastInsertId());
    if (!queued.exec()) return fail(queued.lastError(), true);
  }
  QSqlQuery commit(m_db);
  if (!commit.exec(QStringLiteral("COMMIT"))) return fail(commit.lastError(), true);
  return Failure::None;
}

namespace {

// "WHERE child = ?" for one child, nothing for everyone.
QString childFilter(const QString& child, const char* glue) {
  return child.isNull() ? QString() : QLatin1String(glue) + QStringLiteral(" child = ?");
}

}  // namespace

void Database::forEachEntry(const QString& child, const std::function<void(const Entry&)>& visit) {
  if (!m_open) return;
  QSqlQuery query(m_db);
  query.setForwardOnly(true);
  query.prepare(QStringLiteral("SELECT time, child, exercise, number, shown, given, right, ms"
                               " FROM answers") +
                childFilter(child, " WHERE") + QStringLiteral(" ORDER BY id"));
  if (!child.isNull()) query.addBindValue(child);
  if (!query.exec()) return;
  while (query.next()) {
    Entry e;
    e.time = query.value(0).toString();
    e.child = query.value(1).toString();
    e.exercise = query.value(2).toString();
    e.number = query.value(3).toInt();
    if (!query.isNull(4)) e.shown = query.value(4).toInt();
    if (!query.isNull(5)) e.given = query.value(5).toString();
    if (!query.isNull(6)) e.right = query.value(6).toInt() != 0;
    if (!query.isNull(7)) e.ms = query.value(7).toLongLong();
    visit(e);
  }
}

void Database::forEachVerdict(const QString& child,
                              const std::function<void(int, int, bool, qint64)>& visit) {
  if (!m_open) return;
  QSqlQuery query(m_db);
  query.setForwardOnly(true);
  // Two values a row instead of four: reading a value costs more than packing it.
  query.prepare(QStringLiteral("SELECT number * 64 + shown,"
                               " CASE WHEN right THEN coalesce(ms, -2) ELSE -1 END FROM answers"
                               " WHERE right IS NOT NULL AND shown BETWEEN 0 AND 63") +
                childFilter(child, " AND") + QStringLiteral(" ORDER BY id"));
  if (!child.isNull()) query.addBindValue(child);
  if (!query.exec()) return;
  while (query.next()) {
    const int split = query.value(0).toInt();
    const qint64 ms = query.value(1).toLongLong();
    visit(split >> 6, split & 63, ms != -1, ms < 0 ? -1 : ms);
  }
}

Summary Database::summary(const QString& child, Thresholds thresholds) {
  Summary summary(thresholds);
  if (!m_open) return summary;
  QSqlQuery counts(m_db);
  counts.setForwardOnly(true);
  counts.prepare(QStringLiteral("SELECT number, shown, sum(right_count), sum(wrong_count)"
                                " FROM split_counts") +
                 childFilter(child, " WHERE") + QStringLiteral(" GROUP BY number, shown"));
  if (!child.isNull()) counts.addBindValue(child);
  if (!counts.exec()) return summary;
  // A split's last answers through its index, newest first.
  QSqlQuery last(m_db);
  last.setForwardOnly(true);
  last.prepare(QStringLiteral("SELECT CASE WHEN right THEN coalesce(ms, -2) ELSE -1 END"
                              " FROM answers WHERE right IS NOT NULL") +
               childFilter(child, " AND") +
               QStringLiteral(" AND number = ? AND shown = ? ORDER BY id DESC LIMIT ?"));
  std::vector<qint64> recent;
  while (counts.next()) {
    const int number = counts.value(0).toInt(), shown = counts.value(1).toInt();
    if (!Summary::inGrid(number, shown)) continue;
    if (!child.isNull()) last.addBindValue(child);
    last.addBindValue(number);
    last.addBindValue(shown);
    last.addBindValue(summary.thresholds().recent);
    recent.clear();
    if (last.exec())
      while (last.next()) recent.push_back(last.value(0).toLongLong());
    std::reverse(recent.begin(), recent.end());
    summary.addCounted(number, shown, counts.value(2).toInt(), counts.value(3).toInt(), recent);
  }
  return summary;
}

std::vector<Database::DayCount> Database::perDay(const QString& child) {
  std::vector<DayCount> result;
  if (!m_open) return result;
  QSqlQuery query(m_db);
  query.setForwardOnly(true);
  query.prepare(QStringLiteral("SELECT day, exercise, sum(count) FROM day_counts") +
                childFilter(child, " WHERE") +
                QStringLiteral(" GROUP BY day, exercise ORDER BY day DESC, exercise"));
  if (!child.isNull()) query.addBindValue(child);
  if (!query.exec()) return result;
  while (query.next())
    result.push_back(
        {query.value(0).toString(), query.value(1).toString(), query.value(2).toInt()});
  return result;
}

QStringList Database::childrenInRecord() {
  QStringList names;
  if (!m_open) return names;
  QSqlQuery query(m_db);
  if (!query.exec(QStringLiteral("SELECT DISTINCT child FROM day_counts WHERE child <> ''"
                                 " ORDER BY child COLLATE NOCASE")))
    return names;
  while (query.next()) names << query.value(0).toString();
  return names;
}

Failure Database::wipe(const QString& child) {
  if (!m_open) return Failure::Other;
  // What is wiped here is not sent to the school's server either.
  if (!m_db.transaction()) return classify(m_db.lastError());
  Failure f;
  if (child.isNull()) {
    f = exec(QStringLiteral("DELETE FROM outbox"));
    if (f == Failure::None) f = exec(QStringLiteral("DELETE FROM answers"));
  } else {
    f = exec(QStringLiteral("DELETE FROM outbox WHERE answer IN"
                            " (SELECT id FROM answers WHERE child = ?)"),
             {child});
    if (f == Failure::None)
      f = exec(QStringLiteral("DELETE FROM answers WHERE child = ?"), {child});
  }
  for (const QString& sql : wipePracticeStatements(child))
    if (f == Failure::None) f = child.isNull() ? exec(sql) : exec(sql, {child});
  if (f == Failure::None && !m_db.commit()) f = classify(m_db.lastError());
  if (f != Failure::None) m_db.rollback();
  return f;
}

std::vector<school::Answer> Database::pending(int max, Failure* failure) {
  std::vector<school::Answer> result;
  if (failure) *failure = m_open ? Failure::None : Failure::Other;
  if (!m_open) return result;
  const QUuid from = computer();
  QSqlQuery query(m_db);
  query.setForwardOnly(true);
  query.prepare(QStringLiteral(
      "SELECT a.uuid, a.time, a.child, a.exercise, a.number, a.shown, a.given, a.right, a.ms"
      " FROM outbox o JOIN answers a ON a.id = o.answer ORDER BY o.answer LIMIT ?"));
  query.addBindValue(max);
  if (!query.exec()) {
    if (failure) *failure = lastFailure(query.lastError());
    return result;
  }
  while (query.next()) {
    school::Answer a;
    a.id = QUuid::fromString(query.value(0).toString());
    a.computer = from;
    a.time = query.value(1).toString();
    a.child = query.value(2).toString();
    a.exercise = query.value(3).toString();
    a.number = query.value(4).toInt();
    if (!query.isNull(5)) a.shown = query.value(5).toInt();
    if (!query.isNull(6)) a.given = query.value(6).toString();
    if (!query.isNull(7)) a.right = query.value(7).toInt() != 0;
    if (!query.isNull(8)) a.ms = query.value(8).toLongLong();
    result.push_back(std::move(a));
  }
  return result;
}

Failure Database::markSent(const std::vector<QUuid>& ids) {
  if (!m_open) return Failure::Other;
  QSqlQuery query(m_db);
  if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) return lastFailure(query.lastError());
  query.prepare(
      QStringLiteral("DELETE FROM outbox WHERE answer = (SELECT id FROM answers WHERE uuid = ?)"));
  for (const QUuid& id : ids) {
    query.addBindValue(id.toString(QUuid::WithoutBraces));
    if (!query.exec()) {
      const Failure f = lastFailure(query.lastError());
      QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
      return f;
    }
  }
  QSqlQuery commit(m_db);
  if (!commit.exec(QStringLiteral("COMMIT"))) {
    const Failure f = lastFailure(commit.lastError());
    QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
    return f;
  }
  return Failure::None;
}

int Database::waiting() {
  if (!m_open) return -1;
  QSqlQuery query(m_db);
  if (!query.exec(QStringLiteral("SELECT count(*) FROM outbox")) || !query.next()) return -1;
  return query.value(0).toInt();
}

QUuid Database::computer() {
  if (m_computer.isNull() && m_open) {
    QSqlQuery query(m_db);
    if (query.exec(QStringLiteral("SELECT id FROM computer")) && query.next())
      m_computer = QUuid::fromString(query.value(0).toString());
  }
  return m_computer;
}

QList<Child> Database::children() {
  QList<Child> result;
  if (!m_open) return result;
  QSqlQuery query(m_db);
  if (!query.exec(QStringLiteral("SELECT name, picture FROM children ORDER BY id"))) return result;
  while (query.next()) result.push_back({query.value(0).toString(), query.value(1).toString()});
  return result;
}

Failure Database::addChild(const Child& child) {
  if (!m_open) return Failure::Other;
  return exec(QStringLiteral("INSERT INTO children (name, picture) VALUES (?, ?)"),
              {child.name, child.picture});
}

Failure Database::renameChild(const QString& from, const QString& to) {
  if (!m_open) return Failure::Other;
  if (!m_db.transaction()) return classify(m_db.lastError());
  Failure f = exec(QStringLiteral("UPDATE children SET name = ? WHERE name = ?"), {to, from});
  if (f == Failure::None)
    f = exec(QStringLiteral("UPDATE answers SET child = ? WHERE child = ?"), {to, from});
  for (const QString& sql : renamePracticeStatements())
    if (f == Failure::None) f = exec(sql, {to, from});
  if (f == Failure::None && !m_db.commit()) f = classify(m_db.lastError());
  if (f != Failure::None) m_db.rollback();
  return f;
}

Failure Database::setPicture(const QString& name, const QString& picture) {
  if (!m_open) return Failure::Other;
  return exec(QStringLiteral("UPDATE children SET picture = ? WHERE name = ?"), {picture, name});
}

Failure Database::removeChild(const QString& name) {
  if (!m_open) return Failure::Other;
  return exec(QStringLiteral("DELETE FROM children WHERE name = ?"), {name});
}

}  // namespace record
