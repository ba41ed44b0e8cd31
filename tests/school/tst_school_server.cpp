// The school server's tables and roles: what each role may do, answers that come back as
// they were sent, the class list and the practice state shared by every computer.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "school/server.h"
#include "tests/school/school_test_support.h"

using school::Outcome;
using school::Problem;
using Role = PgServer::Role;

class SchoolServerTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void init();
  void settingUpAgainChangesNothing();
  void eachRoleMayDoItsPart_data();
  void eachRoleMayDoItsPart();
  void answersComeBackAsTheyWereSent();
  void classListIsKeptByTheTeacher();
  void practiceContinuesOnAnyComputer();
  void refusalsNameNoPassword_data();
  void refusalsNameNoPassword();
  void passwordMayComeFromPgpass_data();
  void passwordMayComeFromPgpass();

 private:
  // An open session of `role`; its outcome in `opened`.
  std::unique_ptr<school::Server> session(Role role, Outcome* opened = nullptr);

  PgServer m_server;
  int m_sessions = 0;
};

std::unique_ptr<school::Server> SchoolServerTest::session(Role role, Outcome* opened) {
  auto server = std::make_unique<school::Server>(m_server.address(role),
                                                 QStringLiteral("test-%1").arg(++m_sessions));
  const Outcome outcome = server->open();
  if (opened) *opened = outcome;
  return server;
}

void SchoolServerTest::initTestCase() {
  SCHOOL_START_SERVER(m_server);
}

void SchoolServerTest::init() {
  bool ok = false;
  m_server.sql(QStringLiteral("TRUNCATE answers, class_list, practice_child, practice_item, "
                              "practice_split"),
               &ok);
  QVERIFY(ok);
}

void SchoolServerTest::settingUpAgainChangesNothing() {
  auto pupil = session(Role::Pupil);
  QVERIFY(pupil->send(schooltest::answers(7)).ok());
  QVERIFY(
      m_server.runFile(QStringLiteral(SPLITSEN_SOURCE_DIR "/packaging/postgresql/splitsen.sql")));
  QCOMPARE(m_server.answerCount(), 7);
  QCOMPARE(m_server.sql(QStringLiteral("SELECT count(*) FROM schema_version")),
           QStringLiteral("1"));
  // The passwords the administrator set are still the ones that work.
  Outcome opened;
  session(Role::Teacher, &opened);
  QVERIFY2(opened.ok(), qPrintable(opened.detail));
}

enum class Operation {
  ReadAnswers,
  SendAnswers,
  ReadClassList,
  AddChild,
  ReadPractice,
  WritePractice
};

void SchoolServerTest::eachRoleMayDoItsPart_data() {
  QTest::addColumn<Role>("role");
  QTest::addColumn<Operation>("operation");
  QTest::addColumn<Problem>("problem");
  QTest::newRow("pupils may not read the answers")
      << Role::Pupil << Operation::ReadAnswers << Problem::NoPermission;
  QTest::newRow("pupils add answers") << Role::Pupil << Operation::SendAnswers << Problem::None;
  QTest::newRow("pupils read the class list")
      << Role::Pupil << Operation::ReadClassList << Problem::None;
  QTest::newRow("pupils may not change the class list")
      << Role::Pupil << Operation::AddChild << Problem::NoPermission;
  QTest::newRow("pupils read the practice")
      << Role::Pupil << Operation::ReadPractice << Problem::None;
  QTest::newRow("pupils write the practice")
      << Role::Pupil << Operation::WritePractice << Problem::None;
  QTest::newRow("the teacher reads the answers")
      << Role::Teacher << Operation::ReadAnswers << Problem::None;
  QTest::newRow("the teacher keeps the class list")
      << Role::Teacher << Operation::AddChild << Problem::None;
  QTest::newRow("the teacher reads the practice")
      << Role::Teacher << Operation::ReadPractice << Problem::None;
}

void SchoolServerTest::eachRoleMayDoItsPart() {
  QFETCH(Role, role);
  QFETCH(Operation, operation);
  QFETCH(Problem, problem);
  auto teacher = session(Role::Teacher);
  QVERIFY(teacher->send(schooltest::answers(3)).problem == Problem::NoPermission);
  auto pupil = session(Role::Pupil);
  QVERIFY(pupil->send(schooltest::answers(3)).ok());
  auto server = session(role);
  QList<school::Child> children;
  school::Practice practice;
  practice.child = school::PracticeChild{QStringLiteral("Noor"), 0.5, 3};
  int seen = 0;
  Outcome outcome;
  switch (operation) {
    case Operation::ReadAnswers:
      outcome = server->forEachAnswer([&](const school::Answer&) { ++seen; });
      QCOMPARE(seen, problem == Problem::None ? 3 : 0);
      break;
    case Operation::SendAnswers:
      outcome = server->send(schooltest::answers(2));
      break;
    case Operation::ReadClassList:
      outcome = server->children(&children);
      break;
    case Operation::AddChild:
      outcome = server->addChild({QStringLiteral("Sem"), QStringLiteral("vis")});
      break;
    case Operation::ReadPractice:
      outcome = server->readPractice(QStringLiteral("Noor"), &practice);
      break;
    case Operation::WritePractice:
      outcome = server->writePractice(practice);
      break;
  }
  QCOMPARE(outcome.problem, problem);
  // A refused operation leaves the session usable.
  QVERIFY(server->ping().ok());
}

