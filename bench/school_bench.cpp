// The school's server under a whole school: 100 computers with 1,000 waiting answers
// each send into one server, timed until every answer is there; the time until waiting
// answers arrive once a server that was away comes back (target 10 s); and what adding
// an answer to the outbox costs the caller while the senders run (target 1 ms). Starts
// its own PostgreSQL server in a temporary folder, as the tests do.

#include <QCoreApplication>
#include <QThread>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench/bench_support.h"
#include "school/sender.h"
#include "tests/school/pg_server.h"
#include "tests/school/school_test_support.h"

namespace {

int failed = 0;

void report(const char* figure, double value, const char* unit, double target) {
  const bool pass = target <= 0 || value <= target;
  if (!pass) ++failed;
  if (target > 0)
    std::printf("%-62s %10.1f %-3s  target %8.1f  %s\n", figure, value, unit, target,
                pass ? "pass" : "FAIL");
  else
    std::printf("%-62s %10.1f %-3s\n", figure, value, unit);
  std::fflush(stdout);
}

double seconds(qint64 fromNs) {
  return double(bench::monotonicNs() - fromNs) / 1e9;
}

// Waits until every outbox is empty; false after `limitS` seconds.
bool drained(std::vector<std::unique_ptr<school::MemoryOutbox>>& outboxes, double limitS) {
  const qint64 start = bench::monotonicNs();
  for (;;) {
    int waiting = 0;
    for (auto& o : outboxes) waiting += o->waiting();
    if (waiting == 0) return true;
    if (seconds(start) > limitS) return false;
    QThread::msleep(20);
  }
}

void wholeSchool(PgServer& server, int computers, int answersEach) {
  server.sql(QStringLiteral("TRUNCATE answers"));
  std::vector<std::unique_ptr<school::MemoryOutbox>> outboxes;
  for (int c = 0; c < computers; ++c) {
    outboxes.push_back(std::make_unique<school::MemoryOutbox>());
    schooltest::fill(*outboxes.back(), schooltest::answers(answersEach));
  }
  const qint64 start = bench::monotonicNs();
  std::vector<std::unique_ptr<school::Sender>> senders;
  for (auto& outbox : outboxes) {
    school::Sender::Options o;
    o.address = server.address(PgServer::Role::Pupil);
    o.outbox = outbox.get();
    senders.push_back(std::make_unique<school::Sender>(o));
  }
  const bool all = drained(outboxes, 600);
  const double took = seconds(start);
  const int there = server.answerCount();
  std::printf("%d computers x %d answers: %d on the server%s\n", computers, answersEach, there,
              all && there == computers * answersEach ? "" : "  (NOT ALL)");
  if (!all || there != computers * answersEach) ++failed;
  report("all answers of the whole school on the server", took, "s", 0);
  report("answers per second into the server", there / took, "/s", 0);
}

void backAfterAway(PgServer& server) {
  std::vector<double> arrivals;
  for (int round = 0; round < 3; ++round) {
    server.sql(QStringLiteral("TRUNCATE answers"));
    server.stop();
    std::vector<std::unique_ptr<school::MemoryOutbox>> outboxes;
    outboxes.push_back(std::make_unique<school::MemoryOutbox>());
    schooltest::fill(*outboxes.back(), schooltest::answers(100));
    school::Sender::Options o;
    o.address = server.address(PgServer::Role::Pupil);
    o.outbox = outboxes.back().get();
    school::Sender sender(o);
    // Long enough for the retries to reach their longest wait.
    QThread::msleep(12000);
    server.restart();
    const qint64 start = bench::monotonicNs();
    drained(outboxes, 60);
    arrivals.push_back(seconds(start));
  }
  report("waiting answers on the server after it is back (worst of 3)",
         *std::max_element(arrivals.begin(), arrivals.end()), "s", 10);
}

void callerCost(PgServer& server) {
  server.sql(QStringLiteral("TRUNCATE answers"));
  school::MemoryOutbox outbox;
  school::Sender::Options o;
  o.address = server.address(PgServer::Role::Pupil);
  o.outbox = &outbox;
  school::Sender sender(o);
  const auto answers = schooltest::answers(3000);
  std::vector<double> costs;
  for (const school::Answer& a : answers) {
    const qint64 t = bench::monotonicNs();
    outbox.add(a);
    sender.poke();
    costs.push_back(double(bench::monotonicNs() - t) / 1e3);
    QThread::usleep(200);
  }
  report("adding an answer and waking the sender, median", bench::median(costs), "us", 1000);
  report("adding an answer and waking the sender, 99th percentile", bench::percentile(costs, 99),
         "us", 1000);
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (!PgServer::installed()) {
    std::printf("PostgreSQL is not installed (scripts/setup installs it)\n");
    return 1;
  }
  PgServer server;
  QString why;
  if (!server.start(&why, PgServer::Options{130})) {
    std::printf("the server did not start: %s\n", qPrintable(why));
    return 1;
  }
  const QStringList parts = app.arguments().mid(1);
  const auto wanted = [&](const char* part) {
    return parts.isEmpty() || parts.contains(QLatin1String(part));
  };
  if (wanted("school")) wholeSchool(server, 100, 1000);
  if (wanted("cost")) callerCost(server);
  if (wanted("away")) backAfterAway(server);
  std::printf("%d failed\n", failed);
  return failed ? 1 : 0;
}
