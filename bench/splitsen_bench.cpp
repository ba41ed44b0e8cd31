// The speed Splitsen owes a child, measured on this machine and on the real clock:
//
// - start-up: launch to the first painted welcome screen, and peak memory, against a bare
//   Qt Widgets program with the same number of widgets, run alternately with it; and the
//   start at the zoom fitted to the display against a start at zoom 1;
// - opening: the first Show of every screen (creation, Load, pictures, first paint) as a
//   ratio to a bare Qt window with as many widgets shown for the first time in the same
//   process, and a later Show, each in fresh processes, medians per screen;
// - a zoom change of the busiest screen, re-laid out and painted within one frame;
// - a click on the split machine answered within one frame;
// - timelines: the split machine's ball run for 10 and the memorising walk's first steps,
//   each tick's lateness against its schedule;
// - idle: timer wake-ups with the chooser or an exercise open and nothing animating, and
//   while the closing screen counts down, also after zoom changes.
//
// Prints one table (figure, value, target, pass) and a last line "N passed, M failed".
// Runs on Qt's offscreen platform with a 1920 x 1080 display (another platform when
// QT_QPA_PLATFORM names one), with settings of its own (an empty XDG_CONFIG_HOME), so that
// the program fits its zoom to that display as on a first start. Arguments name the parts to run
// (startup, opening, idle, timelines, closing; all by default); "--opening" is the child mode of
// the opening part.

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QMap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <map>

#include "app/all_screens.h"
#include "bench/bench_support.h"
#include "forms/program.h"
#include "shell/mdiform2.h"

extern char** environ;

