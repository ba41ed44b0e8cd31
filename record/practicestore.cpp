#include "record/practicestore.h"

#include <QSet>
#include <QSqlQuery>
#include <QVariant>
#include <cmath>
#include <limits>

#include "record/database.h"
#include "record/recorder.h"

namespace record {

namespace {

// The record of this computer. What was loaded or saved in this run is kept in memory,
// so a child coming back finds also what still waits for the file. A child whose rows
// could not be read practises from a new child's state, and nothing of it is saved, so
// the rows in the file stay as they are until they can be read.
class RecordStore final : public PracticeStore {
 public:
  PracticeState load(const QString& child) override {
    PracticeState state;
    if (m_difficulties) state.difficulties = *m_difficulties;
    if (const auto it = m_children.constFind(child); it != m_children.cend() && m_difficulties) {
      state.child = *it;
      return state;
    }
    if (!started()) return state;  // nothing is kept without a record
    Database* db = database();
    const std::optional<PracticeState> read =
        db ? readPractice(db->connection(), child) : std::nullopt;
    if (!read) {
      m_unread.insert(child);
      return state;
    }
    m_unread.remove(child);
    if (!m_difficulties) m_difficulties = read->difficulties;
    m_children.insert(child, read->child);
    state.child = read->child;
    state.difficulties = *m_difficulties;
    return state;
  }

  void save(const PracticeState& state, const PracticeRows& rows) override {
    if (!started() || m_unread.contains(rows.child) || !m_difficulties) return;
    m_children.insert(rows.child, state.child);
    m_difficulties = state.difficulties;
    keepPractice(rows);
  }

  void forget(const QString& child) override {
    ++m_generation;
    if (child.isNull()) {
      m_children.clear();
      m_unread.clear();
      m_difficulties.reset();
    } else {
      m_children.remove(child);
      m_unread.remove(child);
    }
  }

  int generation() const override { return m_generation; }

