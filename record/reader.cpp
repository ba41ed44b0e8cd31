#include "record/reader.h"

#include "record/database.h"
#include "record/writer.h"

namespace record {

Reader::Reader(QString file, Writer& writer, int busyTimeoutMs)
    : m_file(std::move(file)), m_writer(writer), m_busyTimeoutMs(busyTimeoutMs) {}

Reader::~Reader() {
  {
    std::lock_guard lock(m_mutex);
    m_stopping = true;
  }
  m_wake.notify_all();
  if (m_thread.joinable()) m_thread.join();
}

void Reader::post(std::function<void(Database*)> job) {
  {
    std::lock_guard lock(m_mutex);
    m_jobs.push_back(std::move(job));
    // Started by the first job: a run that reads nothing has no reading thread.
    if (!m_thread.joinable()) m_thread = std::thread([this] { run(); });
  }
  m_wake.notify_one();
}

void Reader::run() {
  Database db(m_file, QStringLiteral("record-reader"));
  db.setBusyTimeout(m_busyTimeoutMs);
  for (;;) {
    std::function<void(Database*)> job;
    {
      std::unique_lock lock(m_mutex);
      m_wake.wait(lock, [&] { return m_stopping || !m_jobs.empty(); });
      if (m_jobs.empty()) return;
      job = std::move(m_jobs.front());
      m_jobs.pop_front();
    }
    m_writer.flush();  // also waits for the file's first opening
    if (!db.isOpen()) db.attach();
    job(db.isOpen() ? &db : nullptr);
  }
}

}  // namespace record
