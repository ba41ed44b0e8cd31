// The school's server under a whole school: 100 computers with 1,000 waiting answers
// each send into one server, timed until every answer is there; the time until waiting
// answers arrive once a server that was away comes back (target 10 s); and what adding
// an answer to the outbox costs the caller while the senders run (target 1 ms); what an
// answer and the practice rows cost the screens' thread with the whole record running
// and sending to the server (target 1 ms); and how long the program's end takes while
// a connect to a server that does not answer waits (target 100 ms, the connect's time-out
// is 3 s). Starts its own PostgreSQL server in a temporary folder, as the tests do.

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench/bench_support.h"
#include "record/recorder.h"
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

// The screens' side: record::answer and the practice rows of the answer, while the
// record's writer commits them and the sender sends the answers and the rows.
void screensCost(PgServer& server) {
  server.sql(QStringLiteral("TRUNCATE answers, practice_child, practice_item, practice_split"));
  QTemporaryDir dir;
  record::Options o;
  o.file = dir.filePath(QStringLiteral("splitsen.sqlite"));
  o.server = server.address(PgServer::Role::Pupil);
  o.clock = [] { return bench::monotonicNs() / 1000000; };
  record::start(o);
  record::status();
  record::setChild(QStringLiteral("Noor"));
  std::vector<double> answers;
  std::vector<double> rows;
  for (int i = 0; i < 3000; ++i) {
    qint64 t = bench::monotonicNs();
    record::ready(QStringLiteral("frmopmaat"));
    record::answer(QStringLiteral("frmopmaat"), 2 + i % 9, 1, QStringLiteral("1"), i % 3 != 0);
    answers.push_back(double(bench::monotonicNs() - t) / 1e3);
    record::PracticeRows r;
    r.child = QStringLiteral("Noor");
    r.ability = {0.5, i};
    r.splits.push_back({2 + i % 9, 1, 2, 2461100, QStringLiteral("2461100:1800:1")});
    r.items.push_back({QStringLiteral("7=3+?"), 0.1, i});
    t = bench::monotonicNs();
    record::keepPractice(r);
    rows.push_back(double(bench::monotonicNs() - t) / 1e3);
    QThread::usleep(500);
  }
  const qint64 start = bench::monotonicNs();
  while (server.answerCount() < 3000 && seconds(start) < 60) QThread::msleep(50);
  report("screens: an answer with the record sending, median", bench::median(answers), "us", 1000);
  report("screens: an answer with the record sending, 99th percentile",
         bench::percentile(answers, 99), "us", 1000);
  report("screens: an answer with the record sending, worst",
         *std::max_element(answers.begin(), answers.end()), "us", 0);
  report("screens: practice rows of an answer, median", bench::median(rows), "us", 1000);
  report("screens: practice rows of an answer, 99th percentile", bench::percentile(rows, 99), "us",
         1000);
  report("all 3000 answers on the server after the last", seconds(start), "s", 10);
  record::stop();
}

// The end of the program while the sender waits for a server that does not answer.
void endWhileConnecting() {
  schooltest::SilentPort silent;
  QTemporaryDir dir;
  std::vector<double> ends;
  for (int round = 0; round < 5; ++round) {
    record::Options o;
    o.file = dir.filePath(QStringLiteral("splitsen.sqlite"));
    school::Address address;
    address.host = QStringLiteral("127.0.0.1");
    address.port = silent.port();
    address.database = QStringLiteral("splitsen");
    address.user = QStringLiteral("splitsen_leerling");
    o.server = address;
    o.clock = [] { return qint64(0); };
    record::start(o);
    record::status();
    record::answer(QStringLiteral("frmsplitsmachine"), 7, 3, QStringLiteral("4"), true);
    QThread::msleep(300);  // the sender is in its connect
    const qint64 t = bench::monotonicNs();
    record::stop();
    ends.push_back(seconds(t));
  }
  report("the end while a connect waits (worst of 5)",
         *std::max_element(ends.begin(), ends.end()) * 1000, "ms", 100);
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
  if (wanted("screens")) screensCost(server);
  if (wanted("end")) endWhileConnecting();
  if (wanted("away")) backAfterAway(server);
  std::printf("%d failed\n", failed);
  return failed ? 1 : 0;
}