void SchoolServerTest::answersComeBackAsTheyWereSent() {
  std::vector<school::Answer> sent =
      schooltest::answers(10, QUuid::createUuid(), QStringLiteral("Zoë-Ångström"));
  sent[0].ms = qint64(1) << 40;  // longer than the column: kept at its largest
  sent[1].given = QStringLiteral("'; DROP TABLE answers; --");
  auto pupil = session(Role::Pupil);
  QVERIFY(pupil->send(sent).ok());
  QVERIFY(pupil->send(sent).ok());  // again: nothing doubles

  auto teacher = session(Role::Teacher);
  std::vector<school::Answer> read;
  QVERIFY(teacher->forEachAnswer([&](const school::Answer& a) { read.push_back(a); }).ok());
  QCOMPARE(read.size(), sent.size());
  for (const school::Answer& a : read) {
    const auto it = std::find_if(sent.begin(), sent.end(),
                                 [&](const school::Answer& s) { return s.id == a.id; });
    QVERIFY(it != sent.end());
    QCOMPARE(a.computer, it->computer);
    QCOMPARE(QDateTime::fromString(a.time, Qt::ISODateWithMs),
             QDateTime::fromString(it->time, Qt::ISODateWithMs));
    QCOMPARE(a.child, it->child);
    QCOMPARE(a.exercise, it->exercise);
    QCOMPARE(a.number, it->number);
    QCOMPARE(a.shown, it->shown);
    QCOMPARE(a.given, it->given);
    QCOMPARE(a.right, it->right);
    QCOMPARE(a.ms, it->ms && *it->ms > INT_MAX ? std::optional<qint64>(INT_MAX) : it->ms);
  }
}

void SchoolServerTest::classListIsKeptByTheTeacher() {
  auto teacher = session(Role::Teacher);
  QVERIFY(teacher->addChild({QStringLiteral("Noor"), QStringLiteral("vis")}).ok());
  QVERIFY(teacher->addChild({QStringLiteral("sem"), QStringLiteral("kat")}).ok());
  QCOMPARE(teacher->addChild({QStringLiteral("NOOR"), QStringLiteral("uil")}).problem,
           Problem::Exists);
  auto pupil = session(Role::Pupil);
  QVERIFY(pupil->send(schooltest::answers(4, QUuid::createUuid(), QStringLiteral("Noor"))).ok());
  school::Practice practice;
  practice.child = school::PracticeChild{QStringLiteral("Noor"), 1.5, 4};
  practice.splits.push_back(
      {QStringLiteral("Noor"), 7, 3, 2, QDate(2026, 3, 6), QStringLiteral("++")});
  QVERIFY(pupil->writePractice(practice).ok());

  QVERIFY(teacher->renameChild(QStringLiteral("Noor"), QStringLiteral("Noortje")).ok());
  QVERIFY(teacher->setPicture(QStringLiteral("sem"), QStringLiteral("uil")).ok());
  QList<school::Child> children;
  QVERIFY(pupil->children(&children).ok());
  QCOMPARE(children.size(), 2);
  QCOMPARE(children[0].name, QStringLiteral("Noortje"));
  QCOMPARE(children[1].picture, QStringLiteral("uil"));
  QCOMPARE(m_server.sql(QStringLiteral("SELECT count(*) FROM answers WHERE kind = 'Noortje'")),
           QStringLiteral("4"));
  QVERIFY(pupil->readPractice(QStringLiteral("Noortje"), &practice).ok());
  QVERIFY(practice.child);
  QCOMPARE(practice.splits.size(), size_t(1));

  QVERIFY(teacher->removeChild(QStringLiteral("sem")).ok());
  QVERIFY(pupil->children(&children).ok());
  QCOMPARE(children.size(), 1);
}

