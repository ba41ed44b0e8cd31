// Killed at any moment, the program loses no answer that was given more than a second
// before: drivers that answer in real time are killed with SIGKILL at random (seeded)
// moments, four at a time on one shared file, and every answer they had acknowledged a
// second before their end must be in the file. SPLITSEN_KILLS (default 200) and
// SPLITSEN_KILL_SEED set the count and the seed. Ended by SIGTERM or SIGHUP (logging out,
// shutting down), it loses no answer at all, also when two programs start at once on a
// file an earlier version left.

#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <ctime>

#include "tests/record/record_test_support.h"

// The monotonic clock that every process on the machine shares, in ms.
static qint64 monotonicMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

class RecordKillTest : public QObject {
  Q_OBJECT

 private:
  struct Run {
    int id = 0;
    std::unique_ptr<QProcess> process;
    qint64 killAt = 0;  // on the monotonic clock
  };

  static qint64 envNumber(const char* name, qint64 fallback) {
    bool ok = false;
    const qint64 v = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? v : fallback;
  }

  // The answers of `run` that are in the file.
  static QSet<QString> inFile(const QString& file, int run) {
    QSet<QString> given;
    {
      QSqlDatabase db =
          QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
      db.setDatabaseName(file);
      db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
      if (db.open()) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT given FROM answers WHERE given LIKE ?"));
        q.addBindValue(QStringLiteral("%1-%").arg(run));
        if (q.exec())
          while (q.next()) given.insert(q.value(0).toString());
      }
      db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return given;
  }

 private Q_SLOTS:
  void every_answer_a_second_old_survives_a_kill() {
    const int kills = int(envNumber("SPLITSEN_KILLS", 200));
    const quint32 seed = quint32(envNumber("SPLITSEN_KILL_SEED", 20261209));
    QRandomGenerator random(seed);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("splitsen.sqlite"));
    const QString driver =
        QCoreApplication::applicationDirPath() + QStringLiteral("/record_kill_driver");

    std::vector<Run> running;
    int started = 0;
    int finished = 0;
    qint64 checked = 0;
    while (finished < kills) {
      while (started < kills && running.size() < 4) {
        Run run;
        run.id = ++started;
        run.process = std::make_unique<QProcess>();
        run.process->start(driver, {file, QString::number(run.id)});
        QVERIFY2(run.process->waitForStarted(), qPrintable(driver));
        run.killAt = monotonicMs() + 200 + random.bounded(1600);
        running.push_back(std::move(run));
      }
      auto next = std::min_element(running.begin(), running.end(),
                                   [](const Run& a, const Run& b) { return a.killAt < b.killAt; });
      const qint64 wait = next->killAt - monotonicMs();
      if (wait > 0) QTest::qSleep(int(wait));
      const qint64 killedAt = monotonicMs();
      ::kill(pid_t(next->process->processId()), SIGKILL);
      QVERIFY(next->process->waitForFinished(5000));
      const QList<QByteArray> lines = next->process->readAllStandardOutput().split('\n');
      const QSet<QString> stored = inFile(file, next->id);
      for (const QByteArray& line : lines) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() != 2) continue;
        if (parts[1].toLongLong() >= killedAt - 1000) continue;
        ++checked;
        const QString given =
            QStringLiteral("%1-%2").arg(next->id).arg(QString::fromLatin1(parts[0]));
        QVERIFY2(stored.contains(given),
                 qPrintable(QStringLiteral("answer %1, acknowledged %2 ms before the kill, is lost")
                                .arg(given)
                                .arg(killedAt - parts[1].toLongLong())));
      }
      running.erase(next);
      ++finished;
    }
    qInfo("%d kills, %lld answers older than a second checked", kills, checked);
    QVERIFY(checked > kills);
  }

  // Ended by a signal, one program or two started at once on a file an earlier version
  // left (one brings it up to date, the other waits for it and retries): every
  // acknowledged answer is in the file, and so is what the old file held.
  void every_answer_survives_the_end_of_a_session_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<int>("programs");
    QTest::addColumn<int>("version");  // of the file at the start; -1: none yet
    QTest::newRow("SIGTERM") << int(SIGTERM) << 1 << -1;
    QTest::newRow("SIGHUP") << int(SIGHUP) << 1 << -1;
    for (int v = 1; v < record::schemaVersion(); ++v)
      QTest::newRow(qPrintable(QStringLiteral("two programs upgrading version %1").arg(v)))
          << int(SIGTERM) << 2 << v;
  }
  void every_answer_survives_the_end_of_a_session() {
    QFETCH(int, signal);
    QFETCH(int, programs);
    QFETCH(int, version);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("splitsen.sqlite"));
    if (version >= 0) QVERIFY(recordtest::makeOldRecord(file, version));
    std::vector<std::unique_ptr<QProcess>> drivers;
    for (int p = 0; p < programs; ++p) {
      drivers.push_back(std::make_unique<QProcess>());
      drivers.back()->start(
          QCoreApplication::applicationDirPath() + QStringLiteral("/record_kill_driver"),
          {file, QString::number(signal * 10 + p), QStringLiteral("signals")});
    }
    for (int p = 0; p < programs; ++p) {
      QProcess& driver = *drivers[size_t(p)];
      QVERIFY(driver.waitForStarted());
      // Some answers in, the last ones surely still queued (the driver's batch is a second).
      QByteArray out;
      while (out.count('\n') < 40 && driver.waitForReadyRead(10000))
        out += driver.readAllStandardOutput();
      ::kill(pid_t(driver.processId()), signal);
      QVERIFY(driver.waitForFinished(30000));
      QCOMPARE(driver.exitStatus(), QProcess::NormalExit);
      QCOMPARE(driver.exitCode(), 0);
      out += driver.readAllStandardOutput();
      const QSet<QString> stored = inFile(file, signal * 10 + p);
      int acknowledged = 0;
      for (const QByteArray& line : out.split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() != 2) continue;
        ++acknowledged;
        QVERIFY2(
            stored.contains(
                QStringLiteral("%1-%2").arg(signal * 10 + p).arg(QString::fromLatin1(parts[0]))),
            parts[0].constData());
      }
      QVERIFY(acknowledged >= 40);
      QCOMPARE(stored.size(), acknowledged);
    }
    if (version >= 1) QCOMPARE(recordtest::answers(file, QStringLiteral("Ada")), 1);
    QCOMPARE(recordtest::scalar(file, QStringLiteral("PRAGMA user_version")).toInt(),
             record::schemaVersion());
  }
};

QTEST_GUILESS_MAIN(RecordKillTest)
#include "tst_record_kill.moc"
