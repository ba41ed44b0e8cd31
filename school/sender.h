#pragma once
// Sends the outbox's answers to the school's server on a thread of its own, with its own
// named connection: a batch goes in one transaction and is marked sent only after COMMIT
// succeeded, so a cut connection or a retry never loses or doubles an answer. Connecting
// and its time-out happen on this thread only. After a failure it tries again, sooner
// at first and at most `maxRetryMs` apart, so waiting answers arrive within seconds of
// the server being reachable.

#include <QString>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "school/address.h"
#include "school/outbox.h"
#include "school/problem.h"

namespace school {

class Server;

struct SenderState {
  bool connected = false;
  bool connecting = false;  // waiting for the server to answer a connect
  int waiting = 0;          // answers in the outbox, as last seen
  quint64 sent = 0;         // answers the server committed during this run
  Outcome lastProblem;      // the last thing that went wrong (none yet: ok)
};

// The state in one line of plain Dutch for the teacher's view, e.g.
// "niet verbonden · 12 antwoorden wachten · het laatste probleem: wachtwoord fout".
QString describe(const SenderState& state);

// The wait after the `failures`-th failure in a row: doubling from `firstMs` up to
// `maxMs`, then spread over its upper half by `draw` (0 to 1) so that a classroom of
// computers does not knock all at once.
int retryDelayMs(int failures, int firstMs, int maxMs, double draw);

class Sender {
 public:
  struct Options {
    Address address;
    Outbox* outbox = nullptr;
    int batchSize = 500;
    int connectTimeoutS = 3;
    int firstRetryMs = 250;
    int maxRetryMs = 4000;
    int idleCheckMs = 2000;        // with nothing to send, looks at the outbox and the connection
    std::function<double()> draw;  // 0 to 1 for the spread; none: the middle
    std::function<void()> beforeCommit;  // runs on the thread between a batch and COMMIT
    // More to share over the same session once no answers wait (the class list, the
    // practice state); a problem it reports counts as the sender's own.
    std::function<Outcome(Server&)> exchange;
  };

  explicit Sender(Options options);
  // Finishes the batch under way, then stops. A connect under way is not waited for: the
  // thread is left to end by itself when the server answers or the time-out passes, and
  // touches nothing of the caller's after that (the outbox, `exchange`).
  ~Sender();
  Sender(const Sender&) = delete;
  Sender& operator=(const Sender&) = delete;

  // New answers are in the outbox: send them now rather than at the next check.
  void poke();
  SenderState state() const;

  // Threads of stopped senders still waiting for a connect to end (tests).
  static int leftBehind();

 private:
  struct Core;
  std::shared_ptr<Core> m_core;
  std::thread m_thread;
};

}  // namespace school
