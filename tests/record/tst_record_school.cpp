// Computers that record locally and send to the school's server: each stack is a record
// file of its own with its writer, outbox and sender. Answers given while the server is
// stopped, cut off or refusing are all on the server once, exactly once, in the end; the
// built program's --export --server reads the whole class with the teacher's role and
// refuses with the pupils' role.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <memory>

#include "record/recorder.h"
#include "record/sync.h"
#include "record/teacherview.h"
#include "record/writer.h"
#include "school/sender.h"
#include "tests/record/record_test_support.h"
#include "tests/school/school_test_support.h"

using school::Problem;
using Role = PgServer::Role;

namespace {

constexpr int ArriveMs = 30000;

// One classroom computer: its record file, and the answers the server has not yet
// acknowledged sent from there. The writer is the first to stop, so its last commit
// still reaches a running sender.
struct Computer {
  Computer(const QString& file, const school::Address& address) : file(file), outbox(file) {
    sender = std::make_unique<school::Sender>(schooltest::quickSender(outbox, address));
    record::Writer::Options w(file);
    w.batchMs = 10;
    w.retryMs = 100;
    w.committed = [s = sender.get()] { s->poke(); };
    writer = std::make_unique<record::Writer>(w);
  }
  void give(int count, int from, const QString& child = QString()) {
    for (int i = 0; i < count; ++i)
      writer->push(
          recordtest::answer(2 + (from + i) % 9, 1, QStringLiteral("1"), i % 3 != 0, 900, child));
  }
  QString file;
  record::RecordOutbox outbox;
  std::unique_ptr<school::Sender> sender;
  std::unique_ptr<record::Writer> writer;
};

// The ids of every answer in a record file, read outside the program's own code.
QStringList idsIn(const QString& file) {
  QStringList ids;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("ids"));
    db.setDatabaseName(file);
    if (db.open()) {
      QSqlQuery query(db);
      query.exec(QStringLiteral("SELECT uuid FROM answers"));
      while (query.next()) ids << query.value(0).toString();
    }
    db.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("ids"));
  return ids;
}

// The address as a URI with its password, as an administrator writes it.
QString uri(const school::Address& a) {
  // Put together, not with arg(): the encoded password holds % signs.
  return QStringLiteral("postgresql://") + a.user + QLatin1Char(':') +
         QString::fromLatin1(QUrl::toPercentEncoding(a.password)) + QLatin1Char('@') + a.host +
         QLatin1Char(':') + QString::number(a.port) + QLatin1Char('/') + a.database +
         QStringLiteral("?sslmode=disable");
}

}  // namespace

class RecordSchoolTest : public QObject {
  Q_OBJECT

 private:
  PgServer m_server;
  std::unique_ptr<QTemporaryDir> m_dir;
  QString file(int computer) const {
    return m_dir->filePath(QStringLiteral("computer-%1/splitsen.sqlite").arg(computer));
  }
  void verifyAllArrivedOnce(const std::vector<Computer*>& computers, int given);
  static void verifyNoPassword(const QString& text) {
    for (const char* password : {PgServer::PupilPassword, PgServer::TeacherPassword})
      QVERIFY2(!text.contains(QLatin1String(password)), qPrintable(text));
  }

 private Q_SLOTS:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);  // the view's settings stay out of $HOME
    SCHOOL_START_SERVER(m_server);
  }
  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    if (!m_server.running()) QVERIFY(m_server.restart());
    bool ok = false;
    m_server.sql(QStringLiteral("TRUNCATE answers"), &ok);
    QVERIFY(ok);
  }

  void twoComputersThroughStopsAndCuts();
  void answersWaitWhileTheServerRefuses_data();
  void answersWaitWhileTheServerRefuses();
  void exportTheClass_data();
  void exportTheClass();
  void theViewShowsTheWholeClass_data();
  void theViewShowsTheWholeClass();
};

