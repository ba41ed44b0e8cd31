#include "forms/timer.h"

#include "forms/program.h"

namespace forms {

Timer::Timer(Container* container, const char* name, int intervalMs)
    : Control(container, name),
      m_interval(intervalMs),
      m_sequence(Program::current().timers().nextSequence()) {}

Timer::~Timer() {
  Program::current().timers().stop(this);
}

bool Timer::enabled() const {
  return Program::current().timers().isRunning(this);
}

void Timer::setEnabled(bool enabled) {
  auto& hub = Program::current().timers();
  if (enabled) {
    if (!Program::current().ended()) hub.start(this);
  } else {
    hub.stop(this);
  }
}

void Timer::fire() {
  raise(Tick);
}

}  // namespace forms
