#pragma once
// The record's reading thread: the teacher's view, its export and its wiping use the
// file here, with a connection of their own, so that no screen waits for a file that is
// large, being checked, or held by another program.

#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace record {

class Database;
class Writer;

class Reader {
 public:
  // `writer` outlives the reader: every job first lets it try to commit what is queued.
  Reader(QString file, Writer& writer, int busyTimeoutMs);
  // Runs the jobs already posted, then stops.
  ~Reader();
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  // Runs `job` on the thread, after the writer has tried to commit everything queued
  // before; its connection is null when the file cannot be read.
  void post(std::function<void(Database*)> job);

 private:
  void run();

  QString m_file;
  Writer& m_writer;
  int m_busyTimeoutMs;
  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::deque<std::function<void(Database*)>> m_jobs;
  bool m_stopping = false;
  std::thread m_thread;
};

}  // namespace record