// Every answer given is in its computer's record and, once the outboxes are empty, on
// the server exactly once.
void RecordSchoolTest::verifyAllArrivedOnce(const std::vector<Computer*>& computers, int given) {
  QStringList expected;
  for (Computer* c : computers) {
    c->writer->flush();
    QTRY_COMPARE_WITH_TIMEOUT(c->outbox.waiting(), 0, ArriveMs);
    expected << idsIn(c->file);
  }
  QCOMPARE(expected.size(), given);
  QStringList onServer = m_server.sql(QStringLiteral("SELECT id::text FROM answers"))
                             .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  onServer.sort();
  expected.sort();
  QCOMPARE(onServer, expected);
}

void RecordSchoolTest::twoComputersThroughStopsAndCuts() {
  QRandomGenerator draws(2028);  // a failure replays exactly
  Computer one(file(1), m_server.address(Role::Pupil));
  Computer two(file(2), m_server.address(Role::Pupil));
  int given = 0;
  for (int round = 0; round < 20; ++round) {
    QVERIFY(m_server.stop());
    for (Computer* c : {&one, &two}) {
      const int count = int(draws.bounded(1, 25));
      c->give(count, given);
      given += count;
    }
    QTest::qWait(int(draws.bounded(20, 120)));
    QVERIFY(m_server.restart());
    for (Computer* c : {&one, &two}) {  // and while it comes back
      const int count = int(draws.bounded(0, 10));
      c->give(count, given);
      given += count;
    }
    QTest::qWait(int(draws.bounded(0, 200)));
    if (draws.bounded(2) == 0) m_server.cutConnections();
  }
  verifyAllArrivedOnce({&one, &two}, given);
}

void RecordSchoolTest::answersWaitWhileTheServerRefuses_data() {
  QTest::addColumn<QString>("refuse");  // "stop": the server is stopped
  QTest::addColumn<QString>("allow");
  QTest::addColumn<Problem>("problem");
  QTest::addColumn<QString>("line");
  schooltest::addRefusalRows();
  QTest::newRow("server down") << "stop"
                               << "" << Problem::Unreachable << "server niet bereikbaar";
}

// The computer records as ever; the teacher's line says why the answers wait.
void RecordSchoolTest::answersWaitWhileTheServerRefuses() {
  QFETCH(QString, refuse);
  QFETCH(QString, allow);
  QFETCH(Problem, problem);
  QFETCH(QString, line);
  bool ok = true;
  if (refuse == QLatin1String("stop"))
    QVERIFY(m_server.stop());
  else
    m_server.sql(refuse, &ok);
  QVERIFY(ok);
  Computer c(file(1), m_server.address(Role::Pupil));
  c.give(30, 0);
  c.writer->flush();
  QVERIFY(c.writer->current().on);
  QTRY_COMPARE_WITH_TIMEOUT(c.sender->state().lastProblem.problem, problem, ArriveMs);
  QTRY_COMPARE_WITH_TIMEOUT(c.sender->state().waiting, 30, ArriveMs);
  const QString said = school::describe(c.sender->state());
  QVERIFY2(said.contains(line), qPrintable(said));
  verifyNoPassword(said + c.sender->state().lastProblem.detail);
  QCOMPARE(c.outbox.waiting(), 30);

  if (refuse == QLatin1String("stop"))
    QVERIFY(m_server.restart());
  else
    m_server.sql(allow, &ok);
  QVERIFY(ok);
  verifyAllArrivedOnce({&c}, 30);
}

void RecordSchoolTest::exportTheClass_data() {
  QTest::addColumn<Role>("role");
  QTest::addColumn<int>("exitCode");
  QTest::newRow("the teacher's role reads the whole class") << Role::Teacher << 0;
  QTest::newRow("the pupils' role may not") << Role::Pupil << 1;
}

