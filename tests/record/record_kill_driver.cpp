// A program that gives answers in real time until it is killed: every few milliseconds
// one answer to the record, then a line "<answer> <moment>" on stdout once the call has
// returned (the moment on the monotonic clock that every process shares, in ms).
// Usage: record_kill_driver FILE RUN           answers in a loop, killed from outside
//        record_kill_driver FILE RUN signals   answers from the event loop and ends, as
//                                              the program does, on SIGTERM or SIGHUP
//        record_kill_driver FILE hold [whole]  holds the file's write lock (or, with
//                                              "whole", all of it) until a line on stdin

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <string>

#include "record/ending.h"
#include "record/recorder.h"

// The monotonic clock that every process on the machine shares, in ms.
static qint64 monotonicMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

static void acknowledge(int i) {
  std::printf("%d %lld\n", i, static_cast<long long>(monotonicMs()));
  std::fflush(stdout);
}

static int hold(const QString& file, bool whole) {
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
  db.setDatabaseName(file);
  if (!db.open()) return 3;
  QSqlQuery q(db);
  if (whole && !q.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"))) return 4;
  if (!q.exec(whole ? QStringLiteral("BEGIN EXCLUSIVE") : QStringLiteral("BEGIN IMMEDIATE")))
    return 5;
  if (whole) q.exec(QStringLiteral("SELECT count(*) FROM answers"));
  std::printf("held\n");
  std::fflush(stdout);
  std::string line;
  std::getline(std::cin, line);
  q.exec(QStringLiteral("COMMIT"));
  return 0;
}

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc < 3) return 2;
  const QString run = QString::fromLocal8Bit(argv[2]);
  const QString mode = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
  if (run == QLatin1String("hold"))
    return hold(QString::fromLocal8Bit(argv[1]), mode == QLatin1String("whole"));
  record::Options options;
  options.file = QString::fromLocal8Bit(argv[1]);
  options.clock = [] { return monotonicMs(); };
  QRandomGenerator random(run.toUInt());
  if (mode == QLatin1String("signals")) {
    // A long batch: without the ending, a signal would lose the last second's answers.
    options.batchMs = 1000;
    record::start(options);
    record::endOnSignals([] { QCoreApplication::exit(0); });
    int i = 0;
    QTimer answering;
    QObject::connect(&answering, &QTimer::timeout, [&] {
      record::ready(QStringLiteral("frmsplitsmachine"));
      record::answer(QStringLiteral("frmsplitsmachine"), 7, 3,
                     run + QLatin1Char('-') + QString::number(i), true);
      acknowledge(i++);
    });
    answering.start(random.bounded(2, 6));
    const int status = QCoreApplication::exec();
    record::stop();
    return status;
  }
  record::start(options);
  for (int i = 0; i < 5000; ++i) {
    record::ready(QStringLiteral("frmsplitsmachine"));
    QThread::msleep(random.bounded(2, 12));
    record::answer(QStringLiteral("frmsplitsmachine"), 7, 3,
                   run + QLatin1Char('-') + QString::number(i), true);
    acknowledge(i);
  }
  record::stop();
  return 0;
}
