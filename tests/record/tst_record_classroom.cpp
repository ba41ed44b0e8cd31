// Two classroom computers (a record file each, started one after the other as a child
// moves) sharing the school's server: the class list the teacher keeps there reaches
// both, a child's practice continues on the other computer with the newest state
// winning, the server being away loses nothing, and the class-list editor changes the
// list on the server with the teacher's role only.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <memory>

#include "practice/rows.h"
#include "record/classlist.h"
#include "record/classlisteditor.h"
#include "record/practicestore.h"
#include "record/recorder.h"
#include "school/server.h"
#include "tests/record/record_test_support.h"
#include "tests/school/school_test_support.h"

using Role = PgServer::Role;

namespace {

constexpr int ArriveMs = 30000;

// What a child knows, as the rows one answer leaves: its ability and answers, and one
// split in a box due on a day.
record::PracticeRows knows(const QString& child, double ability, int answers, int box) {
  record::PracticeRows rows;
  rows.child = child;
  rows.ability = {ability, answers};
  rows.splits.push_back({7, 3, box, 2461100 + box, QStringLiteral("2461100:1800:1")});
  rows.items.push_back({QStringLiteral("7=3+?"), 0.25 * box, answers});
  return rows;
}

QStringList names(const QList<record::Child>& children) {
  QStringList all;
  for (const record::Child& c : record::alphabetical(children))
    all << c.name + QLatin1Char('/') + c.picture;
  return all;
}

}  // namespace

class RecordClassroomTest : public QObject {
  Q_OBJECT

  PgServer m_server;
  std::unique_ptr<QTemporaryDir> m_dir;
  qint64 m_wallMs = 0;  // the computers' wall clock, ms since 1970
  int m_sessions = 0;

  // Computer `n` starts its program: its own record file, the pupils' role.
  void startComputer(int n) {
    record::Options o;
    o.file = m_dir->filePath(QStringLiteral("computer-%1/splitsen.sqlite").arg(n));
    o.server = m_server.address(Role::Pupil);
    o.batchMs = 10;
    o.serverMaxRetryMs = 300;
    o.serverIdleCheckMs = 100;
    o.serverPullMs = 200;
    o.wallClock = [this] { return QDateTime::fromMSecsSinceEpoch(m_wallMs, QTimeZone::utc()); };
    o.clock = [] { return qint64(0); };
    record::start(o);
    QVERIFY(record::status().on);
  }

  // The practice of `child` as the computer running now loads it.
  record::PracticeState loaded(const QString& child) { return record::practiceStore().load(child); }

  std::unique_ptr<school::Server> teacher() {
    auto s = std::make_unique<school::Server>(m_server.address(Role::Teacher),
                                              QStringLiteral("teacher-%1").arg(++m_sessions));
    if (!s->open().ok()) return nullptr;
    return s;
  }

  int onServer(const QString& sql) { return m_server.sql(sql).toInt(); }

  // Waits until the running computer's rows of practice are all on the server.
  void waitSent(const QString& file) {
    record::flush();
    QTRY_COMPARE_WITH_TIMEOUT(
        recordtest::scalar(file, QStringLiteral("SELECT (SELECT count(*) FROM practice_child "
                                                "WHERE sent = 0) + (SELECT count(*) FROM "
                                                "practice_split WHERE sent = 0)"))
            .toInt(),
        0, ArriveMs);
  }

