// Benchmark of the practice record: what an answer costs the screens' thread (the call
// only queues it; the writer thread commits), how long the teacher's view takes to open
// and paint with 100,000 answers in the file, and that with 1,000,000 answers opening
// the record, the welcome click, the teacher's view and its export never stall the
// screens' thread longer than a frame. Real clock, offscreen platform.
// Usage: record_bench [answers in the file, default 100000] [answers for the stalls,
//        default 1000000]

#include <sys/resource.h>

#include <QApplication>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include "bench/bench_support.h"
#include "forms/program.h"
#include "record/database.h"
#include "record/recorder.h"
#include "record/teacherview.h"
#include "shell/frmwiebenjij.h"
#include "shell/screens.h"

namespace {

void answerCost() {
  QTemporaryDir dir;
  record::Options options;
  options.file = dir.filePath(QStringLiteral("splitsen.sqlite"));
  record::start(options);
  record::status();  // opened
  std::vector<double> us;
  QRandomGenerator random(1);
  for (int i = 0; i < 3000; ++i) {
    const int n = 2 + random.bounded(9);
    const int part = random.bounded(n + 1);
    record::ready(QStringLiteral("frmsplitsmachine"));
    const qint64 t0 = bench::monotonicNs();
    record::answer(QStringLiteral("frmsplitsmachine"), n, part, QString::number(n - part), true);
    us.push_back(double(bench::monotonicNs() - t0) / 1000.0);
    if (i % 10 == 0) QThread::msleep(1);  // the writer commits while answers keep coming
  }
  record::stop();
  std::printf(
      "record: an answer on the screens' thread: median %.1f us, p99 %.1f us, max %.1f us "
      "(%zu answers; limit 1000 us)\n",
      bench::median(us), bench::percentile(us, 99), *std::max_element(us.begin(), us.end()),
      us.size());
}

void fill(const QString& file, int count) {
  record::Database db(file, QStringLiteral("fill"));
  db.open(true);
  for (int i = 0; i < 30; ++i)
    db.addChild({QStringLiteral("Kind %1").arg(i + 1), QStringLiteral("kat")});
  QRandomGenerator random(2);
  const char* exercises[] = {"frmsplitsmachine", "frmsplits1", "frmsplitsrijenB", "frmsleepsplits2",
                             "frmsleepsplits3"};
  std::vector<record::Entry> batch;
  const QDateTime first(QDate(2026, 1, 5), QTime(9, 0));
  for (int i = 0; i < count; ++i) {
    record::Entry e;
    e.time = record::isoWithOffset(first.addSecs(i * 50));
    e.child = QStringLiteral("Kind %1").arg(1 + random.bounded(30));
    e.exercise = QString::fromLatin1(exercises[random.bounded(5)]);
    e.number = 2 + random.bounded(9);
    e.shown = random.bounded(e.number + 1);
    e.given = QString::number(e.number - *e.shown);
    e.right = random.bounded(10) < 8;
    e.ms = 800 + random.bounded(8000);
    batch.push_back(e);
    if (batch.size() == 5000) {
      db.insert(batch);
      batch.clear();
    }
  }
  db.insert(batch);
}

void viewOpening(int count) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("splitsen.sqlite"));
  fill(file, count);
  record::Options options;
  options.file = file;
  record::start(options);
  record::status();
  {
    record::Database* db = record::database();
    auto time = [](const char* what, const std::function<void()>& f) {
      const qint64 t0 = bench::monotonicNs();
      f();
      std::printf("record:   %s: %.1f ms\n", what, double(bench::monotonicNs() - t0) / 1e6);
    };
    time("every verdict", [&] { db->forEachVerdict(QString(), [](int, int, bool, qint64) {}); });
    time("per day", [&] { db->perDay(QString()); });
    time("children in the record", [&] { db->childrenInRecord(); });
    time("class list", [&] { db->children(); });
  }
  std::vector<double> all, one;
  for (int round = 0; round < 7; ++round) {
    const qint64 t0 = bench::monotonicNs();
    auto* view = new TeacherView;
    view->show();
    while (view->busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    view->grab();  // the first paint, grid and table included
    all.push_back(double(bench::monotonicNs() - t0) / 1e6);
    const qint64 t1 = bench::monotonicNs();
    view->chooseChild(QStringLiteral("Kind 7"));
    while (view->busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    view->grab();
    one.push_back(double(bench::monotonicNs() - t1) / 1e6);
    delete view;
  }
  record::stop();
  std::printf(
      "record: opening the teacher's view with %d answers: median %.1f ms, max %.1f ms "
      "(7 rounds; target 100 ms)\n",
      count, bench::median(all), *std::max_element(all.begin(), all.end()));
  std::printf("record: choosing one child of 30 in it: median %.1f ms, max %.1f ms\n",
              bench::median(one), *std::max_element(one.begin(), one.end()));
}

// The longest time the screens' thread went without turning its event loop, measured by
// a timer that asks to run every millisecond; and of that, how long it was blocked (not
// running and not waiting for a CPU, from the kernel's /proc/thread-self/schedstat): on a
// busy machine a thread can be ready and still not get a CPU for a while.
class Heartbeat {
 public:
  Heartbeat() {
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
      const qint64 now = bench::monotonicNs();
      const Sched sched = readSched();
      const qint64 gap = now - m_last;
      const qint64 blocked =
          gap - (sched.running - m_sched.running) - (sched.ready - m_sched.ready);
      m_longest = std::max(m_longest, gap);
      m_blocked = std::max(m_blocked, blocked);
      m_last = now;
      m_sched = sched;
    });
  }
  void begin() {
    m_longest = m_blocked = 0;
    m_last = bench::monotonicNs();
    m_sched = readSched();
    m_timer.start();
  }
  // Turns the event loop until `done`; returns the ms it took.
  double until(const std::function<bool()>& done) {
    const qint64 t0 = bench::monotonicNs();
    while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return double(bench::monotonicNs() - t0) / 1e6;
  }
  double longestMs() {
    m_timer.stop();
    return double(m_longest) / 1e6;
  }
  double blockedMs() const { return double(std::max<qint64>(m_blocked, 0)) / 1e6; }

 private:
  struct Sched {
    qint64 running = 0;  // ns on a CPU
    qint64 ready = 0;    // ns waiting for one
  };
  static Sched readSched() {
    Sched s;
    if (FILE* f = std::fopen("/proc/thread-self/schedstat", "r")) {
      long long run = 0, wait = 0;
      if (std::fscanf(f, "%lld %lld", &run, &wait) == 2) s = {run, wait};
      std::fclose(f);
    }
    return s;
  }
  QTimer m_timer;
  qint64 m_longest = 0;
  qint64 m_blocked = 0;
  qint64 m_last = 0;
  Sched m_sched;
};

