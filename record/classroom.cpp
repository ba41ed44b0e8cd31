#include "record/classroom.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <set>
#include <tuple>
#include <vector>

#include "record/database.h"
#include "school/server.h"

namespace record {

namespace {

std::atomic<int> classrooms{0};

// A day of the practice (a Julian day number; 0: not planned) as the server's date.
QDate dateOf(int day) {
  return day > 0 ? QDate::fromJulianDay(day) : QDate();
}

int dayOf(const QDate& date) {
  return date.isValid() ? int(date.toJulianDay()) : 0;
}

// Runs `sql` with `values` bound; false when it failed.
bool run(QSqlQuery& query, const QString& sql, const QVariantList& values) {
  if (!query.prepare(sql)) return false;
  for (const QVariant& v : values) query.addBindValue(v);
  return query.exec();
}

// The changes of one statement; -1 when it failed.
int changes(QSqlQuery& query, const QString& sql, const QVariantList& values) {
  return run(query, sql, values) ? query.numRowsAffected() : -1;
}

// The rows this computer changed and the server does not have yet; false when the record
// could not be read.
bool unsent(QSqlDatabase& db, school::ClassPractice* out) {
  QSqlQuery q(db);
  q.setForwardOnly(true);
  if (!q.exec(QStringLiteral("SELECT child, ability, answers, changed FROM practice_child "
                             "WHERE sent = 0 AND child <> ''")))
    return false;
  while (q.next())
    out->children.push_back({q.value(0).toString(), q.value(1).toDouble(), q.value(2).toInt(),
                             q.value(3).toLongLong()});
  if (!q.exec(QStringLiteral(
          "SELECT item, difficulty, answers, changed FROM practice_item WHERE sent = 0")))
    return false;
  while (q.next())
    out->items.push_back({q.value(0).toString(), q.value(1).toDouble(), q.value(2).toInt(),
                          q.value(3).toLongLong()});
  if (!q.exec(QStringLiteral("SELECT child, whole, smaller, box, due_day, tries, changed FROM "
                             "practice_split WHERE sent = 0 AND child <> ''")))
    return false;
  while (q.next())
    out->splits.push_back({q.value(0).toString(), q.value(1).toInt(), q.value(2).toInt(),
                           q.value(3).toInt(), dateOf(q.value(4).toInt()), q.value(5).toString(),
                           q.value(6).toLongLong()});
  return true;
}

// Marks what the server committed as sent, unless it changed here meanwhile.
bool markSent(QSqlDatabase& db, const school::ClassPractice& sent) {
  if (!db.transaction()) return false;
  QSqlQuery q(db);
  bool ok = true;
  for (const auto& c : sent.children)
    ok = ok && run(q,
                   QStringLiteral("UPDATE practice_child SET sent = 1 WHERE child = ? AND "
                                  "changed = ?"),
                   {c.child, c.changed});
  for (const auto& i : sent.items)
    ok = ok && run(q,
                   QStringLiteral("UPDATE practice_item SET sent = 1 WHERE item = ? AND "
                                  "changed = ?"),
                   {i.item, i.changed});
  for (const auto& s : sent.splits)
    ok = ok && run(q,
                   QStringLiteral("UPDATE practice_split SET sent = 1 WHERE child = ? AND "
                                  "whole = ? AND smaller = ? AND changed = ?"),
                   {s.child, s.whole, s.smaller, s.changed});
  q.finish();
  if (ok && db.commit()) return true;
  db.rollback();
  return false;
}

// Makes this computer's class list the server's; whether it changed, nothing when the
// record could not take it.
std::optional<bool> takeClassList(QSqlQuery& q, const QList<school::Child>& listed) {
  QHash<QString, QString> here;  // name: picture
  if (!q.exec(QStringLiteral("SELECT name, picture FROM children"))) return std::nullopt;
  while (q.next()) here.insert(q.value(0).toString(), q.value(1).toString());
  QHash<QString, QString> there;
  for (const school::Child& c : listed) there.insert(c.name, c.picture);
  if (here == there) return false;
  for (auto it = here.cbegin(); it != here.cend(); ++it)
    if (!there.contains(it.key()) &&
        !run(q, QStringLiteral("DELETE FROM children WHERE name = ?"), {it.key()}))
      return std::nullopt;
  for (const school::Child& c : listed)
    if (!run(q,
             QStringLiteral("INSERT INTO children (name, picture) VALUES (?, ?) ON CONFLICT "
                            "(name) DO UPDATE SET name = excluded.name, picture = "
                            "excluded.picture"),
             {c.name, c.picture}))
      return std::nullopt;
  return true;
}

// Takes every row of the server's that is newer than this computer's; the children whose
// rows changed, nothing when the record could not take them.
std::optional<std::set<QString>> takePractice(QSqlQuery& q, const school::ClassPractice& all) {
  std::set<QString> changed;
  for (const auto& c : all.children) {
    if (c.child.isEmpty()) continue;
    const int n = changes(
        q,
        QStringLiteral("INSERT INTO practice_child (child, ability, answers, changed, sent) "
                       "VALUES (?, ?, ?, ?, 1) ON CONFLICT (child) DO UPDATE SET ability = "
                       "excluded.ability, answers = excluded.answers, changed = "
                       "excluded.changed, sent = 1 WHERE practice_child.changed < "
                       "excluded.changed"),
        {c.child, c.ability, c.answers, c.changed});
    if (n < 0) return std::nullopt;
    if (n > 0) changed.insert(c.child);
  }
  for (const auto& i : all.items)
    if (changes(q,
                QStringLiteral("INSERT INTO practice_item (item, difficulty, answers, changed, "
                               "sent) VALUES (?, ?, ?, ?, 1) ON CONFLICT (item) DO UPDATE SET "
                               "difficulty = excluded.difficulty, answers = excluded.answers, "
                               "changed = excluded.changed, sent = 1 WHERE "
                               "practice_item.changed < excluded.changed"),
                {i.item, i.difficulty, i.answers, i.changed}) < 0)
      return std::nullopt;
  for (const auto& s : all.splits) {
    if (s.child.isEmpty()) continue;
    const int n = changes(
        q,
        QStringLiteral("INSERT INTO practice_split (child, whole, smaller, box, due_day, tries, "
                       "changed, sent) VALUES (?, ?, ?, ?, ?, ?, ?, 1) ON CONFLICT (child, "
                       "whole, smaller) DO UPDATE SET box = excluded.box, due_day = "
                       "excluded.due_day, tries = excluded.tries, changed = excluded.changed, "
                       "sent = 1 WHERE practice_split.changed < excluded.changed"),
        {s.child, s.whole, s.smaller, s.box, dayOf(s.due), s.tries, s.changed});
    if (n < 0) return std::nullopt;
    if (n > 0) changed.insert(s.child);
  }
  return changed;
}

}  // namespace

Classroom::Classroom(Options options)
    : m_options(std::move(options)),
      m_name(QStringLiteral("record-classroom-%1").arg(++classrooms)) {}

Classroom::~Classroom() = default;

qint64 Classroom::now() const {
  return m_options.clock ? m_options.clock() : QDateTime::currentMSecsSinceEpoch();
}

Database* Classroom::connection() {
  if (!m_db || !m_db->isOpen()) {
    // Until the writer has opened and migrated the file there is nothing to share.
    auto db = std::make_unique<Database>(m_options.file, m_name);
    if (!db->attach().on) return nullptr;
    m_db = std::move(db);
  }
  return m_db.get();
}

school::Outcome Classroom::exchange(school::Server& server) {
  if (!connection()) return {};
  if (school::Outcome o = push(server); !o.ok()) return o;
  if (!m_db) return {};
  if (m_pullSoon.exchange(false) || now() - m_lastPull >= m_options.pullMs) return pull(server);
  return {};
}

school::Outcome Classroom::push(school::Server& server) {
  QSqlDatabase& db = m_db->connection();
  // Wipes first, so that rows changed after one survive it.
  {
    QSqlQuery q(db);
    std::vector<std::tuple<qint64, QString, qint64>> wiped;  // rowid, child, when
    if (q.exec(QStringLiteral("SELECT rowid, child, changed FROM practice_wiped ORDER BY rowid")))
      while (q.next())
        wiped.emplace_back(q.value(0).toLongLong(), q.isNull(1) ? QString() : q.value(1).toString(),
                           q.value(2).toLongLong());
    for (const auto& [rowid, child, when] : wiped) {
      // The computer's one child's practice never went to the server.
      if (child.isNull() || !child.isEmpty())
        if (school::Outcome o = server.wipePractice(child, when); !o.ok()) return o;
      run(q, QStringLiteral("DELETE FROM practice_wiped WHERE rowid = ?"), {rowid});
    }
  }
  school::ClassPractice rows;
  if (!unsent(db, &rows)) {
    m_db.reset();  // opened anew next time; the rows wait in the record
    return {};
  }
  if (rows.empty()) return {};
  if (school::Outcome o = server.writePractice(rows); !o.ok()) return o;
  // Rows not marked go again; the server keeps the newest.
  markSent(db, rows);
  return {};
}

school::Outcome Classroom::pull(school::Server& server) {
  QList<school::Child> listed;
  school::ClassPractice all;
  if (school::Outcome o = server.children(&listed); !o.ok()) return o;
  if (school::Outcome o = server.readPractice(&all); !o.ok()) return o;
  m_lastPull = now();
  QSqlDatabase& db = m_db->connection();
  if (!db.transaction()) {
    m_pullSoon = true;  // the record is busy: again at the next exchange
    return {};
  }
  Pulled pulled;
  std::optional<std::set<QString>> children;
  std::optional<bool> classList;
  {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    classList = takeClassList(q, listed);
    if (classList) children = takePractice(q, all);
  }
  if (!classList || !children || !db.commit()) {
    db.rollback();
    m_pullSoon = true;
    return {};
  }
  pulled.classList = *classList;
  for (const QString& child : *children) pulled.children << child;
  if ((pulled.classList || !pulled.children.isEmpty()) && m_options.pulled)
    m_options.pulled(pulled);
  return {};
}

}  // namespace record