 private:
  QHash<QString, practice::ChildState> m_children;
  QSet<QString> m_unread;
  std::optional<practice::Difficulties> m_difficulties;
  int m_generation = 0;
};

std::unique_ptr<PracticeStore>& current() {
  static std::unique_ptr<PracticeStore> store = std::make_unique<RecordStore>();
  return store;
}

// A number read from a column; NaN when the column holds none.
double real(const QVariant& value) {
  bool ok = false;
  const double d = value.toDouble(&ok);
  return ok ? d : std::numeric_limits<double>::quiet_NaN();
}

// A whole number read from a column; `fallback` when it holds none.
int whole(const QVariant& value, int fallback) {
  bool ok = false;
  const int n = value.toInt(&ok);
  return ok ? n : fallback;
}

}  // namespace

PracticeStore& practiceStore() {
  return *current();
}

void setPracticeStore(std::unique_ptr<PracticeStore> store) {
  current() = std::move(store);
}

PracticeRows changedRows(const QString& child, const PracticeState& state,
                         const practice::Question& question) {
  PracticeRows rows;
  rows.child = child;
  rows.ability = practice::childRow(state.child);
  const practice::Split split = practice::splitOf(question);
  for (const practice::SplitRow& row : practice::splitRows(state.child))
    if (row.whole == split.whole && row.smaller == split.smaller) rows.splits.push_back(row);
  const practice::QuestionState& item = state.difficulties.of(question);
  rows.items.push_back({practice::questionKey(question), item.difficulty, item.answers});
  return rows;
}

QSqlError writePracticeRows(QSqlDatabase& db, const PracticeRows& rows) {
  QSqlQuery query(db);
  query.prepare(QStringLiteral(
      "INSERT OR REPLACE INTO practice_child (child, ability, answers, changed, sent) "
      "VALUES (?, ?, ?, ?, 0)"));
  query.addBindValue(rows.child.isNull() ? QStringLiteral("") : rows.child);
  query.addBindValue(rows.ability.ability);
  query.addBindValue(rows.ability.answers);
  query.addBindValue(rows.changed);
  if (!query.exec()) return query.lastError();
  query.prepare(
      QStringLiteral("INSERT OR REPLACE INTO practice_split (child, whole, smaller, box, due_day,"
                     " tries, changed, sent) VALUES (?, ?, ?, ?, ?, ?, ?, 0)"));
  for (const practice::SplitRow& s : rows.splits) {
    query.addBindValue(rows.child.isNull() ? QStringLiteral("") : rows.child);
    query.addBindValue(s.whole);
    query.addBindValue(s.smaller);
    query.addBindValue(s.box);
    query.addBindValue(s.dueDay);
    query.addBindValue(s.tries);
    query.addBindValue(rows.changed);
    if (!query.exec()) return query.lastError();
  }
  query.prepare(QStringLiteral(
      "INSERT OR REPLACE INTO practice_item (item, difficulty, answers, changed, sent) "
      "VALUES (?, ?, ?, ?, 0)"));
  for (const practice::ItemRow& item : rows.items) {
    query.addBindValue(item.item);
    query.addBindValue(item.difficulty);
    query.addBindValue(item.answers);
    query.addBindValue(rows.changed);
    if (!query.exec()) return query.lastError();
  }
  return {};
}

std::optional<PracticeState> readPractice(QSqlDatabase& db, const QString& child,
                                          practice::ReadReport* report) {
  const QString name = child.isNull() ? QStringLiteral("") : child;
  QSqlQuery query(db);
  query.prepare(QStringLiteral("SELECT ability, answers FROM practice_child WHERE child = ?"));
  query.addBindValue(name);
  if (!query.exec()) return std::nullopt;
  practice::ChildRow ability;
  if (query.next()) ability = {real(query.value(0)), whole(query.value(1), 0)};

  query.prepare(QStringLiteral(
      "SELECT whole, smaller, box, due_day, tries FROM practice_split WHERE child = ?"));
  query.addBindValue(name);
  if (!query.exec()) return std::nullopt;
  std::vector<practice::SplitRow> splits;
  while (query.next())
    splits.push_back({whole(query.value(0), -1), whole(query.value(1), -1),
                      whole(query.value(2), practice::kFirstBox), whole(query.value(3), 0),
                      query.value(4).toString()});

  if (!query.exec(QStringLiteral("SELECT item, difficulty, answers FROM practice_item")))
    return std::nullopt;
  std::vector<practice::ItemRow> items;
  while (query.next())
    items.push_back({query.value(0).toString(), real(query.value(1)), whole(query.value(2), 0)});

  PracticeState state;
  state.child = practice::childFromRows(ability, splits, report);
  state.difficulties = practice::difficultiesFromRows(items, report);
  return state;
}

QStringList practiceChildren(QSqlDatabase& db) {
  QStringList names;
  QSqlQuery query(db);
  if (query.exec(QStringLiteral("SELECT child FROM practice_child ORDER BY child")))
    while (query.next()) names << query.value(0).toString();
  return names;
}

QStringList wipePracticeStatements(const QString& child) {
  // The note that takes the wipe to the school's server, stamped now in ms since 1970.
  static const QString now =
      QStringLiteral("CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER)");
  if (child.isNull())
    return {
        QStringLiteral("DELETE FROM practice_child"), QStringLiteral("DELETE FROM practice_split"),
        QStringLiteral("DELETE FROM practice_item"),
        QStringLiteral("INSERT INTO practice_wiped (child, changed) VALUES (NULL, %1)").arg(now)};
  return {QStringLiteral("DELETE FROM practice_child WHERE child = ?"),
          QStringLiteral("DELETE FROM practice_split WHERE child = ?"),
          QStringLiteral("INSERT INTO practice_wiped (child, changed) VALUES (?, %1)").arg(now)};
}

QStringList renamePracticeStatements() {
  return {QStringLiteral("UPDATE practice_child SET child = ? WHERE child = ?"),
          QStringLiteral("UPDATE practice_split SET child = ? WHERE child = ?")};
}

}  // namespace record
