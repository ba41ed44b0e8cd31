// The sender against a real server: every answer arrives exactly once whatever happens to
// the connection, answers wait on the computer while the server is away or refuses, and
// the teacher's line says why without ever showing a password.

#include <QRandomGenerator>
#include <QTest>

#include "school/sender.h"
#include "school/server.h"
#include "tests/school/school_test_support.h"

using school::Problem;
using Role = PgServer::Role;

namespace {

// A generous bound for answers to arrive: the sender retries every few seconds at most.
constexpr int ArriveMs = 30000;

// An outbox whose record fails to mark the first `failures` batches as sent.
class ForgetfulOutbox : public school::MemoryOutbox {
 public:
  explicit ForgetfulOutbox(int failures) : m_failures(failures) {}
  bool markSent(const std::vector<QUuid>& ids) override {
    if (m_failures > 0) {
      --m_failures;
      return false;
    }
    return school::MemoryOutbox::markSent(ids);
  }

 private:
  std::atomic<int> m_failures;
};

}  // namespace

class SchoolSenderTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void init();
  void cleanup();
  void everyAnswerArrivesOnce_data();
  void everyAnswerArrivesOnce();
  void answersWaitWhileTheServerIsDown();
  void answersWaitWhileTheServerRefuses_data();
  void answersWaitWhileTheServerRefuses();
  void twoComputersThroughStopsAndCuts();
  void stoppingDoesNotWaitForAConnect();

 private:
  school::Sender::Options options(school::Outbox& outbox, Role role = Role::Pupil) const;
  static void checkNoPassword(const school::SenderState& state);

  PgServer m_server;
};

school::Sender::Options SchoolSenderTest::options(school::Outbox& outbox, Role role) const {
  return schooltest::quickSender(outbox, m_server.address(role));
}

void SchoolSenderTest::checkNoPassword(const school::SenderState& state) {
  for (const char* password : {PgServer::PupilPassword, PgServer::TeacherPassword}) {
    QVERIFY2(!school::describe(state).contains(QLatin1String(password)),
             qPrintable(school::describe(state)));
    QVERIFY2(!state.lastProblem.detail.contains(QLatin1String(password)),
             qPrintable(state.lastProblem.detail));
  }
}

void SchoolSenderTest::initTestCase() {
  SCHOOL_START_SERVER(m_server);
}

void SchoolSenderTest::init() {
  if (!m_server.running()) QVERIFY(m_server.restart());
  bool ok = false;
  m_server.sql(QStringLiteral("TRUNCATE answers"), &ok);
  QVERIFY(ok);
}

void SchoolSenderTest::cleanup() {
  if (!m_server.running()) QVERIFY(m_server.restart());
}

enum class Fault { None, CutBeforeCommit, MarkingFails, SentTwice };

void SchoolSenderTest::everyAnswerArrivesOnce_data() {
  QTest::addColumn<Fault>("fault");
  QTest::newRow("nothing goes wrong") << Fault::None;
  QTest::newRow("the connection is cut before COMMIT, three times") << Fault::CutBeforeCommit;
  QTest::newRow("the computer fails to mark a batch as sent, twice") << Fault::MarkingFails;
  QTest::newRow("the same answers wait on two computers") << Fault::SentTwice;
}

void SchoolSenderTest::everyAnswerArrivesOnce() {
  QFETCH(Fault, fault);
  const std::vector<school::Answer> all = schooltest::answers(200);
  ForgetfulOutbox outbox(fault == Fault::MarkingFails ? 2 : 0);
  school::MemoryOutbox copy;
  schooltest::fill(outbox, all);
  if (fault == Fault::SentTwice) schooltest::fill(copy, all);

  std::atomic<int> cuts{fault == Fault::CutBeforeCommit ? 3 : 0};
  school::Sender::Options o = options(outbox);
  o.beforeCommit = [&] {
    if (cuts > 0 && m_server.cutConnections() > 0) --cuts;
  };
  school::Sender sender(o);
  std::unique_ptr<school::Sender> second;
  if (fault == Fault::SentTwice) second = std::make_unique<school::Sender>(options(copy));

  QTRY_COMPARE_WITH_TIMEOUT(outbox.waiting() + copy.waiting(), 0, ArriveMs);
  QCOMPARE(m_server.answerCount(), int(all.size()));
  QCOMPARE(cuts.load(), 0);
  QTRY_VERIFY_WITH_TIMEOUT(sender.state().connected, ArriveMs);
  QCOMPARE(sender.state().waiting, 0);
  if (fault == Fault::CutBeforeCommit)
    QCOMPARE(sender.state().lastProblem.problem, Problem::Unreachable);
  checkNoPassword(sender.state());
}

void SchoolSenderTest::answersWaitWhileTheServerIsDown() {
  QVERIFY(m_server.stop());
  school::MemoryOutbox outbox;
  schooltest::fill(outbox, schooltest::answers(50));
  school::Sender sender(options(outbox));
  sender.poke();
  QTRY_COMPARE_WITH_TIMEOUT(sender.state().lastProblem.problem, Problem::Unreachable, ArriveMs);
  QVERIFY(!sender.state().connected);
  QCOMPARE(outbox.waiting(), 50);
  QTRY_COMPARE_WITH_TIMEOUT(sender.state().waiting, 50, ArriveMs);
  QVERIFY(school::describe(sender.state()).contains(QLatin1String("server niet bereikbaar")));
  checkNoPassword(sender.state());

  QVERIFY(m_server.restart());
  QTRY_COMPARE_WITH_TIMEOUT(outbox.waiting(), 0, ArriveMs);
  QCOMPARE(m_server.answerCount(), 50);
  QTRY_VERIFY_WITH_TIMEOUT(sender.state().connected, ArriveMs);
}

