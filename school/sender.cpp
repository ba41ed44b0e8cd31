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
}

Sender::Sender(Options options)
    : m_options(std::move(options)),
      m_connection(QStringLiteral("school-sender-%1").arg(++senders)) {
  m_thread = std::thread([this] { run(); });
}

Sender::~Sender() {
  {
    std::lock_guard lock(m_mutex);
    m_stopping = true;
  }
  m_wake.notify_all();
  m_thread.join();
}

void Sender::poke() {
  {
    std::lock_guard lock(m_mutex);
    m_poked = true;
  }
  m_wake.notify_all();
}

SenderState Sender::state() const {
  std::lock_guard lock(m_mutex);
  return m_state;
}

void Sender::update(const std::function<void(SenderState&)>& change) {
  std::lock_guard lock(m_mutex);
  change(m_state);
}

void Sender::wait(int ms) {
  std::unique_lock lock(m_mutex);
  m_wake.wait_for(lock, std::chrono::milliseconds(ms), [&] { return m_stopping || m_poked; });
  m_poked = false;
}

void Sender::run() {
  Server server(m_options.address, m_connection, m_options.connectTimeoutS);
  Outbox& outbox = *m_options.outbox;
  int failures = 0;
  const auto stopping = [&] {
    std::lock_guard lock(m_mutex);
    return m_stopping;
  };
  const auto fail = [&](const Outcome& outcome) {
    server.close();
    ++failures;
    const int waiting = outbox.waiting();
    update([&](SenderState& s) {
      s.connected = false;
      s.waiting = waiting;
      s.lastProblem = outcome;
    });
    const double draw = m_options.draw ? m_options.draw() : 0.5;
    wait(retryDelayMs(failures, m_options.firstRetryMs, m_options.maxRetryMs, draw));
  };

  while (!stopping()) {
    if (!server.isOpen()) {
      if (const Outcome outcome = server.open(); !outcome.ok()) {
        fail(outcome);
        continue;
      }
      update([](SenderState& s) { s.connected = true; });
    }
    const std::vector<Answer> batch = outbox.pending(m_options.batchSize);
    if (batch.empty()) {
      failures = 0;
      update([](SenderState& s) {
        s.connected = true;
        s.waiting = 0;
      });
      wait(m_options.idleCheckMs);
      if (!stopping() && outbox.waiting() == 0) {
        if (const Outcome outcome = server.ping(); !outcome.ok()) fail(outcome);
      }
      continue;
    }
    if (const Outcome outcome = server.send(batch, m_options.beforeCommit); !outcome.ok()) {
      fail(outcome);
      continue;
    }
    failures = 0;
    std::vector<QUuid> ids;
    ids.reserve(batch.size());
    for (const Answer& a : batch) ids.push_back(a.id);
    // Unmarked answers go again later; the server keeps its one copy.
    if (!outbox.markSent(ids)) wait(m_options.maxRetryMs);
    const int waiting = outbox.waiting();
    update([&](SenderState& s) {
      s.connected = true;
      s.waiting = waiting;
      s.sent += batch.size();
    });
  }
}

}  // namespace school
