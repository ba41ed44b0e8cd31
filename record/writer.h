#pragma once
// The record's writer thread. The screen's thread only queues an entry (a lock and a
// move); the thread opens the file, then commits what has been queued in short batches,
// so an answer is on disk a fraction of a second after its verdict. When the file cannot
// take them (another program holds it, the disk is full, it is read-only) the answers
// wait in memory and the thread tries again every little while; it resumes by itself.
// Only a file of a newer program turns recording off for the run.

#include <QString>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "record/entry.h"
#include "record/status.h"

namespace record {

class Writer {
 public:
  struct Options {
    Options(QString file = {}) : file(std::move(file)) {}  // NOLINT: a file is enough
    QString file;
    int batchMs = 100;         // how long the first queued entry waits for others
    int maxPageCount = 0;      // a page limit on the file (tests: a full disk)
    int retryMs = 2000;        // how soon a file that could not take the answers is tried again
    int busyTimeoutMs = 5000;  // how long one try waits for another program's lock
    // The thread (and with it the file's first opening) waits until something is asked
    // of the file: the program's first screen is drawn without the record's work beside it.
    bool startWhenNeeded = false;
    // Called on the writer's thread once the first try to open the file is over.
    std::function<void()> opened;
    // Called on the writer's thread after each batch it committed.
    std::function<void()> committed;
  };

  explicit Writer(Options options);
  // Commits everything queued (one more try when the file cannot take it), then stops.
  ~Writer();
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  void push(Entry entry);
  // Returns, once the file's first opening is over, when everything queued before the
  // call is committed, or has been tried once more and still waits in memory; at once
  // when recording is off for the run.
  void flush();
  // Returns once the first try to open the file is over.
  Status status();
  // The state now, without waiting (`opening` while the first try runs).
  Status current();
  // Starts the thread, and so opens the file, when it waits to be needed.
  void hurry();
  // True once recording has been turned off for the run (no lock, no wait).
  bool off() const { return m_off.load(std::memory_order_relaxed); }

 private:
  void run();
  // One try: open the file when it is not, then commit the queue. The lock is held on
  // entry and exit, not while the file is used.
  void attempt(class Database& db, std::unique_lock<std::mutex>& lock);
  void fail(const Status& status);
  Status snapshot() const;  // with the lock held

  Options m_options;
  std::mutex m_mutex;
  std::condition_variable m_wake;  // to the thread: work, flush or stop
  std::condition_variable m_done;  // from the thread: a try is over
  std::vector<Entry> m_queue;
  quint64 m_pushed = 0;
  quint64 m_finished = 0;  // entries committed
  quint64 m_tries = 0;     // tries finished
  quint64 m_flushAsked = 0;
  quint64 m_flushServed = 0;
  bool m_stopping = false;
  bool m_opened = false;
  std::atomic<bool> m_running{false};  // the thread has been started
  std::atomic<bool> m_off{false};      // read without the lock: pushing costs nothing then
  Status m_status;
  std::thread m_thread;
};

}  // namespace record
