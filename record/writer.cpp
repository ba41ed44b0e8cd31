#include "record/writer.h"

#include <cstdio>

#include "record/database.h"

namespace record {

namespace {

void say(const QString& line) {
  std::fprintf(stderr, "splitsen: %s\n", line.toLocal8Bit().constData());
}

}  // namespace

Writer::Writer(Options options) : m_options(std::move(options)) {
  m_status.file = m_options.file;
  m_status.opening = true;
  if (!m_options.startWhenNeeded) hurry();
}

Writer::~Writer() {
  {
    std::lock_guard lock(m_mutex);
    m_stopping = true;
  }
  m_wake.notify_all();
  if (m_thread.joinable()) m_thread.join();
}

void Writer::push(Entry entry) {
  if (m_off.load(std::memory_order_relaxed)) return;
  hurry();
  bool first;
  {
    std::lock_guard lock(m_mutex);
    first = m_queue.empty();
    m_queue.push_back(std::move(entry));
    ++m_pushed;
  }
  if (first) m_wake.notify_one();
}

void Writer::flush() {
  hurry();
  std::unique_lock lock(m_mutex);
  const quint64 target = m_pushed;
  const quint64 tries = m_tries + (m_opened ? 0 : 1);  // the first open is no try of ours
  ++m_flushAsked;
  m_wake.notify_all();
  m_done.wait(lock, [&] {
    return m_opened && (m_finished >= target || m_off || (m_tries > tries && !m_status.on) ||
                        (m_stopping && m_queue.empty()));
  });
}

Status Writer::status() {
  hurry();
  std::unique_lock lock(m_mutex);
  m_done.wait(lock, [&] { return m_opened; });
  return snapshot();
}

void Writer::hurry() {
  if (m_running.load(std::memory_order_acquire)) return;
  std::lock_guard lock(m_mutex);
  if (!m_thread.joinable()) m_thread = std::thread([this] { run(); });
  m_running.store(true, std::memory_order_release);
}

Status Writer::current() {
  std::lock_guard lock(m_mutex);
  return snapshot();
}

Status Writer::snapshot() const {
  Status s = m_status;
  s.opening = !m_opened;
  s.waiting = static_cast<int>(m_queue.size());
  return s;
}

void Writer::fail(const Status& status) {
  const bool news = m_status.on || m_status.failure != status.failure;
  const QString movedAside = m_status.movedAside;
  m_status = status;
  m_status.on = false;
  if (m_status.movedAside.isEmpty()) m_status.movedAside = movedAside;
  if (status.failure == Failure::Newer) {
    m_off = true;
    m_queue.clear();
  }
  // One line per change: the child's screen never hears of it.
  if (news)
    say(QStringLiteral("opnemen %1: %2")
            .arg(m_off ? QStringLiteral("staat uit") : QStringLiteral("wacht"), status.why));
}

void Writer::attempt(Database& db, std::unique_lock<std::mutex>& lock) {
  if (!db.isOpen()) {
    lock.unlock();
    const Status opened = db.open(true);
    lock.lock();
    if (opened.on) {
      const bool resumed = m_opened && !m_status.on;
      const QString movedAside = m_status.movedAside;
      m_status = opened;
      if (m_status.movedAside.isEmpty()) m_status.movedAside = movedAside;
      if (resumed) say(QStringLiteral("opnemen staat weer aan."));
    } else {
      fail(opened);
    }
  }
  if (db.isOpen() && !m_queue.empty()) {
    std::vector<Entry> batch;
    batch.swap(m_queue);
    m_flushServed = m_flushAsked;
    lock.unlock();
    const Failure failure = db.insert(batch);
    lock.lock();
    if (failure == Failure::None) {
      if (m_options.committed) m_options.committed();
      m_finished += batch.size();
      if (!m_status.on) {
        m_status.on = true;
        m_status.failure = Failure::None;
        m_status.why.clear();
        say(QStringLiteral("opnemen staat weer aan."));
      }
    } else {
      // Back in front of what came meanwhile, in the order they were given.
      batch.insert(batch.end(), std::make_move_iterator(m_queue.begin()),
                   std::make_move_iterator(m_queue.end()));
      m_queue.swap(batch);
      Status failed = m_status;
      failed.failure = failure;
      failed.why = describe(failure, m_options.file);
      fail(failed);
      // Busy and full keep the connection; anything else opens anew next time.
      if (failure != Failure::Busy && failure != Failure::Full) {
        lock.unlock();
        db.close();
        lock.lock();
      }
    }
  }
  ++m_tries;
  if (!m_opened) {
    m_opened = true;
    if (m_options.opened) {
      lock.unlock();
      m_options.opened();
      lock.lock();
    }
  }
  m_done.notify_all();
}

void Writer::run() {
  // A name of its own: more than one record may be written in one process (tests).
  static std::atomic<int> writers{0};
  Database db(m_options.file, QStringLiteral("record-writer-%1").arg(++writers));
  db.setMaxPageCount(m_options.maxPageCount);
  db.setBusyTimeout(m_options.busyTimeoutMs);
  std::unique_lock lock(m_mutex);
  attempt(db, lock);
  auto asked = [&] { return m_stopping || m_flushAsked != m_flushServed; };
  for (;;) {
    if (m_off) {
      m_done.notify_all();
      m_wake.wait(lock, [&] { return m_stopping; });
      break;
    }
    if (m_status.on) {
      m_wake.wait(lock, [&] { return !m_queue.empty() || m_stopping; });
      if (m_queue.empty()) break;
      // Let a few more answers join the batch, unless someone is waiting for it.
      m_wake.wait_for(lock, std::chrono::milliseconds(m_options.batchMs), asked);
      attempt(db, lock);
      continue;
    }
    // The file could not take the answers: try again in a while, or at once when asked.
    const bool stopping = m_stopping;
    if (stopping && m_queue.empty()) break;
    if (!stopping) m_wake.wait_for(lock, std::chrono::milliseconds(m_options.retryMs), asked);
    m_flushServed = m_flushAsked;
    attempt(db, lock);
    if (stopping) break;
  }
  if (!m_queue.empty())
    say(QStringLiteral("%1 antwoorden konden niet worden bewaard: %2")
            .arg(m_queue.size())
            .arg(m_status.why));
  m_done.notify_all();
}

}  // namespace record
