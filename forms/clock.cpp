#include "forms/clock.h"

#include <algorithm>
#include <chrono>

#include "forms/controls.h"

namespace forms {

RealClock::RealClock() {
  m_elapsed.start();
  m_timer.setSingleShot(true);
  m_timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&m_timer, &QTimer::timeout, [this] {
    if (m_due >= 0 && now() < m_due) {  // the first part of a long wait (see arm)
      arm();
      return;
    }
    if (m_wake) m_wake();
  });
}

qint64 RealClock::now() const {
  return m_elapsed.elapsed();
}

qint64 RealClock::startTime() const {
  return (m_elapsed.nsecsElapsed() + 999'999) / 1'000'000;
}

void RealClock::wakeAt(qint64 due) {
  m_due = due;
  if (due < 0) {
    m_timer.stop();
    return;
  }
  arm();
}

void RealClock::arm() {
  // Whole milliseconds, rounded up: the wake never comes before the due instant.
  const qint64 left =
      std::max<qint64>(0, (m_due * 1'000'000 - m_elapsed.nsecsElapsed() + 999'999) / 1'000'000);
  // The kernel lets a sleep overrun by up to a thousandth of its length (timer slack), so
  // a wait of over a second first ends a little early, then sleeps the last stretch.
  m_timer.start(static_cast<int>(left > 1000 ? left - left / 100 - 2 : left));
}

void TestClock::advance(qint64 ms) {
  const qint64 target = m_now + std::max<qint64>(0, ms);
  while (m_due >= 0 && m_due <= target) {
    m_now = std::max(m_now, m_due);
    const qint64 before = m_due;
    if (m_wake) m_wake();
    if (m_due == before) break;  // nothing left to fire at this instant
  }
  m_now = target;
}

TimerHub::TimerHub(Clock& clock) : m_clock(clock) {
  m_clock.setWakeHandler([this] { fireDue(); });
}

TimerHub::~TimerHub() {
  m_clock.setWakeHandler({});
}

void TimerHub::start(Timer* timer) {
  if (isRunning(timer) || timer->interval() <= 0) return;
  m_running.push_back({timer, m_clock.startTime() + timer->interval()});
  rearm();
}

void TimerHub::stop(Timer* timer) {
  std::erase_if(m_running, [timer](const Entry& e) { return e.timer == timer; });
  rearm();
}

bool TimerHub::isRunning(const Timer* timer) const {
  return std::any_of(m_running.begin(), m_running.end(),
                     [timer](const Entry& e) { return e.timer == timer; });
}

void TimerHub::stopAll() {
  m_running.clear();
  rearm();
}

void TimerHub::fireDue() {
  // Only ticks due by the moment of waking fire now; a slow handler cannot keep this
  // loop busy for ever.
  const qint64 now = m_clock.now();
  for (;;) {
    auto next = m_running.end();
    for (auto it = m_running.begin(); it != m_running.end(); ++it) {
      if (it->due > now) continue;
      if (next == m_running.end() || it->due < next->due ||
          (it->due == next->due && it->timer->sequence() < next->timer->sequence()))
        next = it;
    }
    if (next == m_running.end()) break;
    Timer* timer = next->timer;
    const qint64 interval = timer->interval();
    // Keep the phase of the timer; ticks missed while the program was busy are dropped.
    do next->due += interval;
    while (next->due <= now);
    timer->fire();
  }
  rearm();
}

void TimerHub::rearm() {
  qint64 due = -1;
  for (const Entry& e : m_running)
    if (due < 0 || e.due < due) due = e.due;
  m_clock.wakeAt(due);
}

ClockRandom::ClockRandom() {
  randomize();
}

void ClockRandom::randomize() {
  const auto ticks =
      static_cast<quint64>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
  m_generator.seed(m_generator() ^ (ticks * 0x9E3779B97F4A7C15ull));
}

float ClockRandom::rnd() {
  // 24 random bits: every value is exact in single precision and below 1.
  return static_cast<float>(m_generator() >> 40) / static_cast<float>(1u << 24);
}

float ScriptedRandom::rnd() {
  return m_script.isEmpty() ? 0.0f : m_script.takeFirst();
}

ScriptedRandom& ScriptedRandom::then(std::initializer_list<float> values) {
  for (float v : values) m_script.append(v);
  return *this;
}

}  // namespace forms
