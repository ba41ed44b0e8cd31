#include "record/sync.h"

#include <QSettings>
#include <atomic>

#include "record/database.h"

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

}  // namespace record
