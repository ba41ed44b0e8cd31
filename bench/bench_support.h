#pragma once
// Small helpers shared by the benchmark programs: a monotonic clock in nanoseconds,
// medians and percentiles, a quiet offscreen platform, and waiting for a painted window.

#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

namespace bench {

// CLOCK_MONOTONIC, the same clock in every process of the machine.
inline qint64 monotonicNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<qint64>(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

inline double median(std::vector<double> values) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// Nearest-rank percentile (p in 0..100).
inline double percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const auto rank = static_cast<size_t>(std::ceil(p / 100.0 * static_cast<double>(values.size())));
  return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
}

// The offscreen platform cannot stack or resize windows and says so on every show.
inline void quietOffscreenPlatform() {
  static QtMessageHandler previous = nullptr;
  previous = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.startsWith(QLatin1String("This plugin does not support"))) return;
        if (previous) previous(type, context, message);
      });
}

// Start-up probes: once the first painting pass of the widget named `name` has finished,
// reports the number of widgets on stdout and leaves the process at once.
class ExitAfterFirstPaint : public QObject {
 public:
  explicit ExitAfterFirstPaint(const char* name) : m_name(QLatin1String(name)) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (!m_seen && event->type() == QEvent::Paint && object->objectName() == m_name) {
      m_seen = true;
      // Queued: runs once the painting pass (and its flush) has finished.
      QTimer::singleShot(0, [] {
        std::printf("painted %lld\n", static_cast<long long>(QApplication::allWidgets().size()));
        std::fflush(stdout);
        _exit(0);
      });
    }
    return false;
  }

 private:
  QString m_name;
  bool m_seen = false;
};

// Sees every paint event of the application; `painted` tells whether a widget of the
// watched window (the widget itself or one inside it) was painted since the last reset.
class PaintWatch : public QObject {
 public:
  PaintWatch() { qApp->installEventFilter(this); }
  ~PaintWatch() override { qApp->removeEventFilter(this); }
  void watch(QWidget* target, bool anyInside = false) {
    m_target = target;
    m_anyInside = anyInside;
    m_painted = false;
  }
  bool painted() const { return m_painted; }

  // Runs the event loop until the watched widget has been painted and the painting pass
  // it belongs to has finished (processEvents returns only after the whole pass).
  bool waitPainted(int timeoutMs = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!m_painted && timer.elapsed() < timeoutMs)
      QCoreApplication::processEvents(QEventLoop::AllEvents);
    return m_painted;
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Paint && m_target && object->isWidgetType()) {
      auto* widget = static_cast<QWidget*>(object);
      if (widget == m_target || (m_anyInside && m_target->isAncestorOf(widget))) m_painted = true;
    }
    return false;
  }

 private:
  QPointer<QWidget> m_target;
  bool m_anyInside = false;
  bool m_painted = false;
};

}  // namespace bench