 private Q_SLOTS:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);  // the editor's settings stay out of $HOME
    SCHOOL_START_SERVER(m_server);
  }
  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_wallMs = QDateTime(QDate(2026, 3, 5), QTime(9, 0), QTimeZone::utc()).toMSecsSinceEpoch();
    if (!m_server.running()) QVERIFY(m_server.restart());
    bool ok = false;
    m_server.sql(QStringLiteral("TRUNCATE answers, class_list, practice_child, practice_item, "
                                "practice_split"),
                 &ok);
    QVERIFY(ok);
    QSettings().remove(QStringLiteral("server"));
  }
  void cleanup() { record::stop(); }

  // Whatever the teacher does to the list on the server, each computer's copy follows.
  void bothComputersHaveTheServersClassList_data() {
    QTest::addColumn<QString>("teacherDoes");  // SQL as the teacher, after Noor and Sem
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("as set up") << QString() << QStringList{"Noor/kat", "Sem/vis"};
    QTest::newRow("a child added") << "INSERT INTO class_list VALUES ('Ada', 'zon')"
                                   << QStringList{"Ada/zon", "Noor/kat", "Sem/vis"};
    QTest::newRow("renamed, case only") << "UPDATE class_list SET name = 'noor' WHERE name = 'Noor'"
                                        << QStringList{"noor/kat", "Sem/vis"};
    QTest::newRow("another picture") << "UPDATE class_list SET picture = 'ster' WHERE name = 'Sem'"
                                     << QStringList{"Noor/kat", "Sem/ster"};
    QTest::newRow("taken off the list")
        << "DELETE FROM class_list WHERE name = 'Sem'" << QStringList{"Noor/kat"};
    QTest::newRow("everyone taken off") << "DELETE FROM class_list" << QStringList{};
  }
  void bothComputersHaveTheServersClassList() {
    QFETCH(QString, teacherDoes);
    QFETCH(QStringList, expected);
    auto t = teacher();
    QVERIFY(t);
    QVERIFY(t->addChild({QStringLiteral("Noor"), QStringLiteral("kat")}).ok());
    QVERIFY(t->addChild({QStringLiteral("Sem"), QStringLiteral("vis")}).ok());
    for (int computer : {1, 2}) {
      startComputer(computer);
      QTRY_COMPARE_WITH_TIMEOUT(names(record::classList()), (QStringList{"Noor/kat", "Sem/vis"}),
                                ArriveMs);
      if (!teacherDoes.isEmpty()) m_server.sql(teacherDoes);
      QTRY_COMPARE_WITH_TIMEOUT(names(record::classList()), expected, ArriveMs);
      record::stop();
      m_server.sql(
          QStringLiteral("TRUNCATE class_list; INSERT INTO class_list VALUES "
                         "('Noor', 'kat'), ('Sem', 'vis')"));
    }
  }

  // Noor practises on computer 1, then on 2, then on 1 again: each time she continues
  // where she stopped. A computer whose clock is behind does not set her back.
  void practiceContinuesOnTheOtherComputer() {
    const QString noor = QStringLiteral("Noor");
    startComputer(1);
    record::setChild(noor);
    record::keepPractice(knows(noor, 1.5, 20, 3));
    waitSent(record::file());
    record::stop();

    startComputer(2);
    record::setChild(noor);
    QTRY_COMPARE_WITH_TIMEOUT(loaded(noor).child.answers, 20, ArriveMs);
    const practice::ChildState expected =
        practice::childFromRows({1.5, 20}, knows(noor, 1.5, 20, 3).splits);
    QCOMPARE(loaded(noor).child, expected);
    m_wallMs += 60'000;
    record::keepPractice(knows(noor, 1.75, 21, 4));
    waitSent(record::file());
    record::stop();

    startComputer(1);
    record::setChild(noor);
    QTRY_COMPARE_WITH_TIMEOUT(loaded(noor).child.answers, 21, ArriveMs);
    QCOMPARE(loaded(noor).child.splits[size_t(practice::splitIndex({7, 3}))].box, 4);
    // Computer 1's clock is an hour behind: its rows are older than the server's.
    m_wallMs -= 3'600'000;
    record::keepPractice(knows(noor, 0.5, 2, 1));
    waitSent(record::file());
    QCOMPARE(onServer(QStringLiteral("SELECT answers FROM practice_child WHERE child = 'Noor'")),
             21);
    QCOMPARE(onServer(QStringLiteral("SELECT box FROM practice_split WHERE child = 'Noor'")), 4);
    QTRY_COMPARE_WITH_TIMEOUT(loaded(noor).child.answers, 21, ArriveMs);
  }

  // The server away: both computers go on from their own copy of the class list, record
  // answers and practice, and everything is on the server once it returns, exactly once.
  void serverAwayLosesNothing() {
    auto t = teacher();
    QVERIFY(t);
    QVERIFY(t->addChild({QStringLiteral("Noor"), QStringLiteral("kat")}).ok());
    QVERIFY(t->addChild({QStringLiteral("Sem"), QStringLiteral("vis")}).ok());
    t.reset();
    for (int computer : {1, 2}) {  // each has had the list once
      startComputer(computer);
      QTRY_COMPARE_WITH_TIMEOUT(record::classList().size(), 2, ArriveMs);
      record::stop();
    }
    QVERIFY(m_server.stop());
    const QStringList children{QStringLiteral("Noor"), QStringLiteral("Sem")};
    for (int computer : {1, 2}) {
      startComputer(computer);
      QCOMPARE(names(record::classList()), (QStringList{"Noor/kat", "Sem/vis"}));
      const QString& child = children[computer - 1];
      record::setChild(child);
      for (int i = 0; i < 5; ++i) record::answer(QStringLiteral("frmopmaat"), 7, 3, "4", true);
      record::keepPractice(knows(child, computer, 5, 2));
      record::flush();
      QCOMPARE(loaded(child).child.answers, 5);
      record::stop();
    }
    QVERIFY(m_server.restart());
    for (int computer : {1, 2}) {
      startComputer(computer);
      waitSent(record::file());
      QTRY_COMPARE_WITH_TIMEOUT(record::serverState()->waiting, 0, ArriveMs);
      record::stop();
    }
    QCOMPARE(m_server.answerCount(), 10);
    QCOMPARE(onServer(QStringLiteral("SELECT count(DISTINCT id) FROM answers")), 10);
    QCOMPARE(onServer(QStringLiteral("SELECT sum(answers) FROM practice_child")), 10);
    QCOMPARE(onServer(QStringLiteral("SELECT count(*) FROM practice_split")), 2);
    QCOMPARE(names(record::classList()), QStringList());  // stopped: no record at all
  }

  // "Wis gegevens" on one computer wipes the practice on the server too, so it does not
  // come back from there; what is changed after the wipe is kept.
  void wipingReachesTheServer_data() {
    QTest::addColumn<QString>("wiped");  // null: everyone
    QTest::addColumn<int>("noorAnswers");
    QTest::addColumn<int>("semAnswers");
    QTest::newRow("one child") << "Noor" << 0 << 5;
    QTest::newRow("everyone") << QString() << 0 << 0;
  }
  void wipingReachesTheServer() {
    QFETCH(QString, wiped);
    QFETCH(int, noorAnswers);
    QFETCH(int, semAnswers);
    const QString noor = QStringLiteral("Noor");
    const QString sem = QStringLiteral("Sem");
    startComputer(1);
    record::keepPractice(knows(noor, 1.0, 5, 2));
    record::keepPractice(knows(sem, 1.0, 5, 2));
    waitSent(record::file());
    QCOMPARE(record::database()->wipe(wiped), record::Failure::None);
    QTRY_COMPARE_WITH_TIMEOUT(
        recordtest::scalar(record::file(), QStringLiteral("SELECT count(*) FROM practice_wiped"))
            .toInt(),
        0, ArriveMs);
    QCOMPARE(onServer(QStringLiteral("SELECT count(*) FROM practice_child")),
             int(noorAnswers > 0) + int(semAnswers > 0));
    record::stop();

    startComputer(2);
    record::setChild(sem);
    if (semAnswers > 0) QTRY_COMPARE_WITH_TIMEOUT(loaded(sem).child.answers, semAnswers, ArriveMs);
    QCOMPARE(loaded(noor).child.answers, noorAnswers);
    QCOMPARE(loaded(sem).child.answers, semAnswers);
  }

  // The editor changes the list on the server with the teacher's password, and refuses,
  // saying why, without it or with the server away: nothing changes anywhere then.
  void editorChangesTheListOnTheServer_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("serverUp");
    QTest::addColumn<QString>("says");
    QTest::addColumn<int>("onServer");
    QTest::newRow("the teacher's password")
        << PgServer::TeacherPassword << true << "Ada staat in de klaslijst." << 1;
    QTest::newRow("no password") << "" << true << "wachtwoord van de leerkracht nodig" << 0;
    QTest::newRow("a wrong password")
        << "fout" << true << "wachtwoord van de leerkracht is fout" << 0;
    QTest::newRow("the server away")
        << PgServer::TeacherPassword << false << "niet bereikbaar" << 0;
  }
  void editorChangesTheListOnTheServer() {
    QFETCH(QString, password);
    QFETCH(bool, serverUp);
    QFETCH(QString, says);
    QFETCH(int, onServer);
    startComputer(1);
    ClassListEditor editor;
    editor.setTeacherPassword([password] { return password; });
    if (!serverUp) QVERIFY(m_server.stop());
    editor.reload();
    editor.nameBox()->setText(QStringLiteral("Ada"));
    editor.add();
    QTRY_VERIFY_WITH_TIMEOUT(!editor.busy(), ArriveMs);
    QVERIFY2(editor.message()->text().contains(says), qPrintable(editor.message()->text()));
    for (const char* secret : {PgServer::TeacherPassword, PgServer::PupilPassword})
      QVERIFY(!editor.message()->text().contains(QLatin1String(secret)));
    QCOMPARE(record::classList().size(), onServer);
    if (!serverUp) QVERIFY(m_server.restart());
    QCOMPARE(this->onServer(QStringLiteral("SELECT count(*) FROM class_list")), onServer);
    QCOMPARE(editor.list()->count(), onServer);
    QVERIFY(editor.nameBox()->isEnabled());
  }
};

QTEST_MAIN(RecordClassroomTest)
#include "tst_record_classroom.moc"
