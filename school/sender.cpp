#include "school/sender.h"

#include <algorithm>

#include "school/server.h"

namespace school {

QString describe(const SenderState& state) {
  QStringList parts;
  parts << (state.connected ? QStringLiteral("verbonden") : QStringLiteral("niet verbonden"));
  if (state.waiting == 0)
    parts << QStringLiteral("geen antwoorden wachten");
  else if (state.waiting == 1)
    parts << QStringLiteral("1 antwoord wacht");
  else
    parts << QStringLiteral("%1 antwoorden wachten").arg(state.waiting);
  if (!state.lastProblem.ok()) {
    QString problem =
        QStringLiteral("het laatste probleem: ") + describe(state.lastProblem.problem);
    if (state.lastProblem.problem == Problem::SchemaTooOld ||
        state.lastProblem.problem == Problem::SchemaTooNew)
      problem += QStringLiteral(" (") + state.lastProblem.detail + QLatin1Char(')');
    parts << problem;
  }
  return parts.join(QStringLiteral(" · "));
}

int retryDelayMs(int failures, int firstMs, int maxMs, double draw) {
  qint64 delay = firstMs;
  for (int i = 1; i < failures && delay < maxMs; ++i) delay *= 2;
  delay = std::min<qint64>(delay, maxMs);
  return int(delay / 2 + qint64(std::clamp(draw, 0.0, 1.0) * double(delay - delay / 2)));
}

namespace {
std::atomic<int> senders{0};
std::atomic<int> leftBehindCount{0};
}  // namespace

// What the sending thread shares with its owner; the thread keeps it alive, so that it
// can be left behind while it connects.
struct Sender::Core {
  Options options;
  QString connection;
  mutable std::mutex mutex;
  std::condition_variable wake;
  bool poked = false;
  bool stopping = false;
  bool abandoned = false;
  SenderState state;

  bool isStopping() const {
    std::lock_guard lock(mutex);
    return stopping;
  }

  void update(const std::function<void(SenderState&)>& change) {
    std::lock_guard lock(mutex);
    change(state);
  }

  void wait(int ms) {
    std::unique_lock lock(mutex);
    wake.wait_for(lock, std::chrono::milliseconds(ms), [&] { return stopping || poked; });
    poked = false;
  }

  // Connects; false when the sender was stopped meanwhile (then nothing of the owner's
  // may be touched any more).
  bool open(Server& server, Outcome* outcome) {
    update([](SenderState& s) { s.connecting = true; });
    *outcome = server.open();
    std::lock_guard lock(mutex);
    state.connecting = false;
    if (abandoned) --leftBehindCount;
    return !stopping;
  }

  void run();
};

Sender::Sender(Options options) : m_core(std::make_shared<Core>()) {
  m_core->options = std::move(options);
  m_core->connection = QStringLiteral("school-sender-%1").arg(++senders);
  m_thread = std::thread([core = m_core] { core->run(); });
}

Sender::~Sender() {
  bool leave = false;
  {
    std::lock_guard lock(m_core->mutex);
    m_core->stopping = true;
    leave = m_core->state.connecting;
    if (leave) {
      m_core->abandoned = true;
      ++leftBehindCount;
    }
  }
  m_core->wake.notify_all();
  if (leave)
    m_thread.detach();
  else
    m_thread.join();
}

int Sender::leftBehind() {
  return leftBehindCount;
}

void Sender::poke() {
  {
    std::lock_guard lock(m_core->mutex);
    m_core->poked = true;
  }
  m_core->wake.notify_all();
}

SenderState Sender::state() const {
  std::lock_guard lock(m_core->mutex);
  return m_core->state;
}

void Sender::Core::run() {
  Server server(options.address, connection, options.connectTimeoutS);
  Outbox& outbox = *options.outbox;
  int failures = 0;
  const auto fail = [&](const Outcome& outcome) {
    server.close();
    ++failures;
    const int waiting = outbox.waiting();
    update([&](SenderState& s) {
      s.connected = false;
      s.waiting = waiting;
      s.lastProblem = outcome;
    });
    const double draw = options.draw ? options.draw() : 0.5;
    wait(retryDelayMs(failures, options.firstRetryMs, options.maxRetryMs, draw));
  };

  while (!isStopping()) {
    if (!server.isOpen()) {
      Outcome outcome;
      if (!open(server, &outcome)) return;
      if (!outcome.ok()) {
        fail(outcome);
        continue;
      }
      update([](SenderState& s) { s.connected = true; });
    }
    const std::vector<Answer> batch = outbox.pending(options.batchSize);
    if (batch.empty()) {
      if (options.exchange) {
        if (const Outcome outcome = options.exchange(server); !outcome.ok()) {
          fail(outcome);
          continue;
        }
      }
      failures = 0;
      update([](SenderState& s) {
        s.connected = true;
        s.waiting = 0;
      });
      wait(options.idleCheckMs);
      if (!isStopping() && outbox.waiting() == 0) {
        if (const Outcome outcome = server.ping(); !outcome.ok()) fail(outcome);
      }
      continue;
    }
    if (const Outcome outcome = server.send(batch, options.beforeCommit); !outcome.ok()) {
      fail(outcome);
      continue;
    }
    failures = 0;
    std::vector<QUuid> ids;
    ids.reserve(batch.size());
    for (const Answer& a : batch) ids.push_back(a.id);
    // Unmarked answers go again later; the server keeps its one copy.
    if (!outbox.markSent(ids)) wait(options.maxRetryMs);
    const int waiting = outbox.waiting();
    update([&](SenderState& s) {
      s.connected = true;
      s.waiting = waiting;
      s.sent += batch.size();
    });
  }
}

}  // namespace school
