#pragma once
// The record's writer thread. The screen's thread only queues an entry (a lock and a
// move); the thread opens the file, then commits what has been queued in short batches,
// so an answer is on disk a fraction of a second after its verdict. A full disk or an
// unwritable file turns recording off for the run; a busy file is tried again.

#include <QString>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "record/entry.h"
#include "record/status.h"

namespace record {

class Writer {
 public:
  struct Options {
    QString file;
    int batchMs = 100;     // how long the first queued entry waits for others
    int maxPageCount = 0;  // a page limit on the file (tests: a full disk)
  };

  explicit Writer(Options options);
  // Commits everything queued, then stops the thread.
  ~Writer();
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  void push(Entry entry);
  // Returns when everything queued before the call is committed (or dropped because
  // recording is off).
  void flush();
  // Returns once the file has been opened (or found unusable).
  Status status();
  // True once recording has been turned off for the run (no lock, no wait).
  bool off() const { return m_off.load(std::memory_order_relaxed); }

 private:
  void run();
  void turnOff(const QString& why);

  Options m_options;
  std::mutex m_mutex;
  std::condition_variable m_wake;  // to the thread: work, flush or stop
  std::condition_variable m_done;  // from the thread: opened, or a batch finished
  std::vector<Entry> m_queue;
  quint64 m_pushed = 0;
  quint64 m_finished = 0;
  bool m_flushWanted = false;
  bool m_stopping = false;
  bool m_opened = false;
  std::atomic<bool> m_off{false};  // read without the lock: pushing costs nothing then
  Status m_status;
  std::thread m_thread;
};

}  // namespace record
