#include "school/server.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>

namespace school {

namespace {

// Rows per INSERT: ten values each, well under PostgreSQL's limit of bound values.
constexpr int RowsPerInsert = 500;

QString answerRows(int rows) {
  static const QString row =
      QStringLiteral("(?::uuid, ?::uuid, ?::timestamptz, ?, ?, ?, ?::int, ?, ?::boolean, ?::int)");
  QStringList all;
  all.reserve(rows);
  for (int i = 0; i < rows; ++i) all << row;
  return QStringLiteral(
             "INSERT INTO answers (id, computer, tijd, kind, oefening, getal, deel, antwoord, "
             "goed, ms) VALUES ") +
         all.join(QStringLiteral(", ")) +
         // id is the only unique key; naming it would need SELECT, which the pupils lack.
         QStringLiteral(" ON CONFLICT DO NOTHING");
}

// A text column that is never NULL: a null QString would be bound as NULL.
QVariant text(const QString& value) {
  return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

QVariant nullable(const std::optional<int>& value) {
  return value ? QVariant(QString::number(*value)) : QVariant(QMetaType::fromType<QString>());
}

// "2026-03-05T09:41:07.250+01:00", in this computer's time zone.
QString localIso(const QString& utc) {
  QDateTime time = QDateTime::fromString(utc, Qt::ISODateWithMs);
  time.setTimeZone(QTimeZone::utc());
  const QDateTime local = time.toLocalTime();
  return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

}  // namespace

Server::Server(Address address, QString connection, int connectTimeoutS)
    : m_address(std::move(address)),
      m_connection(std::move(connection)),
      m_connectTimeoutS(connectTimeoutS) {}

Server::~Server() {
  close();
}

void Server::close() {
  m_spent.clear();
  if (m_db.isValid()) m_db.close();
  m_db = QSqlDatabase();
  if (QSqlDatabase::contains(m_connection)) QSqlDatabase::removeDatabase(m_connection);
  m_open = false;
}

Outcome Server::failed(const QSqlQuery& query) {
  // Freeing a statement inside a failed transaction fails too: free it after ROLLBACK.
  if (m_inTransaction) m_spent.push_back(query);
  return failed(query.lastError());
}

Outcome Server::failed(const QSqlError& error) {
  Outcome outcome{classify(error), redact(error.text(), m_address.password)};
  // A call can fail without an error: the driver found the connection gone first.
  if (outcome.ok()) outcome.problem = m_db.isOpen() ? Problem::Other : Problem::Unreachable;
  if (outcome.problem == Problem::Unreachable) close();
  return outcome;
}

Outcome Server::open() {
  close();
  m_db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connection);
  if (!m_db.isValid()) {
    close();
    return {Problem::NoDriver, QString()};
  }
  configure(m_db, m_address, m_connectTimeoutS, QStringLiteral("splitsen"));
  if (!m_db.open()) {
    const Outcome outcome{classify(m_db.lastError()),
                          redact(m_db.lastError().text(), m_address.password)};
    close();
    return outcome;
  }
  QSqlQuery query(m_db);
  if (!query.exec(QStringLiteral("SELECT max(version) FROM schema_version"))) {
    const Outcome outcome = failed(query.lastError());
    close();
    return outcome;
  }
  const int version = query.next() ? query.value(0).toInt() : 0;
  query.finish();
  if (version != SchemaVersion) {
    close();
    return {
        version < SchemaVersion ? Problem::SchemaTooOld : Problem::SchemaTooNew,
        QStringLiteral("de tabellen op de server hebben versie %1, dit programma kent versie %2")
            .arg(version)
            .arg(SchemaVersion)};
  }
  m_open = true;
  return {};
}

Outcome Server::ping() {
  if (!m_open) return {Problem::Unreachable, QString()};
  QSqlQuery query(m_db);
  if (!query.exec(QStringLiteral("SELECT 1"))) {
    const Outcome outcome = failed(query.lastError());
    close();
    return outcome.ok() ? Outcome{Problem::Unreachable, outcome.detail} : outcome;
  }
  return {};
}

Outcome Server::exec(const QString& sql, const QVariantList& values) {
  if (!m_open) return {Problem::Unreachable, QString()};
  QSqlQuery query(m_db);
  if (!query.prepare(sql)) return failed(query);
  for (const QVariant& v : values) query.addBindValue(v);
  if (!query.exec()) return failed(query);
  return {};
}

Outcome Server::inTransaction(const std::function<Outcome()>& work) {
  if (!m_open) return {Problem::Unreachable, QString()};
  if (!m_db.transaction()) return failed(m_db.lastError());
  m_inTransaction = true;
  Outcome outcome = work();
  if (outcome.ok() && !m_db.commit()) outcome = failed(m_db.lastError());
  // Whether a broken COMMIT arrived is unknown: the caller sends the same again later.
  if (!outcome.ok() && m_open) m_db.rollback();
  m_inTransaction = false;
  m_spent.clear();
  return outcome;
}

Outcome Server::send(const std::vector<Answer>& answers,
                     const std::function<void()>& beforeCommit) {
  return inTransaction([&]() -> Outcome {
    for (size_t first = 0; first < answers.size(); first += RowsPerInsert) {
      const int rows = int(std::min<size_t>(RowsPerInsert, answers.size() - first));
      QSqlQuery query(m_db);
      if (!query.prepare(answerRows(rows))) return failed(query);
      for (int i = 0; i < rows; ++i) {
        const Answer& a = answers[first + i];
        query.addBindValue(a.id.toString(QUuid::WithoutBraces));
        query.addBindValue(a.computer.toString(QUuid::WithoutBraces));
        query.addBindValue(a.time);
        query.addBindValue(text(a.child));
        query.addBindValue(text(a.exercise));
        query.addBindValue(a.number);
        query.addBindValue(nullable(a.shown));
        query.addBindValue(a.given ? QVariant(*a.given) : QVariant(QMetaType::fromType<QString>()));
        query.addBindValue(
            a.right ? QVariant(*a.right ? QStringLiteral("true") : QStringLiteral("false"))
                    : QVariant(QMetaType::fromType<QString>()));
        query.addBindValue(nullable(
            a.ms ? std::optional<int>(int(std::clamp<qint64>(*a.ms, 0, INT_MAX))) : std::nullopt));
      }
      if (!query.exec()) return failed(query);
    }
    if (beforeCommit) beforeCommit();
    return {};
  });
}

Outcome Server::forEachAnswer(const std::function<void(const Answer&)>& visit) {
  if (!m_open) return {Problem::Unreachable, QString()};
  QSqlQuery query(m_db);
  query.setForwardOnly(true);
  if (!query.exec(QStringLiteral(
          "SELECT id::text, computer::text, "
          "to_char(tijd AT TIME ZONE 'UTC', 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'), kind, "
          "oefening, getal, deel, antwoord, goed, ms FROM answers ORDER BY tijd, id")))
    return failed(query);
  while (query.next()) {
    Answer a;
    a.id = QUuid::fromString(query.value(0).toString());
    a.computer = QUuid::fromString(query.value(1).toString());
    a.time = localIso(query.value(2).toString());
    a.child = query.value(3).toString();
    a.exercise = query.value(4).toString();
    a.number = query.value(5).toInt();
    if (!query.isNull(6)) a.shown = query.value(6).toInt();
    if (!query.isNull(7)) a.given = query.value(7).toString();
    if (!query.isNull(8)) a.right = query.value(8).toBool();
    if (!query.isNull(9)) a.ms = query.value(9).toLongLong();
    visit(a);
  }
  if (query.lastError().type() != QSqlError::NoError) return failed(query);
  return {};
}

Outcome Server::children(QList<Child>* out) {
  out->clear();
  if (!m_open) return {Problem::Unreachable, QString()};
  QSqlQuery query(m_db);
  if (!query.exec(QStringLiteral("SELECT name, picture FROM class_list ORDER BY lower(name)")))
    return failed(query);
  while (query.next()) out->append({query.value(0).toString(), query.value(1).toString()});
  return {};
}

Outcome Server::addChild(const Child& child) {
  return exec(QStringLiteral("INSERT INTO class_list (name, picture) VALUES (?, ?)"),
              {child.name, child.picture});
}

Outcome Server::renameChild(const QString& from, const QString& to) {
  return inTransaction([&]() -> Outcome {
    for (const QString& sql :
         {QStringLiteral("UPDATE class_list SET name = ? WHERE name = ?"),
          QStringLiteral("UPDATE answers SET kind = ? WHERE kind = ?"),
          QStringLiteral("UPDATE practice_child SET child = ? WHERE child = ?"),
          QStringLiteral("UPDATE practice_split SET child = ? WHERE child = ?")})
      if (Outcome outcome = exec(sql, {to, from}); !outcome.ok()) return outcome;
    return {};
  });
}

Outcome Server::setPicture(const QString& name, const QString& picture) {
  return exec(QStringLiteral("UPDATE class_list SET picture = ? WHERE name = ?"), {picture, name});
}

Outcome Server::removeChild(const QString& name) {
  return exec(QStringLiteral("DELETE FROM class_list WHERE name = ?"), {name});
}

namespace {

// The columns of one practice table, for SELECT and INSERT alike.
constexpr const char* ChildColumns = "child, ability, answers, changed";
constexpr const char* ItemColumns = "item, difficulty, answers, changed";
constexpr const char* SplitColumns = "child, whole, smaller, box, due_day, tries, changed";

PracticeChild childFrom(const QSqlQuery& q) {
  return {q.value(0).toString(), q.value(1).toDouble(), q.value(2).toInt(),
          q.value(3).toLongLong()};
}
PracticeItem itemFrom(const QSqlQuery& q) {
  return {q.value(0).toString(), q.value(1).toDouble(), q.value(2).toInt(),
          q.value(3).toLongLong()};
}
PracticeSplit splitFrom(const QSqlQuery& q) {
  return {q.value(0).toString(), q.value(1).toInt(),    q.value(2).toInt(),     q.value(3).toInt(),
          q.value(4).toDate(),   q.value(5).toString(), q.value(6).toLongLong()};
}

// INSERT of one row that replaces the row of the same key unless that one is newer.
QString upsert(const char* table, const char* columns, const char* key, const QString& values) {
  QStringList set;
  for (const QString& column : QString::fromLatin1(columns).split(QStringLiteral(", ")))
    if (!QString::fromLatin1(key).split(QStringLiteral(", ")).contains(column))
      set << QStringLiteral("%1 = excluded.%1").arg(column);
  return QStringLiteral(
             "INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT (%4) DO UPDATE SET %5 "
             "WHERE %1.changed <= excluded.changed")
      .arg(QLatin1String(table), QLatin1String(columns), values, QLatin1String(key),
           set.join(QStringLiteral(", ")));
}

}  // namespace

Outcome Server::readPractice(const QString& child, Practice* out) {
  *out = Practice();
  if (!m_open) return {Problem::Unreachable, QString()};
  QSqlQuery query(m_db);
  query.prepare(QStringLiteral("SELECT %1 FROM practice_child WHERE child = ?")
                    .arg(QLatin1String(ChildColumns)));
  query.addBindValue(child);
  if (!query.exec()) return failed(query);
  if (query.next()) out->child = childFrom(query);
  if (!query.exec(QStringLiteral("SELECT %1 FROM practice_item ORDER BY item")
                      .arg(QLatin1String(ItemColumns))))
    return failed(query);
  while (query.next()) out->items.push_back(itemFrom(query));
  query.prepare(QStringLiteral("SELECT %1 FROM practice_split WHERE child = ? "
                               "ORDER BY whole, smaller")
                    .arg(QLatin1String(SplitColumns)));
  query.addBindValue(child);
  if (!query.exec()) return failed(query);
  while (query.next()) out->splits.push_back(splitFrom(query));
  return {};
}

Outcome Server::readPractice(ClassPractice* out) {
  *out = ClassPractice();
  if (!m_open) return {Problem::Unreachable, QString()};
  QSqlQuery query(m_db);
  query.setForwardOnly(true);
  if (!query.exec(QStringLiteral("SELECT %1 FROM practice_child").arg(QLatin1String(ChildColumns))))
    return failed(query);
  while (query.next()) out->children.push_back(childFrom(query));
  if (!query.exec(QStringLiteral("SELECT %1 FROM practice_item").arg(QLatin1String(ItemColumns))))
    return failed(query);
  while (query.next()) out->items.push_back(itemFrom(query));
  if (!query.exec(QStringLiteral("SELECT %1 FROM practice_split").arg(QLatin1String(SplitColumns))))
    return failed(query);
  while (query.next()) out->splits.push_back(splitFrom(query));
  return {};
}

Outcome Server::wipePractice(const QString& child, qint64 upTo) {
  return inTransaction([&]() -> Outcome {
    QStringList tables{QStringLiteral("practice_child"), QStringLiteral("practice_split")};
    if (child.isNull()) tables << QStringLiteral("practice_item");
    for (const QString& table : tables) {
      const Outcome o =
          child.isNull()
              ? exec(QStringLiteral("DELETE FROM %1 WHERE changed <= ?").arg(table), {upTo})
              : exec(QStringLiteral("DELETE FROM %1 WHERE child = ? AND changed <= ?").arg(table),
                     {child, upTo});
      if (!o.ok()) return o;
    }
    return {};
  });
}

Outcome Server::writePractice(const Practice& practice) {
  ClassPractice rows;
  if (practice.child) rows.children.push_back(*practice.child);
  rows.items = practice.items;
  rows.splits = practice.splits;
  return writePractice(rows);
}

Outcome Server::writePractice(const ClassPractice& practice) {
  return inTransaction([&]() -> Outcome {
    // One prepared statement per table, run for each of its rows.
    const auto each = [&](const QString& sql, const auto& rows, const auto& bind) -> Outcome {
      if (rows.empty()) return {};
      QSqlQuery query(m_db);
      if (!query.prepare(sql)) return failed(query);
      for (const auto& row : rows) {
        bind(query, row);
        if (!query.exec()) return failed(query);
      }
      return {};
    };
    Outcome o = each(upsert("practice_child", ChildColumns, "child", QStringLiteral("?, ?, ?, ?")),
                     practice.children, [](QSqlQuery& q, const PracticeChild& c) {
                       q.addBindValue(text(c.child));
                       q.addBindValue(c.ability);
                       q.addBindValue(c.answers);
                       q.addBindValue(c.changed);
                     });
    if (!o.ok()) return o;
    o = each(upsert("practice_item", ItemColumns, "item", QStringLiteral("?, ?, ?, ?")),
             practice.items, [](QSqlQuery& q, const PracticeItem& i) {
               q.addBindValue(text(i.item));
               q.addBindValue(i.difficulty);
               q.addBindValue(i.answers);
               q.addBindValue(i.changed);
             });
    if (!o.ok()) return o;
    return each(upsert("practice_split", SplitColumns, "child, whole, smaller",
                       QStringLiteral("?, ?, ?, ?, ?::date, ?, ?")),
                practice.splits, [](QSqlQuery& q, const PracticeSplit& s) {
                  q.addBindValue(text(s.child));
                  q.addBindValue(s.whole);
                  q.addBindValue(s.smaller);
                  q.addBindValue(s.box);
                  q.addBindValue(s.due.isValid() ? QVariant(s.due.toString(Qt::ISODate))
                                                 : QVariant(QMetaType::fromType<QString>()));
                  q.addBindValue(text(s.tries));
                  q.addBindValue(s.changed);
                });
  });
}

}  // namespace school