void SchoolServerTest::practiceContinuesOnAnyComputer() {
  school::Practice written;
  written.child = school::PracticeChild{QStringLiteral("Noor"), -0.75, 12};
  written.items = {{QStringLiteral("7=3+?"), 0.25, 5}, {QStringLiteral("7=?+4"), 0.5, 6}};
  written.splits = {{QStringLiteral("Noor"), 7, 3, 2, QDate(2026, 3, 6), QStringLiteral("+-+")},
                    {QStringLiteral("Noor"), 5, 0, 1, QDate(), QString()}};
  auto first = session(Role::Pupil);
  QVERIFY(first->writePractice(written).ok());
  written.child->ability = 0.25;
  written.splits[0].box = 3;
  QVERIFY(first->writePractice(written).ok());  // the same rows again: replaced

  auto second = session(Role::Pupil);
  school::Practice read;
  QVERIFY(second->readPractice(QStringLiteral("Noor"), &read).ok());
  QVERIFY(read.child);
  QCOMPARE(read.child->ability, 0.25);
  QCOMPARE(read.child->answers, 12);
  QCOMPARE(read.items.size(), size_t(2));
  QCOMPARE(read.items[1].item, QStringLiteral("7=?+4"));
  QCOMPARE(read.items[1].difficulty, 0.5);
  QCOMPARE(read.splits.size(), size_t(2));
  QCOMPARE(read.splits[0].whole, 5);
  QVERIFY(!read.splits[0].due.isValid());
  QCOMPARE(read.splits[1].box, 3);
  QCOMPARE(read.splits[1].due, QDate(2026, 3, 6));
  QCOMPARE(read.splits[1].tries, QStringLiteral("+-+"));

  QVERIFY(second->readPractice(QStringLiteral("Sem"), &read).ok());
  QVERIFY(!read.child);
  QVERIFY(read.splits.empty());

  // The newest rows win: a later change replaces, an older one (a computer whose clock is
  // behind, or a row sent again) does not.
  written.child->changed = written.items[0].changed = written.splits[0].changed = 2000;
  written.child->answers = 14;
  QVERIFY(first->writePractice(written).ok());
  written.child->changed = written.items[0].changed = written.splits[0].changed = 1000;
  written.child->answers = 1;
  written.splits[0].box = 1;
  QVERIFY(first->writePractice(written).ok());
  school::ClassPractice all;
  QVERIFY(second->readPractice(&all).ok());
  QCOMPARE(all.children.size(), size_t(1));
  QCOMPARE(all.children[0].answers, 14);
  QCOMPARE(all.children[0].changed, 2000);
  const auto split = std::find_if(all.splits.begin(), all.splits.end(),
                                  [](const auto& s) { return s.whole == 7; });
  QVERIFY(split != all.splits.end());
  QCOMPARE(split->box, 3);
}

void SchoolServerTest::refusalsNameNoPassword_data() {
  QTest::addColumn<QString>("user");
  QTest::addColumn<QString>("password");
  QTest::addColumn<Problem>("problem");
  QTest::newRow("wrong password") << "splitsen_leerling"
                                  << "fout-Wachtwoord-9" << Problem::WrongPassword;
  QTest::newRow("unknown user") << "niemand"
                                << "fout-Wachtwoord-9" << Problem::WrongPassword;
  QTest::newRow("the superuser over the network") << "postgres"
                                                  << "fout-Wachtwoord-9" << Problem::WrongPassword;
}

void SchoolServerTest::refusalsNameNoPassword() {
  QFETCH(QString, user);
  QFETCH(QString, password);
  school::Server server(m_server.address(Role::Pupil).as(user, password),
                        QStringLiteral("refused"));
  const Outcome outcome = server.open();
  QTEST(outcome.problem, "problem");
  QVERIFY(!server.isOpen());
  QVERIFY2(!outcome.detail.contains(password), qPrintable(outcome.detail));
  QVERIFY(!school::describe(outcome.problem).contains(password));
}

void SchoolServerTest::passwordMayComeFromPgpass_data() {
  QTest::addColumn<QString>("line");
  QTest::addColumn<Problem>("problem");
  QTest::newRow("the right password")
      << QStringLiteral("127.0.0.1:%1:splitsen:splitsen_leerling:%2")
             .arg(m_server.port())
             .arg(QLatin1String(PgServer::PupilPassword))
      << Problem::None;
  QTest::newRow("a line for another server")
      << QStringLiteral("elders:5432:*:*:x") << Problem::WrongPassword;
}

void SchoolServerTest::passwordMayComeFromPgpass() {
  QFETCH(QString, line);
  QTemporaryDir home;
  const QString file = home.filePath(QStringLiteral(".pgpass"));
  QFile pgpass(file);
  QVERIFY(pgpass.open(QIODevice::WriteOnly));
  pgpass.write(line.toUtf8() + '\n');
  pgpass.close();
  pgpass.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
  qputenv("PGPASSFILE", QFile::encodeName(file));
  school::Server server(m_server.address(Role::Pupil, QString()), QStringLiteral("pgpass"));
  const Outcome outcome = server.open();
  qunsetenv("PGPASSFILE");
  QTEST(outcome.problem, "problem");
}

QTEST_GUILESS_MAIN(SchoolServerTest)
#include "tst_school_server.moc"
