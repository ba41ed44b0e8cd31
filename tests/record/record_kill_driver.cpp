// A program that gives answers in real time until it is killed: every few milliseconds
// one answer to the record, then a line "<answer> <moment>" on stdout once the call has
// returned (the moment on the monotonic clock that every process shares, in ms).
// Usage: record_kill_driver FILE RUN

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QThread>
#include <cstdio>
#include <ctime>

#include "record/recorder.h"

// The monotonic clock that every process on the machine shares, in ms.
static qint64 monotonicMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc != 3) return 2;
  const QString run = QString::fromLocal8Bit(argv[2]);
  record::Options options;
  options.file = QString::fromLocal8Bit(argv[1]);
  options.clock = [] { return monotonicMs(); };
  record::start(options);
  QRandomGenerator random(run.toUInt());
  for (int i = 0; i < 5000; ++i) {
    record::ready(QStringLiteral("frmsplitsmachine"));
    QThread::msleep(random.bounded(2, 12));
    record::answer(QStringLiteral("frmsplitsmachine"), 7, 3,
                   run + QLatin1Char('-') + QString::number(i), true);
    std::printf("%d %lld\n", i, static_cast<long long>(monotonicMs()));
    std::fflush(stdout);
  }
  record::stop();
  return 0;
}
