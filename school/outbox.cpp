#include "school/outbox.h"

#include <QSet>
#include <algorithm>

namespace school {

void MemoryOutbox::add(Answer answer) {
  std::lock_guard lock(m_mutex);
  m_waiting.push_back(std::move(answer));
}

std::vector<Answer> MemoryOutbox::pending(int max) {
  std::lock_guard lock(m_mutex);
  const auto count = std::min<size_t>(size_t(std::max(max, 0)), m_waiting.size());
  return {m_waiting.begin(), m_waiting.begin() + qsizetype(count)};
}

bool MemoryOutbox::markSent(const std::vector<QUuid>& ids) {
  const QSet<QUuid> sent(ids.begin(), ids.end());
  std::lock_guard lock(m_mutex);
  std::erase_if(m_waiting, [&](const Answer& a) { return sent.contains(a.id); });
  return true;
}

int MemoryOutbox::waiting() {
  std::lock_guard lock(m_mutex);
  return int(m_waiting.size());
}

}  // namespace school