namespace {

using bench::median;
using bench::monotonicNs;
using bench::percentile;

constexpr int StartupRounds = 11;
constexpr int OpeningRuns = 5;
constexpr int LaterShows = 5;
constexpr int BallRuns = 3;
constexpr int IdleMs = 5000;

// The parts to run: all by default, or those named on the command line
// (startup, opening, idle, timelines, closing).
QStringList g_parts;
bool part(const char* name) {
  return g_parts.isEmpty() || g_parts.contains(QLatin1String(name));
}

// The ten exercises, with the chooser button that opens each.
const std::pair<const char*, const char*> Exercises[] = {
    {"frmsplits2", "cmdsplits"},      {"frmsplits1", "cmdsplits1"},
    {"frmsplitsbeeldB", "cmdmin22"},  {"frmsplitsmachine", "cmdbrugmin"},
    {"frmsplitsrijenA", "cmdflits"},  {"frmsplitsrijenB", "cmdsplitsrij"},
    {"frmsleepsplits", "cmdsplits2"}, {"frmsleepsplits2", "cmdsleep4"},
    {"frmsleepsplits3", "cmdsleep5"}, {"frmopmaat", "cmdopmaat"},
};

QString ms(double value, int decimals = 2) {
  return QString::number(value, 'f', decimals) + QStringLiteral(" ms");
}

// ---------------------------------------------------------------- the table

struct Row {
  QString figure;
  QString value;
  QString target;
  bool pass;
};

void printTable(const std::vector<Row>& rows) {
  int w0 = 6, w1 = 5, w2 = 6;
  for (const Row& r : rows) {
    w0 = std::max(w0, static_cast<int>(r.figure.size()));
    w1 = std::max(w1, static_cast<int>(r.value.size()));
    w2 = std::max(w2, static_cast<int>(r.target.size()));
  }
  auto line = [&](const QString& a, const QString& b, const QString& c, const QString& d) {
    std::printf("%s  %s  %s  %s\n", qPrintable(a.leftJustified(w0)),
                qPrintable(b.leftJustified(w1)), qPrintable(c.leftJustified(w2)), qPrintable(d));
  };
  line(QStringLiteral("figure"), QStringLiteral("value"), QStringLiteral("target"),
       QStringLiteral("pass"));
  line(QString(w0, QLatin1Char('-')), QString(w1, QLatin1Char('-')), QString(w2, QLatin1Char('-')),
       QStringLiteral("----"));
  int passed = 0;
  for (const Row& r : rows) {
    line(r.figure, r.value, r.target, r.pass ? QStringLiteral("yes") : QStringLiteral("NO"));
    passed += r.pass ? 1 : 0;
  }
  std::printf("%d passed, %d failed\n", passed, static_cast<int>(rows.size()) - passed);
  std::fflush(stdout);
}

// ---------------------------------------------------------------- child processes

struct ChildRun {
  bool ok = false;
  double msToFirstLine = 0;  // launch to the first line of output
  long maxRssKb = 0;         // the child's own peak resident memory
  QStringList lines;
};

ChildRun runChild(const QString& program, const QStringList& arguments) {
  ChildRun run;
  int fds[2];
  if (pipe(fds) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  posix_spawn_file_actions_addclose(&actions, fds[1]);
  std::vector<QByteArray> storage;
  storage.push_back(program.toLocal8Bit());
  for (const QString& a : arguments) storage.push_back(a.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& s : storage) argv.push_back(s.data());
  argv.push_back(nullptr);

  pid_t pid = 0;
  const qint64 launched = monotonicNs();
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (spawned != 0) {
    close(fds[0]);
    return run;
  }
  QByteArray output;
  char buffer[4096];
  bool firstLine = false;
  for (;;) {
    const ssize_t n = read(fds[0], buffer, sizeof buffer);
    if (n <= 0) break;
    output.append(buffer, static_cast<qsizetype>(n));
    if (!firstLine && output.contains('\n')) {
      run.msToFirstLine = static_cast<double>(monotonicNs() - launched) / 1e6;
      firstLine = true;
    }
  }
  close(fds[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  run.maxRssKb = usage.ru_maxrss;
  run.ok = firstLine && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  run.lines = QString::fromLocal8Bit(output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  return run;
}

QString besideMe(const char* name) {
  return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
}

void measureStartup(std::vector<Row>& rows) {
  const QString splitsen = besideMe("bench_startup_splitsen");
  const QString bare = besideMe("bench_startup_bare");
  // A first run that is not counted: it fills the disk cache and tells the widget count.
  const ChildRun first = runChild(splitsen, {});
  const QString widgets = first.lines.value(0).section(QLatin1Char(' '), 1, 1);
  runChild(bare, {widgets});
  std::vector<double> timeS, timeB, memS, memB;
  bool ok = first.ok;
  for (int round = 0; round < StartupRounds; ++round) {
    // Alternately, and each first in every other round.
    for (int i = 0; i < 2; ++i) {
      const bool splitsenTurn = (round + i) % 2 == 0;
      const ChildRun r = splitsenTurn ? runChild(splitsen, {}) : runChild(bare, {widgets});
      ok = ok && r.ok;
      (splitsenTurn ? timeS : timeB).push_back(r.msToFirstLine);
      (splitsenTurn ? memS : memB).push_back(static_cast<double>(r.maxRssKb) / 1024.0);
    }
  }
  const double ts = median(timeS), tb = median(timeB), ms_ = median(memS), mb = median(memB);
  std::printf(
      "start-up: %s widgets; splitsen %.1f ms %.1f MB, bare %.1f ms %.1f MB (medians of %d)\n",
      qPrintable(widgets), ts, ms_, tb, mb, StartupRounds);
  const double timeRatio = tb > 0 ? ts / tb : 0;
  const double memRatio = mb > 0 ? ms_ / mb : 0;
  rows.push_back({QStringLiteral("start-up to painted welcome, splitsen / bare"),
                  QStringLiteral("%1x (%2 / %3 ms)")
                      .arg(timeRatio, 0, 'f', 2)
                      .arg(ts, 0, 'f', 1)
                      .arg(tb, 0, 'f', 1),
                  QStringLiteral("<= 1.10x"), ok && timeRatio > 0 && timeRatio <= 1.1});
  rows.push_back({QStringLiteral("start-up peak memory, splitsen / bare"),
                  QStringLiteral("%1x (%2 / %3 MB)")
                      .arg(memRatio, 0, 'f', 2)
                      .arg(ms_, 0, 'f', 1)
                      .arg(mb, 0, 'f', 1),
                  QStringLiteral("<= 1.20x"), ok && memRatio > 0 && memRatio <= 1.2});

  // Fitted to the display against the layout's own size, alternately.
  const QStringList atOne = {QStringLiteral("--zoom=1")};
  std::vector<double> fitted, one;
  for (int round = 0; round < StartupRounds; ++round) {
    for (int i = 0; i < 2; ++i) {
      const bool fittedTurn = (round + i) % 2 == 0;
      const ChildRun r = runChild(splitsen, fittedTurn ? QStringList() : atOne);
      ok = ok && r.ok;
      (fittedTurn ? fitted : one).push_back(r.msToFirstLine);
    }
  }
  const double tf = median(fitted), t1 = median(one);
  const double zoomRatio = t1 > 0 ? tf / t1 : 0;
  rows.push_back({QStringLiteral("start-up at the fitted zoom / at zoom 1"),
                  QStringLiteral("%1x (%2 / %3 ms)")
                      .arg(zoomRatio, 0, 'f', 2)
                      .arg(tf, 0, 'f', 1)
                      .arg(t1, 0, 'f', 1),
                  QStringLiteral("<= 1.10x"), ok && zoomRatio > 0 && zoomRatio <= 1.1});
}

// ---------------------------------------------------------------- event loop helpers

// Runs the event loop for `msecs` of real time.
void runFor(int msecs) {
  QEventLoop loop;
  QTimer end;
  end.setSingleShot(true);
  end.setTimerType(Qt::PreciseTimer);
  QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
  end.start(msecs);
  loop.exec();
}

// Runs the event loop until `deadlineNs` on the monotonic clock.
void runUntil(qint64 deadlineNs) {
  const qint64 left = deadlineNs - monotonicNs();
  if (left > 0) runFor(static_cast<int>((left + 999'999) / 1'000'000));
}

double msSince(qint64 startNs) {
  return static_cast<double>(monotonicNs() - startNs) / 1e6;
}

// ---------------------------------------------------------------- opening (child mode)

// Shows a screen and waits until its painting pass has finished; returns milliseconds.
double showPainted(bench::PaintWatch& watch, const std::function<forms::Form&()>& open) {
  const qint64 start = monotonicNs();
  forms::Form& form = open();
  watch.watch(&form);
  form.Show();
  if (!watch.waitPainted()) return 1e9;
  return msSince(start);
}

// A bare Qt window with `widgets` widgets (itself and plain labels), shown for the first
// time; returns milliseconds to its painted state.
double showBare(bench::PaintWatch& watch, int widgets, QSize size) {
  const qint64 start = monotonicNs();
  QWidget window;
  window.resize(size);
  for (int i = 1; i < widgets; ++i) {
    auto* label = new QLabel(QStringLiteral("Label %1").arg(i), &window);
    label->setGeometry(4 + 90 * (i % 10), 4 + 22 * (i / 10) % std::max(22, size.height() - 24), 86,
                       20);
  }
  watch.watch(&window);
  window.show();
  const double ms = watch.waitPainted() ? msSince(start) : 1e9;
  window.hide();
  return ms;
}

int widgetCount(const QWidget& window) {
  return static_cast<int>(window.findChildren<QWidget*>().size()) + 1;
}

int runOpening() {
  forms::Program program;
  registerAllScreens(program);
  program.zoom().restore(nullptr, std::nullopt, false);
  bench::PaintWatch watch;

  auto later = [&](forms::Form& form) {
    std::vector<double> times;
    for (int i = 0; i < LaterShows; ++i) {
      form.Hide();
      runFor(20);
      times.push_back(showPainted(watch, [&form]() -> forms::Form& { return form; }));
    }
    return median(times);
  };
  // The same number of widgets in a bare window, first shown right after the screen.
  auto report = [&watch](const char* name, double first, double again, const QWidget& shown) {
    runFor(20);
    const double bare = showBare(watch, widgetCount(shown), shown.size());
    std::printf("open %s %.3f %.3f %.3f\n", name, first, again, bare);
  };

  // The main window and the welcome screen that its Load shows.
  {
    const qint64 start = monotonicNs();
    forms::Form& main = screens::MDIForm2();
    forms::Form* welcome = program.loaded(QStringLiteral("frmmecenaat1"));
    watch.watch(welcome);
    main.Show();
    const double first = watch.waitPainted() ? msSince(start) : 1e9;
    runFor(20);
    report("MDIForm2+frmmecenaat1", first, later(*welcome), main);
    welcome->Hide();
  }
  QStringList names = {QStringLiteral("frmkiesbasis")};
  for (const auto& [screen, button] : Exercises) names << QString::fromLatin1(screen);
  names << QStringLiteral("frminfo");
  for (const QString& name : names) {
    runFor(20);
    const double first = showPainted(watch, [&]() -> forms::Form& { return program.form(name); });
    runFor(20);
    forms::Form& form = program.form(name);
    report(qPrintable(name), first, later(form), *form.window());
    form.Hide();
  }
  std::fflush(stdout);
  return 0;
}

void measureOpening(std::vector<Row>& rows) {
  QMap<QString, std::vector<double>> firsts, laters, bares;
  QStringList order;
  bool ok = true;
  for (int run = 0; run < OpeningRuns; ++run) {
    const ChildRun r =
        runChild(QCoreApplication::applicationFilePath(), {QStringLiteral("--opening")});
    ok = ok && r.ok;
    for (const QString& line : r.lines) {
      const QStringList parts = line.split(QLatin1Char(' '));
      if (parts.size() != 5 || parts[0] != QLatin1String("open")) continue;
      if (!order.contains(parts[1])) order << parts[1];
      firsts[parts[1]].push_back(parts[2].toDouble());
      laters[parts[1]].push_back(parts[3].toDouble());
      bares[parts[1]].push_back(parts[4].toDouble());
    }
  }
  QString worstFirstName, worstLaterName;
  double worstRatio = -1, worstFirst = 0, worstBare = 0, worstLater = -1;
  for (const QString& name : order) {
    const double f = median(firsts[name]), l = median(laters[name]), b = median(bares[name]);
    const double ratio = b > 0 ? f / b : 1e9;
    std::printf(
        "opening %-22s first Show %7.2f ms (bare window %6.2f ms, %4.2fx), later Show %6.2f ms "
        "(medians of %d runs)\n",
        qPrintable(name), f, b, ratio, l, static_cast<int>(firsts[name].size()));
    if (ratio > worstRatio)
      worstRatio = ratio, worstFirst = f, worstBare = b, worstFirstName = name;
    if (l > worstLater) worstLater = l, worstLaterName = name;
  }
  // The main window with the welcome screen, the chooser, every exercise and the info screen.
  ok = ok && order.size() == static_cast<qsizetype>(std::size(Exercises)) + 3;
  // Against a bare window in the same process, so that the figure holds on any machine.
  rows.push_back({QStringLiteral("first Show / bare window, slowest of %1 screens (%2)")
                      .arg(order.size())
                      .arg(worstFirstName),
                  QStringLiteral("%1x (%2 / %3 ms)")
                      .arg(worstRatio, 0, 'f', 2)
                      .arg(worstFirst, 0, 'f', 2)
                      .arg(worstBare, 0, 'f', 2),
                  QStringLiteral("<= 3.00x"), ok && worstRatio <= 3.0});
  rows.push_back({QStringLiteral("later Show, slowest screen (%1)").arg(worstLaterName),
                  ms(worstLater), QStringLiteral("<= 2 ms"), ok && worstLater <= 2.0});
}

// ---------------------------------------------------------------- timelines

struct Tick {
  QString timer;
  int interval;
  qint64 at;
};

// Records every tick of the named timers of a screen, before the screen's handler runs.
void recordTicks(forms::Form& form, const QStringList& names, std::vector<Tick>& log) {
  for (const QString& name : names) {
    auto* timer = form.findChild<forms::Timer*>(name);
    if (!timer) qFatal("no timer %s on %s", qPrintable(name), qPrintable(form.objectName()));
    auto handler = timer->Tick;
    timer->Tick = [handler, &log, name, interval = timer->interval()] {
      log.push_back({name, interval, monotonicNs()});
      if (handler) handler();
    };
  }
}

struct Lateness {
  std::vector<double> values;  // milliseconds, negative when early
  void addRows(std::vector<Row>& rows, const QString& what) const {
    const double p95 = percentile(values, 95);
    const double worst = values.empty() ? 1e9 : *std::max_element(values.begin(), values.end());
    const double earliest = values.empty() ? -1e9 : *std::min_element(values.begin(), values.end());
    const bool ok = !values.empty();
    rows.push_back({QStringLiteral("%1: lateness p95 (%2 ticks)").arg(what).arg(values.size()),
                    ms(p95), QStringLiteral("<= 5 ms"), ok && p95 <= 5.0});
    rows.push_back({QStringLiteral("%1: lateness worst").arg(what), ms(worst),
                    QStringLiteral("<= 16 ms"), ok && worst <= 16.0});
    rows.push_back({QStringLiteral("%1: lateness least (none early)").arg(what), ms(earliest, 3),
                    QStringLiteral(">= 0 ms"), ok && earliest >= 0.0});
  }
};

forms::CommandButton& button(forms::Form& form, const char* name) {
  auto* b = form.findChild<forms::CommandButton*>(QString::fromLatin1(name));
  if (!b) qFatal("no button %s on %s", name, qPrintable(form.objectName()));
  return *b;
}

void measureBallRun(forms::Form& machine, bench::PaintWatch& watch, std::vector<Row>& rows) {
  static std::vector<Tick> log;  // outlives the run: the wrapped handlers stay
  QStringList timers;
  for (int k = 1; k <= 10; ++k) timers << QStringLiteral("tmr%1").arg(k);
  timers << QStringLiteral("tmrbak1") << QStringLiteral("tmreinde");
  recordTicks(machine, timers, log);
  Lateness lateness;
  std::vector<double> clickToPaint;
  for (int run = 0; run < BallRuns; ++run) {
    log.clear();
    watch.watch(&machine, true);
    const qint64 start = monotonicNs();  // time 0: the click enables the timers
    button(machine, "cmd10").click();
    clickToPaint.push_back(watch.waitPainted() ? msSince(start) : 1e9);
    runUntil(start + 900'000'000);
    button(machine, "cmdstop1").click();  // stops the timers that keep ticking
    runFor(200);
    // The n-th tick of a timer is due at n times its interval; the run ends with the
    // first tick of tmreinde at 800 ms.
    QHash<QString, int> count;
    for (const Tick& t : log) {
      const int n = ++count[t.timer];
      const double due = static_cast<double>(n) * t.interval;
      if (due > 800) continue;
      lateness.values.push_back(static_cast<double>(t.at - start) / 1e6 - due);
    }
  }
  const double click = median(clickToPaint);
  rows.push_back({QStringLiteral("click to painted answer (split machine, cmd10)"), ms(click),
                  QStringLiteral("<= 16 ms"), click <= 16.0});
  lateness.addRows(rows, QStringLiteral("ball run for 10 (%1 runs)").arg(BallRuns));
}

void measureWalk(forms::Form& memorising, std::vector<Row>& rows) {
  static std::vector<Tick> log;  // outlives the run: the wrapped handlers stay
  recordTicks(memorising,
              {QStringLiteral("tmr0"), QStringLiteral("tmr1"), QStringLiteral("tmr2"),
               QStringLiteral("tmr3")},
              log);
  auto* option = memorising.findChild<forms::OptionButton*>(QStringLiteral("opt3"));
  if (!option) qFatal("no opt3");
  // Each step's delay is its own timer's interval, counted from the previous step (step 0
  // from the click): 10 ms, then k x 1250 ms for step k.
  const double interval[] = {10, 1250, 2500, 3750};
  const qint64 start = monotonicNs();
  option->click();
  runUntil(start + 7'900'000'000);
  Lateness lateness;
  qint64 previous = start;
  for (size_t i = 0; i < log.size() && i < 4; ++i) {
    lateness.values.push_back(static_cast<double>(log[i].at - previous) / 1e6 - interval[i]);
    std::printf("walk step %d (%s): %.3f ms after the click, %.3f ms late on its interval\n",
                static_cast<int>(i), qPrintable(log[i].timer),
                static_cast<double>(log[i].at - start) / 1e6, lateness.values.back());
    previous = log[i].at;
  }
  if (log.size() != 4) lateness.values.push_back(1e9);  // a missing or extra step
  lateness.addRows(rows, QStringLiteral("memorising walk, option 3"));
}

// ---------------------------------------------------------------- idle

// Counts the timer events of the application (other than the measurement's own timer) by
// the class and name of their receiver, to say which timer woke the program.
class TimerEventCount : public QObject {
 public:
  explicit TimerEventCount(QObject* ignore) : m_ignore(ignore) { qApp->installEventFilter(this); }
  ~TimerEventCount() override { qApp->removeEventFilter(this); }
  QMap<QString, int> counts;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Timer && object != m_ignore)
      ++counts[QString::fromLatin1(object->metaObject()->className()) + QLatin1Char(' ') +
               object->objectName()];
    return false;
  }

 private:
  QObject* m_ignore;
};

// Timer wake-ups of the program over `msecs`: every timer event of the application (Qt
// timers, the widgets' own timers and the form model's clock), less the measurement's
// own timer that ends the wait. Names the receivers of any that happened.
double wakeUps(int msecs, const QString& what) {
  QEventLoop loop;
  QTimer end;
  end.setSingleShot(true);
  end.setTimerType(Qt::PreciseTimer);
  QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
  TimerEventCount timers(&end);
  end.start(msecs);
  loop.exec();
  int count = 0;
  QStringList causes;
  for (auto it = timers.counts.constBegin(); it != timers.counts.constEnd(); ++it) {
    count += it.value();
    causes << QStringLiteral("%1 x%2").arg(it.key()).arg(it.value());
  }
  if (count > 0)
    std::printf("wake-ups %s: %d in %d ms from %s\n", qPrintable(what), count, msecs,
                qPrintable(causes.join(QStringLiteral(", "))));
  return count;
}

// The busiest screen (most controls) open, its zoom changed step by step: each change
// re-lays out every loaded screen and paints the open one.
void measureZoomChange(forms::Program& program, forms::Form& chooser, bench::PaintWatch& watch,
                       std::vector<Row>& rows) {
  const char* busiest = nullptr;
  const char* busiestButton = nullptr;
  qsizetype most = -1;
  for (const auto& [screen, chooserButton] : Exercises) {
    const qsizetype n =
        program.form(QString::fromLatin1(screen)).findChildren<forms::Control*>().size();
    if (n > most) most = n, busiest = screen, busiestButton = chooserButton;
  }
  button(chooser, busiestButton).click();
  forms::Form& form = program.form(QString::fromLatin1(busiest));
  runFor(300);
  std::vector<double> times;
  for (int i = 0; i < 12; ++i) {
    runFor(20);
    watch.watch(&form, true);
    const qint64 start = monotonicNs();
    if (i % 2 == 0)
      program.zoom().smaller();
    else
      program.zoom().fit();
    times.push_back(watch.waitPainted() ? msSince(start) : 1e9);
  }
  const double change = median(times);
  const double worst = *std::max_element(times.begin(), times.end());
  std::printf("zoom change of %s (%lld controls): median %.2f ms, worst %.2f ms\n", busiest,
              static_cast<long long>(most), change, worst);
  rows.push_back(
      {QStringLiteral("zoom change to painted, busiest screen (%1)").arg(QLatin1String(busiest)),
       ms(change), QStringLiteral("<= 16 ms"), change <= 16.0});
  const double rate = wakeUps(IdleMs, QStringLiteral("after zoom changes")) * 1000.0 / IdleMs;
  rows.push_back(
      {QStringLiteral("idle wake-ups after zoom changes (%1 open)").arg(QLatin1String(busiest)),
       QStringLiteral("%1 /s").arg(rate, 0, 'f', 1), QStringLiteral("0 /s"), rate == 0.0});
  form.Hide();
  chooser.Show();
}

int runInProcess(std::vector<Row>& rows) {
  forms::Program program;
  registerAllScreens(program);
  program.zoom().restore(nullptr, std::nullopt, false);
  bench::PaintWatch watch;
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    std::printf("display %dx%d, fitted zoom %.2f\n", screen->geometry().width(),
                screen->geometry().height(), forms::zoom());
  forms::Form& main = screens::MDIForm2();
  main.Show();
  runFor(300);

  // The child's way in: the welcome screen's button opens the chooser.
  button(program.form(QStringLiteral("frmmecenaat1")), "cmdkombinnen").click();
  forms::Form& chooser = program.form(QStringLiteral("frmkiesbasis"));
  runFor(500);
  if (part("idle")) {
    const double chooserRate = wakeUps(IdleMs, QStringLiteral("chooser")) * 1000.0 / IdleMs;
    rows.push_back({QStringLiteral("idle wake-ups, chooser open"),
                    QStringLiteral("%1 /s").arg(chooserRate, 0, 'f', 1), QStringLiteral("0 /s"),
                    chooserRate == 0.0});

    double worstRate = -1;
    QString worstName;
    for (const auto& [screen, chooserButton] : Exercises) {
      button(chooser, chooserButton).click();
      forms::Form& exercise = program.form(QString::fromLatin1(screen));
      runFor(500);
      const double rate = wakeUps(IdleMs, QString::fromLatin1(screen)) * 1000.0 / IdleMs;
      std::printf("idle %-16s %.1f wake-ups/s\n", screen, rate);
      if (rate > worstRate) worstRate = rate, worstName = QString::fromLatin1(screen);
      exercise.Hide();
      chooser.Show();
    }
    rows.push_back({QStringLiteral("idle wake-ups, each exercise open (worst: %1)").arg(worstName),
                    QStringLiteral("%1 /s").arg(worstRate, 0, 'f', 1), QStringLiteral("0 /s"),
                    worstRate == 0.0});
    measureZoomChange(program, chooser, watch, rows);
  }

  if (part("timelines")) {
    button(chooser, "cmdbrugmin").click();
    forms::Form& machine = program.form(QStringLiteral("frmsplitsmachine"));
    runFor(300);
    measureBallRun(machine, watch, rows);
    machine.Hide();
    chooser.Show();

    button(chooser, "cmdsplits").click();
    forms::Form& memorising = program.form(QStringLiteral("frmsplits2"));
    runFor(300);
    measureWalk(memorising, rows);
    button(memorising, "cmdstop2").click();  // back to the chooser
  }
  if (!part("closing")) return 0;

  // The closing screen: its countdown ends the program about 11 s after it is shown.
  runFor(300);
  button(chooser, "cmdstop").click();
  runFor(200);
  const double countdown = wakeUps(IdleMs, QStringLiteral("closing countdown")) * 75.0 / IdleMs;
  rows.push_back({QStringLiteral("wake-ups while the closing screen counts down"),
                  QStringLiteral("%1 per 75 ms").arg(countdown, 0, 'f', 2),
                  QStringLiteral("1 per 75 ms (+-5%)"), countdown >= 0.95 && countdown <= 1.05});
  return 0;
}

}  // namespace

// An offscreen display of 1920 x 1080 at 96 dpi for this process and its children.
QString offscreenDisplay(const QTemporaryDir& dir) {
  const QString path = dir.filePath(QStringLiteral("display.json"));
  QFile file(path);
  if (file.open(QIODevice::WriteOnly))
    file.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080,
                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  return QStringLiteral("offscreen:configfile=") + path;
}

int main(int argc, char* argv[]) {
  // Kept until the end: the children read the display and the (empty) settings from it.
  const QTemporaryDir dir;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", offscreenDisplay(dir).toLocal8Bit());
  if (qEnvironmentVariableIsEmpty("SPLITSEN_BENCH_CHILD")) {
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("SPLITSEN_BENCH_CHILD", "1");
  }
  bench::quietOffscreenPlatform();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  if (argc > 1 && QByteArray(argv[1]) == "--opening") return runOpening();

  std::printf("Splitsen benchmark on the real clock (platform %s); medians where repeated.\n",
              qPrintable(QGuiApplication::platformName()));
  std::fflush(stdout);
  for (int i = 1; i < argc; ++i) g_parts << QString::fromLocal8Bit(argv[i]);
  std::vector<Row> rows;
  if (part("startup")) measureStartup(rows);
  if (part("opening")) measureOpening(rows);
  if (part("idle") || part("timelines") || part("closing")) runInProcess(rows);
  std::printf("\n");
  printTable(rows);
  int failed = 0;
  for (const Row& r : rows) failed += r.pass ? 0 : 1;
  return failed == 0 ? 0 : 1;
}
