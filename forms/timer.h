#pragma once
// A timer on the program's clock: Tick every Interval ms while enabled.

#include "forms/control.h"

namespace forms {

class Timer : public Control {
  Q_OBJECT
  Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
  Q_PROPERTY(int Interval READ interval)

 public:
  Timer(Container* container, const char* name, int intervalMs = 0);
  ~Timer() override;
  bool enabled() const;
  // False to true starts counting from zero; true on a running timer changes nothing.
  void setEnabled(bool enabled);
  int interval() const { return m_interval; }
  void setInterval(int ms) { m_interval = ms; }
  quint64 sequence() const { return m_sequence; }

  std::function<void()> Tick;  // the Timer event
  void fire();

 private:
  int m_interval;
  quint64 m_sequence;
};

}  // namespace forms
