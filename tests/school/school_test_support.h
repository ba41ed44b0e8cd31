#pragma once
// Helpers of the school's tests: answers to send, and the server started once per test
// program (skipped, with the reason, where PostgreSQL is not installed).

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QTest>
#include <vector>

#include "school/answer.h"
#include "school/outbox.h"
#include "school/sender.h"
#include "tests/school/pg_server.h"

namespace schooltest {

// `count` answers of one computer, with every optional field filled on most and left
// out on every fifth (a number that was only practised).
inline std::vector<school::Answer> answers(int count, const QUuid& computer = QUuid::createUuid(),
                                           const QString& child = QStringLiteral("Noor")) {
  std::vector<school::Answer> all;
  for (int i = 0; i < count; ++i) {
    school::Answer a;
    a.id = QUuid::createUuid();
    a.computer = computer;
    a.time = QStringLiteral("2026-03-05T09:%1:07.250+01:00").arg(i % 60, 2, 10, QLatin1Char('0'));
    a.child = child;
    a.exercise = QStringLiteral("frmsplitsmachine");
    a.number = 2 + i % 9;
    if (i % 5 != 4) {
      a.shown = i % a.number;
      a.given = QString::number(a.number - *a.shown);
      a.right = i % 3 != 0;
      a.ms = 800 + i;
    }
    all.push_back(a);
  }
  return all;
}

// A sender that retries within a fraction of a second, always after its longest wait.
inline school::Sender::Options quickSender(school::Outbox& outbox, const school::Address& address) {
  school::Sender::Options o;
  o.address = address;
  o.outbox = &outbox;
  o.batchSize = 40;
  o.firstRetryMs = 50;
  o.maxRetryMs = 400;
  o.idleCheckMs = 200;
  o.draw = [] { return 1.0; };
  return o;
}

inline void fill(school::MemoryOutbox& outbox, const std::vector<school::Answer>& all) {
  for (const school::Answer& a : all) outbox.add(a);
}

// The ways a server refuses answers for a while, as rows of (refuse, allow, problem, line):
// the SQL that makes it refuse, the SQL that lets it take them again, the problem the
// sender reports and the words of the teacher's line.
inline void addRefusalRows() {
  using school::Problem;
  QTest::newRow("wrong password") << "ALTER ROLE splitsen_leerling PASSWORD 'een-ander'"
                                  << QStringLiteral("ALTER ROLE splitsen_leerling PASSWORD '%1'")
                                         .arg(QLatin1String(PgServer::PupilPassword))
                                  << Problem::WrongPassword << "wachtwoord fout";
  QTest::newRow("no permission to add answers") << "REVOKE INSERT ON answers FROM splitsen_leerling"
                                                << "GRANT INSERT ON answers TO splitsen_leerling"
                                                << Problem::NoPermission << "geen toestemming";
  QTest::newRow("the server's disk is full")
      << "CREATE FUNCTION full_disk() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
         "RAISE EXCEPTION 'could not extend file' USING ERRCODE = 'disk_full'; END $$; "
         "CREATE TRIGGER full_disk BEFORE INSERT ON answers FOR EACH ROW EXECUTE FUNCTION "
         "full_disk()"
      << "DROP TRIGGER full_disk ON answers; DROP FUNCTION full_disk()" << Problem::Full
      << "server vol";
}

// A port on 127.0.0.1 that takes connections and never answers: a connect to it waits
// for its whole time-out, as to a server that hangs.
class SilentPort {
 public:
  SilentPort() {
    m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    if (m_fd < 0 || ::bind(m_fd, reinterpret_cast<sockaddr*>(&a), size) != 0 ||
        ::listen(m_fd, 8) != 0 || ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &size) != 0)
      return;
    m_port = ntohs(a.sin_port);
  }
  ~SilentPort() {
    if (m_fd >= 0) ::close(m_fd);
  }
  int port() const { return m_port; }

 private:
  int m_fd = -1;
  int m_port = 0;
};

}  // namespace schooltest

// Starts `server` in initTestCase; skips the whole test program only where PostgreSQL is
// not installed, and fails where it is but does not start.
#define SCHOOL_START_SERVER(server)                                                     \
  do {                                                                                  \
    if (!PgServer::installed())                                                         \
      QSKIP("PostgreSQL is not installed on this machine (scripts/setup installs it)"); \
    QString why;                                                                        \
    QVERIFY2((server).start(&why), qPrintable(why));                                    \
  } while (false)