void SchoolSenderTest::answersWaitWhileTheServerRefuses_data() {
  QTest::addColumn<QString>("refuse");
  QTest::addColumn<QString>("allow");
  QTest::addColumn<Problem>("problem");
  QTest::addColumn<QString>("line");
  schooltest::addRefusalRows();
  const int known = school::Server::SchemaVersion;
  const QString back = QStringLiteral("UPDATE schema_version SET version = %1").arg(known);
  QTest::newRow("the server's tables are older")
      << QStringLiteral("UPDATE schema_version SET version = %1").arg(known - 1) << back
      << Problem::SchemaTooOld
      << QStringLiteral("versie %1, dit programma kent versie %2").arg(known - 1).arg(known);
  QTest::newRow("the server's tables are newer")
      << QStringLiteral("UPDATE schema_version SET version = %1").arg(known + 1) << back
      << Problem::SchemaTooNew << QStringLiteral("nieuwer dan dit programma");
  QTest::newRow("the tables were never set up")
      << "ALTER TABLE schema_version RENAME TO schema_version_away"
      << "ALTER TABLE schema_version_away RENAME TO schema_version" << Problem::NotSetUp
      << "niet ingericht";
}

void SchoolSenderTest::answersWaitWhileTheServerRefuses() {
  QFETCH(QString, refuse);
  QFETCH(QString, allow);
  QFETCH(Problem, problem);
  QFETCH(QString, line);
  bool ok = false;
  m_server.sql(refuse, &ok);
  QVERIFY(ok);
  school::MemoryOutbox outbox;
  schooltest::fill(outbox, schooltest::answers(60));
  auto sender = std::make_unique<school::Sender>(options(outbox));
  QTRY_COMPARE_WITH_TIMEOUT(sender->state().lastProblem.problem, problem, ArriveMs);
  QVERIFY(!sender->state().connected);
  QVERIFY2(school::describe(sender->state()).contains(line),
           qPrintable(school::describe(sender->state())));
  checkNoPassword(sender->state());
  QCOMPARE(outbox.waiting(), 60);
  QCOMPARE(m_server.answerCount(), 0);

  m_server.sql(allow, &ok);
  QVERIFY(ok);
  QTRY_COMPARE_WITH_TIMEOUT(outbox.waiting(), 0, ArriveMs);
  QCOMPARE(m_server.answerCount(), 60);
  QTRY_VERIFY_WITH_TIMEOUT(sender->state().connected, ArriveMs);
}

void SchoolSenderTest::twoComputersThroughStopsAndCuts() {
  // The rounds' events come from a fixed seed, so a failure replays exactly.
  QRandomGenerator draws(28);
  school::MemoryOutbox first, second;
  school::Sender one(options(first));
  school::Sender two(options(second));
  const QUuid computers[] = {QUuid::createUuid(), QUuid::createUuid()};
  int given = 0;
  for (int round = 0; round < 20; ++round) {
    const bool stop = draws.bounded(2) == 0;
    if (stop) QVERIFY(m_server.stop());
    for (int c = 0; c < 2; ++c) {
      const auto batch = schooltest::answers(int(draws.bounded(1, 30)), computers[c]);
      schooltest::fill(c == 0 ? first : second, batch);
      given += int(batch.size());
    }
    one.poke();
    two.poke();
    QTest::qWait(int(draws.bounded(20, 150)));
    if (stop) QVERIFY(m_server.restart());
    if (draws.bounded(2) == 0) m_server.cutConnections();
  }
  QTRY_COMPARE_WITH_TIMEOUT(first.waiting() + second.waiting(), 0, ArriveMs);
  QCOMPARE(m_server.answerCount(), given);
  QCOMPARE(m_server.sql(QStringLiteral("SELECT count(DISTINCT computer) FROM answers")),
           QStringLiteral("2"));
}

// A sender stopped while its connect waits is left to end by itself (the program's end
// never waits for the time-out), and touches the outbox no more.
void SchoolSenderTest::stoppingDoesNotWaitForAConnect() {
  schooltest::SilentPort silent;
  QVERIFY(silent.port() > 0);
  school::Address address = m_server.address(Role::Pupil);
  address.port = silent.port();
  const int before = school::Sender::leftBehind();
  {
    auto outbox = std::make_unique<school::MemoryOutbox>();
    schooltest::fill(*outbox, schooltest::answers(3));
    school::Sender::Options o = options(*outbox);
    o.address = address;
    o.connectTimeoutS = 5;
    auto sender = std::make_unique<school::Sender>(o);
    QTRY_VERIFY_WITH_TIMEOUT(sender->state().connecting, ArriveMs);
    sender.reset();
    QCOMPARE(school::Sender::leftBehind(), before + 1);
    outbox.reset();  // gone before the connect ends: the thread must not look at it
  }
  QTRY_COMPARE_WITH_TIMEOUT(school::Sender::leftBehind(), before, ArriveMs);
}

QTEST_GUILESS_MAIN(SchoolSenderTest)
#include "tst_school_sender.moc"