void report(const char* what, double ms, Heartbeat& beat) {
  const double longest = beat.longestMs();
  const double blocked = beat.blockedMs();
  std::printf(
      "record:   %s: %.0f ms; longest stall of the screens' thread %.1f ms, longest wait "
      "(blocked) %.1f ms%s\n",
      what, ms, longest, blocked, blocked > 16.7 ? " (A WAIT OF MORE THAN A FRAME)" : "");
}

// A record of `count` answers: opened and checked at the start, the welcome click
// ("Wie ben jij?" with 30 children), the teacher's view read and shown, and its export.
void screensNeverWait(int count) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("splitsen.sqlite"));
  qint64 t0 = bench::monotonicNs();
  fill(file, count);
  std::printf("record: a record of %d answers (%lld MB) made in %.0f s\n", count,
              static_cast<long long>(QFileInfo(file).size() >> 20),
              double(bench::monotonicNs() - t0) / 1e9);
  Heartbeat beat;
  forms::Program& program = forms::Program::current();

  beat.begin();
  record::Options options;
  options.file = file;
  record::start(options);
  screens::openChooser();  // the welcome click, at once
  double ms = beat.until([&] {
    const forms::Form* who = program.loaded(QString::fromLatin1(frmwiebenjij::Name));
    return who && who->isVisible();
  });
  report("start and the welcome click until \"Wie ben jij?\" shows", ms, beat);

  beat.begin();
  auto* view = new TeacherView;
  view->show();
  bool loaded = false;
  QObject::connect(view, &TeacherView::loaded, [&] { loaded = true; });
  ms = beat.until([&] { return loaded; });
  view->grab();
  report("the teacher's view until it has read and shown everything (target 1000 ms)", ms, beat);

  beat.begin();
  bool exported = false;
  QString error;
  QObject::connect(view, &TeacherView::exported, [&](const QString&, const QString& e) {
    exported = true;
    error = e;
  });
  view->exportInBackground(dir.filePath(QStringLiteral("export.csv")));
  ms = beat.until([&] { return exported; });
  report("its export", ms, beat);
  if (!error.isEmpty()) std::printf("record:   the export failed: %s\n", qPrintable(error));
  delete view;
  record::stop();
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  bench::quietOffscreenPlatform();
  QApplication app(argc, argv);
  forms::Program program;
  registerShellScreens(program);
  const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
  const int large = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 1000000;
  answerCost();
  viewOpening(count > 0 ? count : 100000);
  screensNeverWait(large > 0 ? large : 1000000);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("record: peak memory of the whole run %ld MB (limit 100 MB)\n",
              usage.ru_maxrss >> 10);
  return 0;
}
