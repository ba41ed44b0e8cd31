#include "record/writer.h"

#include <QDir>
#include <cstdio>

#include "record/database.h"

namespace record {

Writer::Writer(Options options) : m_options(std::move(options)) {
  m_thread = std::thread([this] { run(); });
}

Writer::~Writer() {
  {
    std::lock_guard lock(m_mutex);
    m_stopping = true;
  }
  m_wake.notify_all();
  m_thread.join();
}

void Writer::push(Entry entry) {
  if (m_off.load(std::memory_order_relaxed)) return;
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
  std::unique_lock lock(m_mutex);
  const quint64 target = m_pushed;
  m_flushWanted = true;
  m_wake.notify_all();
  m_done.wait(lock, [&] { return m_finished >= target; });
  m_flushWanted = false;
}

Status Writer::status() {
  std::unique_lock lock(m_mutex);
  m_done.wait(lock, [&] { return m_opened; });
  return m_status;
}

void Writer::turnOff(const QString& why) {
  m_status.on = false;
  m_status.why = why;
  m_off = true;
  // One line, once: the child's screen never hears of it.
  std::fprintf(stderr, "splitsen: opnemen staat uit: %s\n", why.toLocal8Bit().constData());
}

void Writer::run() {
  Database db(m_options.file, QStringLiteral("record-writer"));
  db.setMaxPageCount(m_options.maxPageCount);
  const Status opened = db.open(true);
  std::unique_lock lock(m_mutex);
  m_status = opened;
  if (!opened.on) turnOff(opened.why);
  m_opened = true;
  m_done.notify_all();

  for (;;) {
    m_wake.wait(lock, [&] { return !m_queue.empty() || m_stopping; });
    if (m_queue.empty()) break;
    // Let a few more answers join the batch, unless someone is waiting for it.
    m_wake.wait_for(lock, std::chrono::milliseconds(m_options.batchMs),
                    [&] { return m_stopping || m_flushWanted; });
    std::vector<Entry> batch;
    batch.swap(m_queue);
    const bool on = m_status.on;
    lock.unlock();

    Failure failure = on ? db.insert(batch) : Failure::None;
    // Each try has waited the busy timeout for the other copy of the program.
    for (int tries = 1; failure == Failure::Busy && tries < 12; ++tries) failure = db.insert(batch);

    lock.lock();
    if (failure == Failure::Full)
      turnOff(
          QStringLiteral("de schijf is vol (%1).").arg(QDir::toNativeSeparators(m_options.file)));
    else if (failure == Failure::Busy)
      turnOff(QStringLiteral("een ander programma houdt het bestand %1 bezet.")
                  .arg(QDir::toNativeSeparators(m_options.file)));
    else if (failure != Failure::None)
      turnOff(QStringLiteral("het bestand %1 kan niet worden geschreven.")
                  .arg(QDir::toNativeSeparators(m_options.file)));
    m_finished += batch.size();
    m_done.notify_all();
  }
}

}  // namespace record