// The built program, without a display: the class's answers from every computer.
void RecordSchoolTest::exportTheClass() {
  QFETCH(Role, role);
  QFETCH(int, exitCode);
  {
    Computer one(file(1), m_server.address(Role::Pupil));
    Computer two(file(2), m_server.address(Role::Pupil));
    one.give(12, 0);
    two.give(8, 0);
    verifyAllArrivedOnce({&one, &two}, 20);
  }
  const QString csv = m_dir->filePath(QStringLiteral("klas.csv"));
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("DISPLAY"));
  env.insert(QStringLiteral("HOME"), m_dir->path());
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(SPLITSEN_PROGRAM),
          {QStringLiteral("--export=") + csv,
           QStringLiteral("--server=") + uri(m_server.address(role))});
  QVERIFY(p.waitForFinished(60000));
  const QString error = QString::fromLocal8Bit(p.readAllStandardError());
  QVERIFY2(p.exitCode() == exitCode, qPrintable(error));
  verifyNoPassword(error);
  if (exitCode == 0) {
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(recordtest::bytes(csv).count("\r\n"), 21);  // the header and every answer
  } else {
    QVERIFY2(error.startsWith(QLatin1String("splitsen: ")) && error.count(QLatin1Char('\n')) == 1,
             qPrintable(error));
    QVERIFY(error.contains(QLatin1String("geen toestemming")));
    QVERIFY(!QFileInfo::exists(csv));
  }
}

void RecordSchoolTest::theViewShowsTheWholeClass_data() {
  QTest::addColumn<QString>("password");
  QTest::addColumn<bool>("keep");
  QTest::addColumn<QStringList>("children");  // in the view's choice of child
  QTest::addColumn<QString>("says");
  const QString right = QString::fromLatin1(PgServer::TeacherPassword);
  QTest::newRow("the teacher's password, kept")
      << right << true << QStringList{"Ada", "Bram"} << "";
  QTest::newRow("the teacher's password, not kept")
      << right << false << QStringList{"Ada", "Bram"} << "";
  QTest::newRow("a wrong password") << "fout" << true << QStringList{} << "wachtwoord fout";
  QTest::newRow("no password") << "" << false << QStringList{} << "Geef het wachtwoord";
}

// This computer's record holds Ada; another computer's Bram: the whole class shows both.
void RecordSchoolTest::theViewShowsTheWholeClass() {
  QFETCH(QString, password);
  QFETCH(bool, keep);
  QFETCH(QStringList, children);
  QFETCH(QString, says);
  QSettings().remove(QStringLiteral("server/teacherPassword"));
  {
    Computer other(file(2), m_server.address(Role::Pupil));
    other.give(5, 0, QStringLiteral("Bram"));
    verifyAllArrivedOnce({&other}, 5);
  }
  record::Options options;
  options.file = file(1);
  options.server = m_server.address(Role::Pupil);
  options.clock = [] { return qint64(0); };
  options.wallClock = [] { return QDateTime(QDate(2026, 3, 5), QTime(9, 41)); };
  record::start(options);
  record::setChild(QStringLiteral("Ada"));
  record::answer(QStringLiteral("frmsplitsmachine"), 7, 3, QStringLiteral("4"), true);
  record::flush();
  QTRY_COMPARE_WITH_TIMEOUT(m_server.answerCount(), 6, ArriveMs);

  auto view = std::make_unique<TeacherView>();
  QVERIFY(recordtest::settled(*view));
  QVERIFY2(view->state()->text().contains(QLatin1String("verbonden")),
           qPrintable(view->state()->text()));
  view->password()->setText(password);
  view->keepPassword()->setChecked(keep);
  view->scope()->setCurrentIndex(1);
  QVERIFY(recordtest::settled(*view));
  QStringList shown;
  for (int i = 1; i < view->children()->count(); ++i) shown << view->children()->itemText(i);
  QCOMPARE(shown, children);
  const QString line = view->state()->text();
  QVERIFY2(line.contains(says), qPrintable(line));
  verifyNoPassword(line);
  QCOMPARE(QSettings().contains(QStringLiteral("server/teacherPassword")), keep);
  view.reset();
  record::stop();
}

QTEST_MAIN(RecordSchoolTest)
#include "tst_record_school.moc"
