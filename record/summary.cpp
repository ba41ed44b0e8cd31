#include "record/summary.h"

#include <algorithm>

namespace record {

Summary::Summary(Thresholds thresholds)
    : m_thresholds(thresholds),
      m_cells(static_cast<size_t>((Highest + 1) * (Highest + 1))),
      m_recent(m_cells.size()) {
  m_thresholds.recent = std::clamp(m_thresholds.recent, 1, 32);
}

void Summary::add(int number, int shown, bool right, qint64 ms) {
  if (!inGrid(number, shown)) return;
  const auto i = static_cast<size_t>(index(number, shown));
  SplitCell& c = m_cells[i];
  ++c.answers;
  (right ? c.right : c.wrong) += 1;
  remember(m_recent[i], right ? (ms >= 0 ? ms : -2) : -1);
}

void Summary::addCounted(int number, int shown, int right, int wrong,
                         const std::vector<qint64>& last) {
  if (!inGrid(number, shown)) return;
  const auto i = static_cast<size_t>(index(number, shown));
  SplitCell& c = m_cells[i];
  c.answers += right + wrong;
  c.right += right;
  c.wrong += wrong;
  for (const qint64 ms : last) remember(m_recent[i], ms);
}

void Summary::remember(Recent& r, qint64 ms) const {
  r.ms[static_cast<size_t>(r.next)] = ms;
  r.next = (r.next + 1) % m_thresholds.recent;
  r.count = std::min(r.count + 1, m_thresholds.recent);
}

void Summary::finish() {
  for (size_t i = 0; i < m_cells.size(); ++i) {
    SplitCell& c = m_cells[i];
    const Recent& r = m_recent[i];
    if (c.answers == 0) continue;
    std::vector<qint64> times;
    c.recentCount = r.count;
    c.recentWrong = 0;
    for (int k = 0; k < r.count; ++k) {
      const qint64 v = r.ms[static_cast<size_t>(k)];
      if (v == -1)
        ++c.recentWrong;
      else if (v >= 0)
        times.push_back(v);
    }
    c.medianMs = times.empty() ? -1 : median(std::move(times));
    if (c.recentWrong * 100 >= m_thresholds.wrongPercent * c.recentCount)
      c.knowledge = Knowledge::OftenWrong;
    else if (c.medianMs > m_thresholds.fastMs)
      c.knowledge = Knowledge::RightButSlow;
    else
      c.knowledge = Knowledge::RightAndFast;
  }
}

void Summary::setAutomatic(int number, int part) {
  if (inGrid(number, part))
    m_cells[static_cast<size_t>(index(number, part))].knowledge = Knowledge::Automatic;
}

const SplitCell& Summary::cell(int number, int part) const {
  static const SplitCell empty;
  if (!inGrid(number, part)) return empty;
  return m_cells[static_cast<size_t>(index(number, part))];
}

qint64 median(std::vector<qint64> values) {
  if (values.empty()) return -1;
  const size_t mid = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(mid), values.end());
  const qint64 upper = values[mid];
  if (values.size() % 2 == 1) return upper;
  const qint64 lower =
      *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(mid));
  return (lower + upper) / 2;
}

}  // namespace record
