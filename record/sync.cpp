#include "record/sync.h"

#include <QSet>
#include <QSettings>
#include <algorithm>
#include <atomic>
#include <map>

#include "record/database.h"
#include "school/server.h"

namespace record {

namespace {
std::atomic<int> outboxes{0};
}

RecordOutbox::RecordOutbox(QString file)
    : m_file(std::move(file)), m_name(QStringLiteral("record-outbox-%1").arg(++outboxes)) {}

RecordOutbox::~RecordOutbox() = default;

Database* RecordOutbox::connection() {
  if (!m_db || !m_db->isOpen()) {
    auto db = std::make_unique<Database>(m_file, m_name);
    if (!db->attach().on) return nullptr;
    m_db = std::move(db);
  }
  return m_db.get();
}

std::vector<school::Answer> RecordOutbox::pending(int max) {
  std::lock_guard lock(m_mutex);
  Database* db = connection();
  if (!db) return {};
  Failure failure = Failure::None;
  std::vector<school::Answer> answers = db->pending(max, &failure);
  // Busy and full keep the connection; anything else opens anew next time.
  if (failure != Failure::None && failure != Failure::Busy && failure != Failure::Full)
    m_db.reset();
  return answers;
}

bool RecordOutbox::markSent(const std::vector<QUuid>& ids) {
  std::lock_guard lock(m_mutex);
  Database* db = connection();
  return db && db->markSent(ids) == Failure::None;
}

int RecordOutbox::waiting() {
  std::lock_guard lock(m_mutex);
  Database* db = connection();
  return db ? std::max(db->waiting(), 0) : 0;
}

std::optional<school::Address> configuredServer(QString* error) {
  const QString text = QSettings().value(QStringLiteral("server/connection")).toString();
  if (text.trimmed().isEmpty()) return std::nullopt;
  return school::parseAddress(text, error);
}

school::Outcome readClass(const school::Address& teacher, const QString& child, ClassRead* out) {
  school::Server server(teacher, QStringLiteral("record-class-%1").arg(++outboxes));
  school::Outcome outcome = server.open();
  QList<school::Child> listed;
  if (outcome.ok()) outcome = server.children(&listed);
  if (!outcome.ok()) return outcome;
  for (const school::Child& c : listed) out->names << c.name;
  std::map<std::pair<QString, QString>, int> perDay;  // (day, exercise)
  QSet<QString> others;                               // in the answers, not in the class list
  outcome = server.forEachAnswer([&](const school::Answer& a) {
    if (!a.child.isEmpty() && !out->names.contains(a.child)) others.insert(a.child);
    if (!child.isNull() && a.child != child) return;
    ++perDay[{a.time.left(10), a.exercise}];
    if (a.right && a.shown) out->summary.add(a.number, *a.shown, *a.right, a.ms.value_or(-1));
  });
  QStringList sorted(others.begin(), others.end());
  sorted.sort(Qt::CaseInsensitive);
  out->names << sorted;
  // Newest day first, its exercises in order, as the record on this computer gives them.
  for (const auto& [key, count] : perDay) out->days.push_back({key.first, key.second, count});
  std::stable_sort(out->days.begin(), out->days.end(),
                   [](const auto& a, const auto& b) { return a.day > b.day; });
  return outcome;
}

}  // namespace record
