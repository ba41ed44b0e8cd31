#pragma once
// Time and chance for the whole program. Production uses precise real timers and a
// clock-seeded generator; tests use a clock they advance by hand and scripted draws.

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>
#include <random>
#include <vector>

namespace forms {

class Timer;

// The source of time of every Timer control; times in milliseconds.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual qint64 now() const = 0;
  // The instant from which a timer enabled now counts its interval: `now` on a clock that
  // counts whole milliseconds, the next whole millisecond on the real clock (so no tick
  // comes before its interval has fully passed).
  virtual qint64 startTime() const { return now(); }
  // The hub asks to be woken at `due` (-1: no timer runs, stay asleep).
  virtual void wakeAt(qint64 due) = 0;
  void setWakeHandler(std::function<void()> handler) { m_wake = std::move(handler); }

 protected:
  std::function<void()> m_wake;
};

// Real time, with one precise single-shot QTimer armed for the next due tick, so an idle
// program has no wake-ups at all.
class RealClock final : public Clock {
 public:
  RealClock();
  qint64 now() const override;
  qint64 startTime() const override;
  void wakeAt(qint64 due) override;

 private:
  void arm();
  QElapsedTimer m_elapsed;
  QTimer m_timer;
  qint64 m_due = -1;
};

// A clock that stands still until a test advances it.
class TestClock final : public Clock {
 public:
  qint64 now() const override { return m_now; }
  void wakeAt(qint64 due) override { m_due = due; }
  // Runs every tick due within the next `ms` milliseconds, in time order, each at its
  // own instant; then the clock stands at now + ms.
  void advance(qint64 ms);
  // The instant of the next tick, or -1 when no timer runs.
  qint64 nextDue() const { return m_due; }

 private:
  qint64 m_now = 0;
  qint64 m_due = -1;
};

// Keeps the running Timer controls and fires them when due. Ticks due at the same
// instant fire in the order in which their timers were created (the screen's
// declaration order), so a timeline plays the same way every time.
class TimerHub {
 public:
  explicit TimerHub(Clock& clock);
  ~TimerHub();
  void start(Timer* timer);
  void stop(Timer* timer);
  bool isRunning(const Timer* timer) const;
  int runningCount() const { return static_cast<int>(m_running.size()); }
  void stopAll();
  quint64 nextSequence() { return ++m_sequence; }

 private:
  struct Entry {
    Timer* timer;
    qint64 due;
  };
  void fireDue();
  void rearm();

  Clock& m_clock;
  std::vector<Entry> m_running;
  quint64 m_sequence = 0;
};

// Randomize and Rnd: Rnd draws a single-precision value in [0, 1).
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void randomize() = 0;
  virtual float rnd() = 0;
};

// Reseeding mixes the clock into the generator's state instead of replacing it, so two
// reseeds within one clock tick still give different draws.
class ClockRandom final : public RandomSource {
 public:
  ClockRandom();
  void randomize() override;
  float rnd() override;

 private:
  std::mt19937_64 m_generator;
};

// Draws that a test scripts; an exhausted script draws 0.
class ScriptedRandom final : public RandomSource {
 public:
  void randomize() override { ++m_randomizeCount; }
  float rnd() override;
  ScriptedRandom& then(std::initializer_list<float> values);
  int randomizeCount() const { return m_randomizeCount; }
  int remaining() const { return static_cast<int>(m_script.size()); }

 private:
  QList<float> m_script;
  int m_randomizeCount = 0;
};

// The value that makes Int(value * k) come out as `n`: handy for scripting draws.
inline float drawFor(int n, int k) {
  return (static_cast<float>(n) + 0.5f) / static_cast<float>(k);
}

}  // namespace forms
